#pragma once
// The channel editor: one channel of the codeplug created, changed or cleared in a modal
// dialog.

#include "app/app_state.h"

class QWidget;

namespace px {

// Opens the editor modal on channel rNumber (1..200, 201 PA, 202 PB, 203 VFO). On OK the
// channel is stored or removed and the channel references of the settings are repaired;
// the caller redraws the row. Returns true when the codeplug changed.
bool OpenChannelEditor(AppState& rState, int rNumber, QWidget* rParent);

}  // namespace px
