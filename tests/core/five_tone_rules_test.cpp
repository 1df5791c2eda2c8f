// The 5-Tone page's rules: opening with its corrections, the code cells, the own ID,
// the special calls, the information code check, OK with the renumbering, the user tone
// table and the report.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/bands.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "edit/five_tone_rules.h"
#include "link/codec_parts.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px {
namespace {

class FiveToneRules : public ::testing::Test {
 protected:
  test::TempDir home;
  AppState state;
  test::ScriptedUi ui;

  void SetUp() override {
    std::filesystem::create_directories(home.Path() / "language");
    for (const char* name : {"english.ini", "chinese.ini"})
      std::filesystem::copy_file(std::filesystem::path(PX_SOURCE_DIR) / "lang" / name,
                                 home.Path() / "language" / name);
    state.ProgramFolder = home.Path().string();
    RebuildBandTexts(state);
    CreateNewCodeplug(state);
    state.Current.Settings.FiveTone.PageText.Assign("12345");
    state.Current.Settings.FiveTone.PageBytes[3] = 5;
  }
  FiveToneSettings& Five() { return state.Current.Settings.FiveTone; }
  void SetCode(int rRow, const std::string& rDigits) {
    FiveToneCode& code = Five().Codes[static_cast<std::size_t>(rRow - 1)];
    code.Empty = 0;
    code.Digits.Assign(rDigits);
    code.CodeBytes[2] = static_cast<Byte>(rDigits.size());
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& q : ui.Questions) texts.push_back(q.Text);
    return texts;
  }
};

TEST_F(FiveToneRules, OpeningCorrectsWhatTheListsCannotShow) {
  Five().PageBytes[4] = 120;   // duration out of range: 70
  Five().PageBytes2[3] = 4;    // repeat interval of 4 or less: off
  Five().PageWords[2] = 14;    // "E" is no pause digit: off
  Five().PageBytes2[1] = 0;    // no "0" in the delay list: its first entry
  Five().Codes[4].Empty = 0;
  Five().Codes[4].CodeBytes = {0, 20, 55, 250};
  Five().SpecialCodeA.CodeBytes = {0, 14, 3, 20};
  Five().SpecialCodeA.Digits.Assign("1");
  const FiveTonePage page = OpenFiveTonePage(state);
  EXPECT_EQ(ChoiceText(state, FiveTonePageChoices(kFiveToneDurationList), page.Lists[kFiveToneDurationList]), "70");
  EXPECT_EQ(page.Lists[kFiveToneRepeatList], 0);
  EXPECT_EQ(page.Lists[kFiveTonePauseDigitList], 0);
  EXPECT_FALSE(PauseTimeEnabled(page));
  EXPECT_EQ(page.Lists[kFiveTonePreSendList], 0);
  EXPECT_EQ(page.Five.Codes[4].CodeBytes[1], 0);
  EXPECT_EQ(page.Five.Codes[4].CodeBytes[2], 0);
  EXPECT_EQ(page.Rows[4].DurationMs, 70);
  EXPECT_EQ(page.PttId[0].Code, "1EE") << "padded with the repeat digit to its length";
  EXPECT_EQ(page.PttId[0].Standard, 0);
  EXPECT_EQ(page.Rows[0].Standard, 0);
  EXPECT_EQ(page.Rows[0].DurationMs, 70);
}

TEST_F(FiveToneRules, OkWithoutChangeKeepsThePageByteForByte) {
  Five().Codes[7].Name.SetDefaultEmpty();
  Five().Codes[8].Name.Assign("KEPT");  // a free code's name is not shown but kept
  SetCode(3, "1E23");
  Five().Codes[2].Name.Assign("ABC");
  const Codeplug before = state.Current;
  FiveTonePage page = OpenFiveTonePage(state);
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);
  EXPECT_TRUE(state.Current == before);
  EXPECT_TRUE(ui.Questions.empty());
}

TEST_F(FiveToneRules, OkRefusesAnIncompleteOwnIdAndChangesNothing) {
  FiveTonePage page = OpenFiveTonePage(state);
  page.OwnId = "1234";
  page.Lists[kFiveToneStandardList] = 5;
  const Codeplug before = state.Current;
  EXPECT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::OwnIdIncomplete);
  EXPECT_EQ(Messages(), std::vector<std::string>{"The ID must have 5 digits."});
  EXPECT_TRUE(state.Current == before);
}

