#pragma once
// The fourteen 5-Tone standards in their stored order, each with the frequency of its
// sixteen digits and its nominal tone duration. Every standard list of the 5-Tone page,
// the tone-table text and the report read this one table.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "edit/choice_table.h"

namespace px {

struct AppState;

inline constexpr int kFiveToneStandardCount = 14;
inline constexpr int kTextToneFrequency = 60085;  // section "OPTION"

struct FiveToneStandard {
  std::string_view Name;
  int DefaultDurationMs = 70;
  std::array<std::string_view, 16> Tones;  // Hz as shown, digits 0..F; "" where none
};

std::span<const FiveToneStandard> FiveToneStandards();
// The standard at a stored index; the first one for an index out of range.
const FiveToneStandard& FiveToneStandardAt(int rIndex);
// The list of every standard list: fixed names, stored as the index.
ChoiceTable FiveToneStandardChoices();

// The text of the read-only tone-table box: name, frequency heading, sixteen digit
// lines, duration, group and repeat digit; every line ends with CR LF.
std::string ToneTableText(const AppState& rState, int rStandard);

}  // namespace px
