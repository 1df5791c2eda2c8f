#pragma once
// Writing one codeplug to several radios at once, or reading several radios, each on its
// own port, all on the one event loop; and verify after write for one radio or many.

#include <string>
#include <vector>

#include "app/app_state.h"
#include "cli/commands.h"

namespace px {

// True when the write or read command line needs the fleet form: --port given more than
// once, --verify, identities or a delivery log.
bool WantsFleet(const std::vector<std::string>& rArgs);

// --flow none|rtscts over the port settings' choice, for one radio or many.
inline constexpr OptionSpec kFlowOption{"--flow", "", true};
void ApplyFlowOption(const ParsedArgs& rArgs, AppState& rState);

// Without a terminal to ask, reading or writing a radio needs --yes, as overwriting a
// file does: a script never answers its own confirmation.
void RequireRadioConsent(const ParsedArgs& rArgs, bool rWriting);

int RunFleetWrite(CommandContext& rCtx);
int RunFleetRead(CommandContext& rCtx);

}  // namespace px