TEST_F(FiveToneRules, CodeCellsStoreTheirFormsAndOkStoresTheRow) {
  FiveTonePage page = OpenFiveTonePage(state);
  CommitCodeCell(state, page, 1, "11223");
  ChooseRowStandard(page, 1, 6);  // CCIR1
  EXPECT_EQ(page.Rows[0].DurationMs, 100);
  CommitNameCell(page, 1, "FIRE");
  CommitCodeCell(state, page, 2, "12312");
  CommitDurationCell(page, 2, 40);
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);
  const FiveToneCode& first = Five().Codes[0];
  EXPECT_EQ(first.Empty, 0);
  EXPECT_EQ(first.Digits.Display(), "1E2E3");
  EXPECT_EQ(first.CodeBytes[2], 5);
  EXPECT_EQ(first.CodeBytes[1], 6);
  EXPECT_EQ(first.CodeBytes[3], 100);
  EXPECT_EQ(first.Name.Display(), "FIRE");
  EXPECT_EQ(Five().Codes[1].Digits.Display(), "12312");
  EXPECT_EQ(Five().Codes[1].CodeBytes[3], 40);
}

TEST_F(FiveToneRules, EnteringASpecialCallCellKeepsTheCallAndResetEmptiesIt) {
  SetCode(1, "12345DSelfID");
  FiveTonePage page = OpenFiveTonePage(state);
  EXPECT_EQ(page.Rows[0].Type, "ANI");
  EXPECT_EQ(page.Rows[0].Code, "12345");
  CommitCodeCell(state, page, 1, page.Rows[0].Code);
  EXPECT_EQ(page.Five.Codes[0].Digits.Display(), "12345DSelfID");

  EXPECT_FALSE(ResetSpecialCall(state, page, 2, ui)) << "a row without a call asks nothing";
  EXPECT_TRUE(ui.Questions.empty());
  ui.Answers.push_back(MsgAnswer::Cancel);
  EXPECT_FALSE(ResetSpecialCall(state, page, 1, ui));
  EXPECT_TRUE(ResetSpecialCall(state, page, 1, ui));
  EXPECT_EQ(page.Rows[0].Type, "");
  EXPECT_EQ(page.Five.Codes[0].CodeBytes[2], 0);
  EXPECT_EQ(page.Five.Codes[0].Empty, 0);
}

// A message call's cell shows its called code and words; its editor opens with the called
// code alone. Whatever text a cell is left with, only the code alphabet is stored.
TEST_F(FiveToneRules, CodeCellsEditTheCodeAndStoreOnlyTheCodeAlphabet) {
  SetCode(1, "E1E2345E4F4B");  // called 12345, message "OK"
  FiveTonePage page = OpenFiveTonePage(state);
  EXPECT_EQ(page.Rows[0].Code, "12345        (with message)");
  EXPECT_EQ(page.Rows[0].Edit, "12345");
  CommitCodeCell(state, page, 1, page.Rows[0].Edit);
  EXPECT_EQ(page.Five.Codes[0].Digits.Display(), "E1E2345E4F4B") << "left unchanged, the call stays";

  const struct {
    const char* Text;
    const char* Stored;
  } cases[] = {
      {"1234", "1234"},
      {"12345        (with messag", "12345EA"},  // the letters a-f of the words survive
      {"1 2-3", "123"},
      {"ab\xE9\x01" "c", "ABC"},
  };
  for (const auto& c : cases) {
    CommitCodeCell(state, page, 1, c.Text);
    EXPECT_EQ(page.Five.Codes[0].Digits.Display(), c.Stored) << c.Text;
    EXPECT_EQ(page.Five.Codes[0].CodeBytes[2], std::string_view(c.Stored).size()) << c.Text;
  }
  EXPECT_EQ(CodeAlphabetOnly("0123456789ABCDEFabcdef"), "0123456789ABCDEFABCDEF");
  EXPECT_EQ(CodeAlphabetOnly("GgXx SelfID~"), "EFD");
}

