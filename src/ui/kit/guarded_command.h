#pragma once
// A menu command run so that nothing it throws reaches the event loop: Qt cannot carry
// an exception through it and the program would end with the user's edits unsaved.
// Out of memory, or any other failure of a file read, is told and the command ends;
// the codeplug in memory is the one from before the command.

#include <functional>

#include "app/app_state.h"
#include "app/user_interface.h"

namespace px {

// False when rCommand threw (the user has been told).
bool RunGuarded(const AppState& rState, UserInterface& rUi, const std::function<void()>& rCommand);

}  // namespace px
