#include "edit/key_rules.h"

namespace px {

namespace {

constexpr int kTextFirstKey = 6001;

constexpr std::string_view kKeyObjects[KeySlot::Count] = {
    "Combo1_0", "Combo1_1", "Combo1_2", "Combo1_3",  "Combo1_4",  "Combo1_5",  "Combo1_6", "Combo1_7",
    "Combo1_8", "Combo1_9", "Combo1_10", "Combo1_11", "Combo1_12", "Combo1_13", "Combo1_14"};

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

template <std::size_t Key>
constexpr PageField KeyField(std::string_view rName) {
  return {rName, Key, FieldControl::List, kKeyObjects[Key], kTextFirstKey + static_cast<int>(Key),
          FixedChoices<KeyFunctionChoices>, ImageByte(Key)};
}

}  // namespace

ChoiceTable KeyFunctionChoices() { return kFunctions; }

PageFields KeyFields() {
  static const PageField fields[] = {
      KeyField<0>("Keys.P1Short"), KeyField<1>("Keys.P2Short"), KeyField<2>("Keys.P3Short"),
      KeyField<3>("Keys.P4Short"), KeyField<4>("Keys.P5Short"), KeyField<5>("Keys.P1Long"),
      KeyField<6>("Keys.P2Long"),  KeyField<7>("Keys.P3Long"),  KeyField<8>("Keys.P4Long"),
      KeyField<9>("Keys.P5Long"),  KeyField<10>("Keys.FuncP1"), KeyField<11>("Keys.FuncP2"),
      KeyField<12>("Keys.FuncP3"), KeyField<13>("Keys.FuncP4"), KeyField<14>("Keys.FuncP5"),
  };
  return fields;
}


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
  for (const PageField& field : KeyFields())
    section.Rows.push_back({FieldLabel(rState, field), ChoiceText(rState, kFunctions, positions[field.Slot])});
  return section;
}

}  // namespace px
