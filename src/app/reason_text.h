#pragma once
// The reasons the core gives for a failed file or port operation are plain English
// sentences ("cannot read x.cb: Permission denied"), made where no language is known.
// Where one is shown to the user it passes through LocalReason, which gives the same
// sentence in the current language: each of our own sentence forms, and the system's
// error texts users meet (not found, permission denied, is a folder, no space, read-only
// file system, busy, ...).

#include <string>

namespace px {

struct AppState;

// rReason in the current language; in English, or for a text of unknown form, unchanged.
// Several lines ("\r\n" or "\n") are translated line by line.
std::string LocalReason(const AppState& rState, const std::string& rReason);
// The same for a language index (2 is Chinese).
std::string LocalReason(int rLanguageIndex, const std::string& rReason);

}  // namespace px
