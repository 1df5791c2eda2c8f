#include "edit/key_rules.h"

namespace px {

namespace {

constexpr int kTextFirstKey = 6001;

constexpr Choice kFunctions[KeyFunction::Count] = {
    {6050, "None", 0},          {6051, "Monitor", 1},         {6052, "Scan", 2},
    {6053, "Tx Power", 3},      {6054, "Squelch Off", 4},     {6055, "Talkaround", 5},
    {6056, "Reverse", 6},       {6057, "Dual Watch", 7},      {6058, "VOX", 8},
    {6059, "Scrambler", 9},     {6060, "FM Radio", 10},       {6061, "Emergency Alarm", 11},
    {6062, "Lone Worker", 12},  {6063, "Backlight", 13},      {6064, "Keypad Lock", 14},
    {6065, "Battery Voltage", 15}, {6066, "Channel Up", 16},  {6067, "Channel Down", 17},
    {6068, "Call", 18},         {6069, "Wide/Narrow", 19},    {6070, "Nuisance Delete", 20},
};

bool IsShortPress(std::size_t rKey) { return rKey < KeySlot::ShortPress + KeySlot::KeysPerKind; }

}  // namespace

ChoiceTable KeyFunctionChoices() { return kFunctions; }

int KeyLabelId(std::size_t rKey) { return kTextFirstKey + static_cast<int>(rKey); }

KeyPositions LoadKeyPage(const AppState& rState) {
  KeyPositions positions{};
  const auto& keys = rState.Current.Settings.KeyFunctions;
  for (std::size_t i = 0; i < keys.size(); ++i) positions[i] = PositionOfStored(kFunctions, keys[i]);
  return positions;
}

bool KeyFunctionAllowed(const OptionSettings& rOptions, std::size_t rKey, int rFunction) {
  return !(rFunction == KeyFunction::FmRadio && IsShortPress(rKey) &&
           rOptions.OptionValues[OptionSlot::FmRadio] == 0);
}

int ChooseKeyFunction(const OptionSettings& rOptions, std::size_t rKey, int rPosition) {
  return KeyFunctionAllowed(rOptions, rKey, StoredAtPosition(kFunctions, rPosition)) ? rPosition : 0;
}

void ClearRefusedKeyFunctions(RadioSettings& rSettings) {
  for (std::size_t i = 0; i < rSettings.KeyFunctions.size(); ++i) {
    if (!KeyFunctionAllowed(rSettings.Options, i, rSettings.KeyFunctions[i]))
      rSettings.KeyFunctions[i] = KeyFunction::None;
  }
}

void ApplyKeyPage(AppState& rState, const KeyPositions& rPositions) {
  auto& keys = rState.Current.Settings.KeyFunctions;
  for (std::size_t i = 0; i < keys.size(); ++i)
    keys[i] = static_cast<Byte>(StoredAtPosition(kFunctions, rPositions[i]));
}

ReportSection DescribeKeysPage(const AppState& rState) {
  ReportSection section{"keys", LangText(rState, kTextKeysCaption), {}, {}};
  const KeyPositions positions = LoadKeyPage(rState);
  for (std::size_t i = 0; i < positions.size(); ++i)
    section.Rows.push_back({LangText(rState, KeyLabelId(i)), ChoiceText(rState, kFunctions, positions[i])});
  return section;
}

}  // namespace px
