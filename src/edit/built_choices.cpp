#include "edit/built_choices.h"

#include <algorithm>

#include "app/app_state.h"

namespace px {

void BuiltChoices::Add(std::string rText, int rStored) {
  const std::string& text = mTexts.emplace_back(std::move(rText));
  Choice choice;
  choice.Fixed = text;
  choice.Stored = rStored;
  mEntries.push_back(choice);
}

BuiltChoices NumberChoices(int rFirst, int rLast, const std::function<std::string(int)>& rText) {
  BuiltChoices choices;
  for (int value = rFirst; value <= rLast; ++value) choices.Add(rText(value), value);
  return choices;
}

BuiltChoices NumberChoices(int rFirst, int rLast) {
  return NumberChoices(rFirst, rLast, [](int rValue) { return std::to_string(rValue); });
}

BuiltChoices MemoryChannelChoices(const AppState& rState) {
  std::vector<int> numbers;
  const int count = std::clamp<int>(rState.Current.ChannelCount, 0, kChannelSlots);
  for (int slot = 0; slot < count; ++slot) {
    const int number = rState.Channels[static_cast<std::size_t>(slot)].Number;
    if (IsMemoryChannel(number)) numbers.push_back(number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  BuiltChoices choices;
  for (const int number : numbers) choices.Add(std::to_string(number - 1), number);
  return choices;
}

int StoredAsShown(ChoiceTable rTable, int rStored) {
  if (rTable.empty()) return 0;
  return StoredAtPosition(rTable, PositionOfStored(rTable, rStored, 0));
}

std::string ShownText(const AppState& rState, ChoiceTable rTable, int rStored) {
  return ChoiceTextOfStored(rState, rTable, rStored, 0);
}

ReportRow ChoiceRow(const AppState& rState, std::string rLabel, ChoiceTable rTable, int rStored) {
  return {std::move(rLabel), ShownText(rState, rTable, rStored)};
}

}  // namespace px
