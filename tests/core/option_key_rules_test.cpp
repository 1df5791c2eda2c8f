// The optional-functions and programmable-keys pages without widgets: what they show,
// the work mode's hold on the display lists, the FM-radio key rule from both pages, OK,
// and the settings on their way into the radio image.

#include <gtest/gtest.h>

#include <filesystem>

#include "edit/codeplug_ops.h"
#include "edit/key_rules.h"
#include "edit/option_rules.h"
#include "link/codec.h"
#include "support/full_codeplug.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px {
namespace {

namespace fs = std::filesystem;

struct OptionKeyRules : ::testing::Test {
  test::TempDir folder;
  AppState state;
  Int16* v = state.Current.Settings.Options.OptionValues.data();
  KeyFunctionBytes& keys = state.Current.Settings.KeyFunctions;

  OptionKeyRules() {
    fs::create_directories(folder.Path() / "language");
    for (const char* name : {"english.ini", "chinese.ini"})
      fs::copy_file(fs::path(PX_SOURCE_DIR) / "lang" / name, folder.Path() / "language" / name);
    state.ProgramFolder = folder.Path().string();
    ResetToDefaults(state.Current);
  }
  void AddChannels(std::initializer_list<int> rNumbers) {
    int slot = 0;
    for (const int number : rNumbers) state.Channels[static_cast<std::size_t>(slot++)].Number = static_cast<Int16>(number);
    state.Current.ChannelCount = static_cast<Int16>(slot);
  }
};

TEST_F(OptionKeyRules, ListsShowTheFirstEntryForAStoredValueOutsideThemAndOkKeepsIt) {
  v[OptionSlot::SquelchLevel] = 40;
  v[OptionSlot::TimeOutTimer] = 31;
  OptionPage page = LoadOptionPage(state);
  EXPECT_EQ(page.Shown[3], 0);
  EXPECT_EQ(OptionListTexts(state, 3).at(0), "0");
  EXPECT_EQ(page.Shown[10], 0);
  ApplyOptionPage(state, page);
  EXPECT_EQ(v[OptionSlot::SquelchLevel], 40);  // untouched lists keep their bytes
  ChooseOption(state, page, 3, 7);
  ApplyOptionPage(state, page);
  EXPECT_EQ(v[OptionSlot::SquelchLevel], 7);
}

TEST_F(OptionKeyRules, ListsReadTheirTextsFromTheLanguageFiles) {
  const auto timer = OptionListTexts(state, 10);
  ASSERT_EQ(timer.size(), 31u);
  EXPECT_EQ(timer.front(), "OFF");
  EXPECT_EQ(timer[1], "1 min");
  EXPECT_EQ(timer.back(), "30 min");
  EXPECT_EQ(OptionListTexts(state, 8).size(), 32u);
  EXPECT_EQ(OptionListTexts(state, 8).front(), "1");
  EXPECT_EQ(OptionListTexts(state, 4).size(), 26u);
  EXPECT_EQ(OptionListTexts(state, 16), (std::vector<std::string>{"OFF", "Manual", "Auto"}));
  SetLanguage(state, 2);
  EXPECT_EQ(OptionListTexts(state, 10)[1], "1分钟");
  for (int i = 0; i < kOptionLists; ++i)
    for (const std::string& text : OptionListTexts(state, i)) EXPECT_FALSE(text.empty()) << "list " << i;
}

TEST_F(OptionKeyRules, WorkModeSetsTheDisplayListsAndStoresThem) {
  v[OptionSlot::WorkMode] = 1;
  v[OptionSlot::DisplayMode] = 0;
  v[OptionSlot::ChannelDisplay] = 1;
  OptionPage page = LoadOptionPage(state);
  // Channel mode: the display is forced to "channel" and locked; the channel display shows.
  EXPECT_EQ(page.Shown[kDisplayModeList], 1);
  EXPECT_EQ(page.Scratch.OptionValues[OptionSlot::DisplayMode], 1);
  EXPECT_FALSE(page.DisplayModeEnabled);
  EXPECT_TRUE(page.ChannelDisplayShown);
  EXPECT_EQ(page.Shown[kChannelDisplayList], 1);
  EXPECT_EQ(v[OptionSlot::DisplayMode], 0) << "the correction waits for OK";

  ChooseOption(state, page, kWorkModeList, 0);
  EXPECT_EQ(page.Shown[kDisplayModeList], 0);
  EXPECT_TRUE(page.DisplayModeEnabled);
  EXPECT_FALSE(page.ChannelDisplayShown);
  EXPECT_EQ(page.Scratch.OptionValues[OptionSlot::ChannelDisplay], 0);

  ChooseOption(state, page, kWorkModeList, 2);
  EXPECT_EQ(page.Shown[kDisplayModeList], 1);
  EXPECT_TRUE(page.DisplayModeEnabled);
  ChooseOption(state, page, kDisplayModeList, 0);
  ApplyOptionPage(state, page);
  EXPECT_EQ(v[OptionSlot::WorkMode], 2);
  EXPECT_EQ(v[OptionSlot::DisplayMode], 0);
}

TEST_F(OptionKeyRules, PowerOnChannelListsTheChannelsAsTheGridNumbersThem) {
  EXPECT_EQ(PowerOnChannelValues(state), std::vector<int>{0}) << "no channel at all";
  AddChannels({203, 6, 202, 1});
  EXPECT_EQ(PowerOnChannelValues(state), (std::vector<int>{0, 5, 201}));
  EXPECT_EQ(OptionListTexts(state, kPowerOnChannelList), (std::vector<std::string>{"0", "5", "PB"}));
  v[OptionSlot::PowerOnChannel] = 201;
  OptionPage page = LoadOptionPage(state);
  EXPECT_EQ(page.Shown[kPowerOnChannelList], 2);
  v[OptionSlot::PowerOnChannel] = 99;  // a channel that is gone shows the first entry
  page = LoadOptionPage(state);
  EXPECT_EQ(page.Shown[kPowerOnChannelList], 0);
  ChooseOption(state, page, kPowerOnChannelList, 1);
  ApplyOptionPage(state, page);
  EXPECT_EQ(v[OptionSlot::PowerOnChannel], 5);
}

TEST_F(OptionKeyRules, PowerOnTextsAreStoredAsTheirFieldsExpect) {
  state.Current.Settings.Options.PowerOnPassword.Assign(std::string("1234\0 ", 6));
  state.Current.Settings.Options.OptionValue24 = 1;
  OptionPage page = LoadOptionPage(state);
  EXPECT_EQ(page.MessageBoxes[0], "W");
  EXPECT_EQ(page.MessageBoxes[6], "e");
  EXPECT_EQ(page.Password, "1234");
  EXPECT_TRUE(EnablePassWord(page.Scratch.OptionValue24));

  page.MessageBoxes = {"A", "B", "", "", "", "", ""};
  page.Password = "123";
  ChoosePasswordSwitch(page, false);  // hides the box, keeps what it holds
  EXPECT_FALSE(EnablePassWord(page.Scratch.OptionValue24));
  ApplyOptionPage(state, page);
  const OptionSettings& o = state.Current.Settings.Options;
  EXPECT_EQ(o.PowerOnMessage.Raw(), "AB     ");
  EXPECT_EQ(o.PowerOnPassword.Raw(), std::string("123\0  ", 6));
  EXPECT_EQ(o.OptionValue24, 0);

  page.MessageBoxes = {"", "x", "", "", "", "", "\xE9"};
  page.Password = "654321";
  ApplyOptionPage(state, page);
  EXPECT_EQ(o.PowerOnMessage.Raw(), " x    \xE9");
  EXPECT_EQ(o.PowerOnPassword.Raw(), "654321");
}

TEST_F(OptionKeyRules, TheFmRadioKeyNeedsTheFmRadioFromBothPages) {
  OptionSettings& options = state.Current.Settings.Options;
  options.OptionValues[OptionSlot::FmRadio] = 0;
  const std::size_t p3Short = KeySlot::ShortPress + 2;
  const std::size_t p3Long = KeySlot::LongPress + 2;
  EXPECT_EQ(ChooseKeyFunction(options, p3Short, KeyFunction::FmRadio), 0);
  EXPECT_EQ(ChooseKeyFunction(options, p3Long, KeyFunction::FmRadio), KeyFunction::FmRadio);
  EXPECT_EQ(ChooseKeyFunction(options, KeySlot::FuncPress, KeyFunction::FmRadio), KeyFunction::FmRadio);
  EXPECT_EQ(ChooseKeyFunction(options, p3Short, 11), 11);
  options.OptionValues[OptionSlot::FmRadio] = 1;
  EXPECT_EQ(ChooseKeyFunction(options, p3Short, KeyFunction::FmRadio), KeyFunction::FmRadio);

  // The options page's OK clears what the FM radio being off no longer allows.
  keys.fill(KeyFunction::FmRadio);
  OptionPage page = LoadOptionPage(state);
  ApplyOptionPage(state, page);
  EXPECT_EQ(keys[0], KeyFunction::FmRadio) << "FM radio still on";
  ChooseOption(state, page, 14, 0);
  ApplyOptionPage(state, page);
  for (std::size_t i = 0; i < KeySlot::Count; ++i)
    EXPECT_EQ(keys[i], i < KeySlot::KeysPerKind ? KeyFunction::None : KeyFunction::FmRadio) << i;
}

TEST_F(OptionKeyRules, KeysShowTheirFunctionOrTheFirstAndOkStoresThePositions) {
  keys[0] = 30;
  keys[7] = 20;
  KeyPositions shown = LoadKeyPage(state);
  EXPECT_EQ(shown[0], 0);
  EXPECT_EQ(shown[7], 20);
  shown[14] = 13;
  ApplyKeyPage(state, shown);
  EXPECT_EQ(keys[0], 0);
  EXPECT_EQ(keys[7], 20);
  EXPECT_EQ(keys[14], 13);
  ASSERT_EQ(KeyFunctionChoices().size(), 21u);
  EXPECT_EQ(ChoiceText(state, KeyFunctionChoices(), 20), "Nuisance Delete");
}

TEST_F(OptionKeyRules, ReportsDescribeBothPagesInTheCurrentLanguage) {
  test::FillFullCodeplug(state);
  state.Current.Settings.Options.PowerOnMessage.Assign("Caf\xE9");
  const ReportSection options = DescribeOptionsPage(state);
  EXPECT_EQ(options.Key, "options");
  EXPECT_EQ(options.Title, "Optional Functions");
  ASSERT_FALSE(options.Rows.empty());
  EXPECT_EQ(options.Rows.front().Label, "Work Mode");
  EXPECT_EQ(options.Rows.front().Value, "Mixed Mode");
  EXPECT_EQ(options.Rows.at(options.Rows.size() - 3).Value, "Caf\u00E9") << "message bytes shown one to one";
  const ReportSection keysPage = DescribeKeysPage(state);
  ASSERT_EQ(keysPage.Rows.size(), 15u);
  EXPECT_EQ(keysPage.Rows[0].Label, "P1 Short Press");
  EXPECT_EQ(keysPage.Rows[0].Value, "Monitor");
  SetLanguage(state, 2);
  for (const ReportSection& section : {DescribeOptionsPage(state), DescribeKeysPage(state)})
    for (const ReportRow& row : section.Rows) EXPECT_FALSE(row.Label.empty() || row.Value.empty()) << row.Label;
}

// What the two pages store reaches the image bytes the radio reads them from.
TEST_F(OptionKeyRules, PageSettingsArriveInTheRadioImage) {
  test::FillFullCodeplug(state);
  OptionPage page = LoadOptionPage(state);
  ChooseOption(state, page, kWorkModeList, 2);  // image 0x0220
  ChooseOption(state, page, 9, 3);              // tone burst 1450 Hz, 0x022B
  ChooseOption(state, page, 16, 2);             // keypad lock auto, 0x0234
  ChooseSwitch(page, 2, false);                 // roger beep, bit 3 of 0x0233
  page.MessageBoxes = {"H", "I", "", "", "", "", ""};
  page.Password = "42";
  ApplyOptionPage(state, page);
  KeyPositions keyPositions = LoadKeyPage(state);
  keyPositions[KeySlot::FuncPress + 4] = 19;
  ApplyKeyPage(state, keyPositions);

  RadioImage image{};
  test::ScriptedUi ui;
  ASSERT_TRUE(EncodeCodeplug(state, image, ui));
  EXPECT_EQ(image[0x0220], 2);
  EXPECT_EQ(image[0x0221], 1);
  EXPECT_EQ(image[0x0226], 0) << "channel display follows the work mode";
  EXPECT_EQ(image[0x022B], 3);
  EXPECT_EQ(image[0x0234], 2);
  EXPECT_EQ(image[0x0233] & 0x08, 0);
  EXPECT_EQ(image[0x01F0 + 14], 19);
  EXPECT_EQ(std::string(image.begin() + 0x03E0, image.begin() + 0x03E7), std::string("HI\0\0\0\0\0", 7));
  EXPECT_EQ(std::string(image.begin() + 0x0210, image.begin() + 0x0216), std::string("42\0\0\0\0", 6));

  AppState back;
  DecodeCodeplug(back, image);
  EXPECT_EQ(back.Current.Settings.KeyFunctions, state.Current.Settings.KeyFunctions);
  EXPECT_EQ(back.Current.Settings.Options.OptionValues, state.Current.Settings.Options.OptionValues);
  EXPECT_EQ(back.Current.Settings.Options.PowerOnPassword, state.Current.Settings.Options.PowerOnPassword);
}

}  // namespace
}  // namespace px