TEST_F(FiveToneRules, NewOwnIdIsCarriedIntoTheCodesThatHoldIt) {
  SetCode(1, "E612345");
  SetCode(2, "11111D12345");
  SetCode(3, "12345DSelfID");
  Five().SpecialCodeA.Digits.Assign("E612345");
  Five().SpecialCodeA.CodeBytes[2] = 7;
  FiveTonePage page = OpenFiveTonePage(state);
  TakeOverOwnId(state, page, "67890");
  EXPECT_EQ(page.Five.Codes[0].Digits.Display(), "E6E7890");
  EXPECT_EQ(page.Five.Codes[1].Digits.Display(), "1E1E1D67890");
  EXPECT_EQ(page.Five.Codes[2].Digits.Display(), "12345D67890");
  EXPECT_EQ(page.PttId[0].Code, "E6E7890");
  EXPECT_EQ(page.Rows[1].Type, "ANI");
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);
  EXPECT_EQ(Five().PageText.Display(), "67890");
  EXPECT_EQ(Five().Codes[1].CodeBytes[2], 11);
}

TEST_F(FiveToneRules, SpecialCallsIntoARowAndIntoAPttIdCode) {
  struct Case {
    int Type;
    const char* Called;
    int Separator;
    const char* Message;
    SpecialCallTarget Target;
    const char* Code;
  } cases[] = {
      {kSpecialMessage, "11223", 0, "AB", SpecialCallTarget::CodeRow, "E1E12E3E4142"},
      {kSpecialAni, "11223", 4, "", SpecialCallTarget::CodeRow, "1E2E3DSelfID"},
      {kSpecialAni, "12345", 0, "", SpecialCallTarget::CodeRow, "12345SelfID"},
      {kSpecialPttId, "", 0, "", SpecialCallTarget::CodeRow, "E6SelfID"},
      {kSpecialMessage, "12345", 0, "HELLOWORLD", SpecialCallTarget::PttIdBegin, "E1E2345E48454C4C4F574F52"},
      {kSpecialAni, "54321", 1, "", SpecialCallTarget::PttIdEnd, "54321A1E345"},
      {kSpecialPttId, "", 0, "", SpecialCallTarget::PttIdBegin, "E61E345"},
  };
  for (const Case& c : cases) {
    state.Current.Settings.FiveTone.PageText.Assign("11345");
    FiveTonePage page = OpenFiveTonePage(state);
    SpecialCallInputs in = OpenSpecialCall(page);
    EXPECT_EQ(in.Separator, 4) << "the stored separator D";
    in.Type = c.Type;
    in.Called = c.Called;
    in.Separator = c.Separator;
    in.Message = c.Message;
    ASSERT_TRUE(ApplySpecialCall(state, page, in, c.Target, 7, ui)) << c.Code;
    if (c.Target == SpecialCallTarget::CodeRow) {
      EXPECT_EQ(page.Five.Codes[6].Digits.Display(), c.Code);
      EXPECT_EQ(page.Five.Codes[6].CodeBytes[2], std::string_view(c.Code).size());
      EXPECT_EQ(page.Five.Codes[6].Empty, 0);
      EXPECT_FALSE(page.Rows[6].Type.empty()) << c.Code;
    } else {
      EXPECT_EQ(page.PttId[c.Target == SpecialCallTarget::PttIdBegin ? 0 : 1].Code, c.Code);
    }
    EXPECT_EQ(page.Five.PageWords[5], StoredAtPosition(AniSeparatorChoices(), c.Separator));
  }
  EXPECT_TRUE(ui.Questions.empty());
}

TEST_F(FiveToneRules, SpecialCallWithoutAFullCalledCodeChangesNothing) {
  FiveTonePage page = OpenFiveTonePage(state);
  SpecialCallInputs in = OpenSpecialCall(page);
  in.Type = kSpecialAni;
  in.Called = "123";
  in.Separator = 0;
  EXPECT_FALSE(ApplySpecialCall(state, page, in, SpecialCallTarget::CodeRow, 1, ui));
  EXPECT_EQ(Messages(), std::vector<std::string>{"The ID must have 5 digits."});
  EXPECT_EQ(page.Five.PageWords[5], 13);
  EXPECT_EQ(page.Five.Codes[0].Empty, 1);
}

