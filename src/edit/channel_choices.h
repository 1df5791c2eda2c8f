#pragma once
// Lists of the channel fields written down once: the channel editor, the grid, the CSV
// layout and the command line's `set` all read them.

#include <optional>
#include <string>

#include "edit/choice_table.h"

namespace px {

// Transmit power: High, Middle, Low (stored 0, 1, 2). The fixed texts are the words of
// the CSV layout and of the command line.
ChoiceTable TxPowerChoices();

// The stored power a channel shows as: a stored 3 is a second "Low".
inline int ShownTxPower(int rStored) { return rStored == 3 ? 2 : rStored; }

// The stored power of a word: an entry's fixed text (any case), its shown text in either
// language, or "mid"/"medium"; nullopt for anything else.
std::optional<int> TxPowerOfWord(const std::string& rWord);

}  // namespace px
