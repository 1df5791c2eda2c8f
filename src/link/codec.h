#pragma once
// The codec between the codeplug and the radio memory image.

#include "app/app_state.h"
#include "app/user_interface.h"
#include "link/embedded_info.h"
#include "link/radio_image.h"

namespace px {

// Blanks rImage and fills it from the codeplug, encoder by encoder in the radio's order.
// Returns EncodeOk: false when an encoder met a value it cannot convert; that encoder's
// message ("SetCommDataByFrequencyError", ...) has been told through rUi, the later
// encoders did not run, and nothing of rImage may be sent. The DTMF encoder writes the
// values it corrects back into the codeplug.
bool EncodeCodeplug(AppState& rState, RadioImage& rImage, UserInterface& rUi);

// Replaces the codeplug with the one held by rImage: the codeplug is reset to its
// defaults, then every range is decoded, rInfo receiving the embedded information.
// The band texts and working limits follow the decoded limits. Decoding never fails.
void DecodeCodeplug(AppState& rState, const RadioImage& rImage, EmbeddedInfo& rInfo);
// The same, for callers that have no use for the embedded information.
void DecodeCodeplug(AppState& rState, const RadioImage& rImage);

}  // namespace px
