#pragma once
// New, Open, Save, Save As and the modification check, as operations on the AppState
// that ask their questions through the UserInterface.

#include "app/app_state.h"
#include "app/user_interface.h"

namespace px {

// True as soon as the current codeplug differs from the saved copy.
bool IsModified(const AppState& rState);
// True when New, Open, a read or closing would lose something: a modification, or a
// codeplug read from a radio that was never saved.
bool NeedsSaveQuestion(const AppState& rState);

// Step 3 of New without any question: defaults, the default channel, then the default
// file from the Init folder. Also used at start-up.
void CreateNewCodeplug(AppState& rState);

// Each returns true when it changed or wrote the codeplug, false when it was cancelled
// or failed (the failure already told to the user).
bool NewCommand(AppState& rState, UserInterface& rUi);
bool OpenCommand(AppState& rState, UserInterface& rUi);
bool OpenCodeplugFile(AppState& rState, UserInterface& rUi, const std::string& rPath);
bool SaveCommand(AppState& rState, UserInterface& rUi);
bool SaveAsCommand(AppState& rState, UserInterface& rUi);
bool WriteCodeplug(AppState& rState, UserInterface& rUi, const std::string& rPath);

// "Data File (*.dat)|*.dat" in the current language.
std::string CodeplugFileFilter(const AppState& rState);

}  // namespace px