TEST_F(FiveToneRules, SpecialCallPlaceholderGetsTheOwnIdOnOk) {
  FiveTonePage page = OpenFiveTonePage(state);
  SpecialCallInputs in = OpenSpecialCall(page);
  in.Type = kSpecialAni;
  in.Called = "54321";
  ASSERT_TRUE(ApplySpecialCall(state, page, in, SpecialCallTarget::CodeRow, 1, ui));
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);
  EXPECT_EQ(Five().Codes[0].Digits.Display(), "54321D12345");
  EXPECT_EQ(Five().Codes[0].CodeBytes[2], 11);
}

TEST_F(FiveToneRules, InformationCodeCheck) {
  struct Info {
    int Function;
    const char* Code;
  };
  struct Case {
    std::vector<Info> Codes;  // the first ones; the rest stay at function 0, empty
    std::vector<std::string> Messages;
  } cases[] = {
      {{{kDecodeStun, "111"}}, {"A kill or stun code needs a wake-up code as well."}},
      {{{kDecodeKill, ""}, {kDecodeWakeUp, "222"}},
       {"A kill, stun or wake-up code must differ from the other information codes."}},
      {{{kDecodeKill, "111"}, {kDecodeWakeUp, "222"}, {1, "111"}},
       {"A kill, stun or wake-up code must differ from the other information codes."}},
      {{{kDecodeKill, "111"}, {kDecodeStun, "333"}, {kDecodeWakeUp, "222"}, {1, "444"}}, {}},
      {{{kDecodeKill, "111"}, {kDecodeKill, "111"}, {kDecodeWakeUp, "222"}}, {}},
  };
  for (const Case& c : cases) {
    FiveToneSettings five = Five();
    for (std::size_t i = 0; i < c.Codes.size(); ++i) {
      five.InfoCodes[i].CodeBytes = {static_cast<Byte>(c.Codes[i].Function), 0,
                                     static_cast<Byte>(std::string_view(c.Codes[i].Code).size())};
      five.InfoCodes[i].Code.Assign(c.Codes[i].Code);
    }
    ui.Questions.clear();
    EXPECT_EQ(IsInfoKillStunWakenOK(state, five, ui), c.Messages.empty());
    EXPECT_EQ(Messages(), c.Messages);
  }
}

TEST_F(FiveToneRules, InformationCodesAreSavedWhenAnotherIsChosen) {
  FiveTonePage page = OpenFiveTonePage(state);
  ChooseInfoCode(page, 2);
  page.Info.Function = kDecodeStun;
  page.Info.Code = "123";
  page.Info.Name = "STUN";
  ChooseInfoCode(page, 3);
  page.Info.Function = kDecodeWakeUp;
  page.Info.Code = "456";
  EXPECT_EQ(page.Five.InfoCodes[1].CodeBytes[0], kDecodeStun);
  EXPECT_EQ(page.Five.InfoCodes[1].CodeBytes[2], 3);
  EXPECT_EQ(page.Five.InfoCodes[1].Name.Display(), "STUN");
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);
  EXPECT_EQ(Five().InfoCodes[2].Code.Display(), "456");
  EXPECT_EQ(Five().InfoCodes[2].CodeBytes[0], kDecodeWakeUp);

  page = OpenFiveTonePage(state);
  ChooseInfoCode(page, 2);
  EXPECT_EQ(page.Info.Code, "123");
  EXPECT_EQ(page.Info.Name, "STUN");
  page.Info.Function = kDecodeKill;
  page.Info.Code = "456";
  const Codeplug before = state.Current;
  EXPECT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::InfoCodesRefused)
      << "the shown code is saved before the check: kill and wake-up now share 456";
  EXPECT_TRUE(state.Current == before);
}

