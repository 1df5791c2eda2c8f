#include "edit/choice_table.h"

#include "app/app_state.h"

namespace px {

int PositionOfStored(ChoiceTable rTable, int rStored, int rFallback) {
  for (std::size_t i = 0; i < rTable.size(); ++i) {
    if (rTable[i].Stored == rStored) return static_cast<int>(i);
  }
  return rFallback;
}

int StoredAtPosition(ChoiceTable rTable, int rPosition) {
  if (rTable.empty()) return 0;
  if (rPosition < 0 || rPosition >= static_cast<int>(rTable.size())) return rTable.front().Stored;
  return rTable[static_cast<std::size_t>(rPosition)].Stored;
}

std::string ChoiceText(const AppState& rState, ChoiceTable rTable, int rPosition) {
  if (rPosition < 0 || rPosition >= static_cast<int>(rTable.size())) return {};
  const Choice& choice = rTable[static_cast<std::size_t>(rPosition)];
  if (choice.TextId > 0) {
    std::string text = LangLookup(rState, choice.Section, std::to_string(choice.TextId));
    if (!text.empty()) return text;
  }
  return std::string(choice.Fixed);
}

std::string ChoiceTextOfStored(const AppState& rState, ChoiceTable rTable, int rStored, int rFallback) {
  return ChoiceText(rState, rTable, PositionOfStored(rTable, rStored, rFallback));
}

}  // namespace px
