#include "edit/channel_choices.h"

#include <array>

namespace px {

namespace {

constexpr std::array<Choice, 3> kTxPowers{{
    {1204, "High", 0},
    {1221, "Middle", 1},
    {1205, "Low", 2},
}};

// The Chinese shown texts, accepted as words wherever a power is typed or imported.
constexpr std::array<const char*, 3> kChineseWords{"高", "中", "低"};

std::string Lower(std::string rText) {
  for (char& c : rText)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return rText;
}

}  // namespace

ChoiceTable TxPowerChoices() { return kTxPowers; }

std::optional<int> TxPowerOfWord(const std::string& rWord) {
  const std::string word = Lower(rWord);
  for (std::size_t i = 0; i < kTxPowers.size(); ++i)
    if (word == Lower(std::string(kTxPowers[i].Fixed)) || rWord == kChineseWords[i]) return kTxPowers[i].Stored;
  if (word == "mid" || word == "medium") return 1;
  return std::nullopt;
}

}  // namespace px