TEST_F(FiveToneRules, DecodeFunctionDecidesResponseAndName) {
  struct Case {
    int Function;
    int Response;
    DecodeFunctionEffect Effect;
  } cases[] = {
      {0, 2, {3, true, 2, false, true}},  {1, 2, {2, true, 0, true, false}}, {1, 1, {2, true, 1, true, false}},
      {2, 2, {3, false, 0, true, false}}, {3, 1, {3, false, 1, true, false}}, {5, 2, {3, false, 2, true, false}},
      {6, 1, {3, false, 0, false, true}},
  };
  for (const Case& c : cases) {
    const DecodeFunctionEffect e = DecodeFunctionReaction(c.Function, c.Response);
    EXPECT_EQ(e.ResponseEntries, c.Effect.ResponseEntries) << c.Function;
    EXPECT_EQ(e.ResponseEnabled, c.Effect.ResponseEnabled) << c.Function;
    EXPECT_EQ(e.Response, c.Effect.Response) << c.Function;
    EXPECT_EQ(e.NameEnabled, c.Effect.NameEnabled) << c.Function;
    EXPECT_EQ(e.NameEmptied, c.Effect.NameEmptied) << c.Function;
  }
}

TEST_F(FiveToneRules, OkRenumbersChannelsAndTheAlertCodeAfterACodeIsFreed) {
  SetCode(3, "123");
  SetCode(6, "456");
  state.Channels[0].SignallingType = 3;
  state.Channels[0].FiveToneEntryNumber = 5;  // code 6
  state.Current.Settings.Alert[1] = 2;
  state.Current.Settings.Alert[2] = 5;
  FiveTonePage page = OpenFiveTonePage(state);
  CommitCodeCell(state, page, 6, "");
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);
  EXPECT_EQ(Five().Codes[5].Empty, 1);
  EXPECT_EQ(state.Channels[0].FiveToneEntryNumber, 2);
  EXPECT_EQ(state.Current.Settings.Alert[2], 2);
}

TEST_F(FiveToneRules, PageListsStoreTheirValues) {
  FiveTonePage page = OpenFiveTonePage(state);
  page.Lists[kFiveToneDurationList] = 1;     // 40
  page.Lists[kFiveToneResetList] = 25;       // 2.5
  page.Lists[kFiveTonePreSendList] = 2;      // 30 ms
  page.Lists[kFiveToneRepeatList] = 1;       // 5
  page.Lists[kFiveTonePauseDigitList] = 4;   // F
  page.Lists[kFiveTonePauseTimeList] = 3;    // 30 ms
  page.Lists[kFiveToneLastToneList] = 200;   // 2000 ms
  page.SideTone = true;
  page.PttId[0].Standard = 9;
  page.PttId[0].Duration = 1;
  page.PttId[0].Code = "1123";
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);
  EXPECT_EQ(Five().PageBytes[4], 40);
  EXPECT_EQ(Five().PageBytes2[0], 25);
  EXPECT_EQ(Five().PageBytes2[1], 3);
  EXPECT_EQ(Five().PageBytes2[3], 5);
  EXPECT_EQ(Five().PageWords[2], 15);
  EXPECT_EQ(Five().PageWords[1], 3);
  EXPECT_EQ(Five().PageWords[4], 1);
  EXPECT_EQ(state.Current.FiveToneLastOption, 200);
  EXPECT_EQ(Five().SpecialCodeA.Digits.Display(), "1E23");
  EXPECT_EQ(Five().SpecialCodeA.CodeBytes[1], 9);
  EXPECT_EQ(Five().SpecialCodeA.CodeBytes[3], 40) << "the frame's own duration, not the page's";
}

TEST_F(FiveToneRules, WhatThePageStoresComesBackFromTheRadioImage) {
  FiveTonePage page = OpenFiveTonePage(state);
  CommitCodeCell(state, page, 1, "11223");
  CommitNameCell(page, 1, "ONE");
  SpecialCallInputs in = OpenSpecialCall(page);
  in.Called = "54321";
  in.Message = "HI";
  ASSERT_TRUE(ApplySpecialCall(state, page, in, SpecialCallTarget::CodeRow, 2, ui));
  in.Type = kSpecialAni;
  ASSERT_TRUE(ApplySpecialCall(state, page, in, SpecialCallTarget::CodeRow, 3, ui));
  in.Type = kSpecialPttId;
  ASSERT_TRUE(ApplySpecialCall(state, page, in, SpecialCallTarget::PttIdEnd, 0, ui));
  page.PttId[0].Code = "E1E2345E48454C4C4F574F52";  // 24 digits, the most a PTT ID code holds
  ChooseInfoCode(page, 1);
  page.Info.Function = 1;
  page.Info.Code = "ABCDEF012345";
  ASSERT_EQ(ApplyFiveTonePage(state, page, ui), FiveToneApplyOutcome::Stored);

  RadioImage image{};
  PreFillImage(image);
  EncodeFiveTone(state.Current, image);
  Codeplug back;
  DecodeFiveTone(back, image);
  const FiveToneSettings& sent = Five();
  const FiveToneSettings& read = back.Settings.FiveTone;
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(read.Codes[k].Empty, 0);
    EXPECT_EQ(CodeInUse(read.Codes[k]), CodeInUse(sent.Codes[k])) << k;
  }
  EXPECT_EQ(CodeInUse(read.Codes[2]), "54321D12345");
  EXPECT_EQ(read.Codes[0].Name.Display(), "ONE");
  EXPECT_EQ(CodeInUse(read.SpecialCodeA), "E1E2345E48454C4C4F574F52");
  EXPECT_EQ(CodeInUse(read.SpecialCodeB), "E612345");
  EXPECT_EQ(read.InfoCodes[0].Code.Display(), "ABCDEF012345");
  EXPECT_EQ(read.PageText.Display(), "12345");
}

TEST(FiveToneToneTable, BoxesAreClampedAndRoundedHalfToEven) {
  struct Case {
    const char* Typed;
    const char* Left;  // after leaving the box
    Int16 Stored;
  } cases[] = {
      {"100", "288.5", 2885}, {"4000", "3106.0", 31060}, {"", "288.5", 2885},   {".", "288.5", 2885},
      {"1000", "1000", 10000}, {"288.55", "288.55", 2886}, {"288.65", "288.65", 2886},
      {"1234.45", "1234.45", 12344}, {"1.2.3", "288.5", 2885},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CorrectToneBoxText(c.Typed), c.Left) << c.Typed;
    EXPECT_EQ(ToneBoxValue(c.Left), c.Stored) << c.Typed;
  }
  EXPECT_EQ(ToneBoxValue("4000"), 31060) << "OK clamps a box that was never left";
  EXPECT_FALSE(ToneBoxValue("abc"));
  EXPECT_EQ(ToneBoxText(24000), "2400.0");
  EXPECT_EQ(ToneBoxText(8850), "885.0");

  FiveToneSettings five;
  five.ToneTable.fill(1);
  std::array<std::string, 16> boxes;
  boxes.fill("x");
  boxes[0] = "2400";
  ApplyToneTable(five, boxes);
  EXPECT_EQ(five.ToneTable[0], 24000);
  EXPECT_EQ(five.ToneTable[1], 1) << "a box that is not numeric leaves its entry";
  for (const int key : {int{'0'}, int{'9'}, int{'.'}, 8}) EXPECT_TRUE(IsToneBoxKey(key)) << key;
  for (const int key : {int{'a'}, int{'-'}, 22, 200}) EXPECT_FALSE(IsToneBoxKey(key)) << key;
}

TEST_F(FiveToneRules, ReportListsTheCodesInUse) {
  SetCode(3, "12345DSelfID");
  SetCode(9, "777");
  Five().Codes[8].Name.Assign("N\xE9");
  const ReportSection section = DescribeFiveTonePage(state);
  EXPECT_EQ(section.Key, "fivetone");
  EXPECT_EQ(section.Title, "5-Tone");
  ASSERT_FALSE(section.Tables.empty());
  const ReportTable& codes = section.Tables[0];
  ASSERT_EQ(codes.Rows.size(), 2u);
  EXPECT_EQ(codes.Rows[0], (std::vector<std::string>{"2", "ANI", "12345", "ZVEI1", "70", ""}));
  EXPECT_EQ(codes.Rows[1][5], "N\xC3\xA9");
  for (const auto& row : section.Rows) EXPECT_FALSE(row.Label.empty());
}

}  // namespace
}  // namespace px
