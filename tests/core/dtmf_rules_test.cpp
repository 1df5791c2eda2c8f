#include <gtest/gtest.h>

#include "edit/codeplug_ops.h"
#include "edit/dtmf_rules.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

constexpr int kStar = 4;  // positions in the separator list
constexpr int kHash = 5;

DtmfPageInputs InputsWith(std::string rOwnId, int rSeparator) {
  DtmfPageInputs in;
  in.OwnId = std::move(rOwnId);
  in.Values[DtmfSlot::Separator] = static_cast<Int16>(10 + rSeparator);  // "A" stores 10
  return in;
}

TEST(DtmfRules, OpeningCorrectsValuesOutsideTheLists) {
  DtmfSettings page;
  page.AniOn = 2;
  page.DigitTimeIndex = 6;
  page.PttIdMode = 4;
  page.SeparatorDigit = 9;
  page.GroupDigit = 16;
  page.DecodeResponse = 3;
  page.FirstDigitDelay = 251;
  page.PauseTime = 4;
  page.SideTone = 2;
  const DtmfSettings fixed = CorrectDtmfRanges(page);
  EXPECT_EQ(fixed.AniOn, 0);
  EXPECT_EQ(fixed.DigitTimeIndex, 0);
  EXPECT_EQ(fixed.PttIdMode, 0);
  EXPECT_EQ(fixed.SeparatorDigit, 14);
  EXPECT_EQ(fixed.GroupDigit, 255);
  EXPECT_EQ(fixed.DecodeResponse, 0);
  EXPECT_EQ(fixed.FirstDigitDelay, 0);
  EXPECT_EQ(fixed.PauseTime, 0);
  EXPECT_EQ(fixed.SideTone, 0);

  // The edges of each range stay.
  page.AniOn = 1;
  page.SeparatorDigit = 15;
  page.GroupDigit = 10;
  page.FirstDigitDelay = 250;
  page.PauseTime = 5;
  page.SideTone = 1;
  const DtmfSettings kept = CorrectDtmfRanges(page);
  EXPECT_EQ(kept.AniOn, 1);
  EXPECT_EQ(kept.SeparatorDigit, 15);
  EXPECT_EQ(kept.GroupDigit, 10);
  EXPECT_EQ(kept.FirstDigitDelay, 250);
  EXPECT_EQ(kept.PauseTime, 5);
  EXPECT_EQ(kept.SideTone, 1);
}

TEST(DtmfRules, ListsShowAndStoreTheirValues) {
  DtmfSettings page;
  page.GroupDigit = 9;  // shows off
  page.PauseTime = 3;   // shows off
  page.PreSendDelay = 20;
  page.PostSendDelay = 251;  // no such entry: the first
  page.ResetTime = 125;
  page.SeparatorDigit = 15;
  page.FirstDigitDelay = 30;
  page.SelfId.Assign("7");
  AppState state;
  const DtmfPageInputs in = LoadDtmfInputs(state, page);
  EXPECT_EQ(in.Values[DtmfSlot::Group], 255);       // off
  EXPECT_EQ(in.Values[DtmfSlot::PauseTime], 0);     // off
  EXPECT_EQ(in.Values[DtmfSlot::PreSendDelay], 20);
  EXPECT_EQ(in.Values[DtmfSlot::PostSendDelay], 1);  // the first entry, 10 ms
  EXPECT_EQ(in.Values[DtmfSlot::ResetTime], 125);
  EXPECT_EQ(in.Values[DtmfSlot::Separator], 10 + kHash);
  EXPECT_EQ(in.Values[DtmfSlot::FirstDigitDelay], 30);
  EXPECT_EQ(in.OwnId, "007");

  DtmfSettings stored;
  StoreDtmfInputs(in, stored);
  EXPECT_EQ(stored.GroupDigit, 255);
  EXPECT_EQ(stored.PauseTime, 0);
  EXPECT_EQ(stored.PreSendDelay, 20);
  EXPECT_EQ(stored.PostSendDelay, 1);
  EXPECT_EQ(stored.ResetTime, 125);
  EXPECT_EQ(stored.SeparatorDigit, 15);
  EXPECT_EQ(stored.FirstDigitDelay, 30);
  EXPECT_EQ(stored.SelfId.Display(), "007");

  EXPECT_EQ(ChoiceText(state, DtmfResetTimeChoices(), 125), "12.5");
  EXPECT_EQ(ChoiceText(state, DtmfSendDelayChoices(), 249), "2500");
  EXPECT_EQ(ChoiceText(state, DtmfPauseTimeChoices(), 1), "5");
  EXPECT_EQ(ChoiceText(state, DtmfPauseTimeChoices(), 71), "75");
  EXPECT_EQ(DtmfFirstDigitDelayChoices().size(), 251u);
  EXPECT_EQ(StoredAtPosition(DtmfGroupChoices(), 6), 15);
}

TEST(DtmfRules, OwnIdIsShownAsThreeDigits) {
  EXPECT_EQ(OwnIdShown(FixedText<3>::Of("12")), "012");
  EXPECT_EQ(OwnIdShown(FixedText<3>::Of("345")), "345");
  EXPECT_EQ(OwnIdShown(FixedText<3>::Of("1.5")), "000");
  EXPECT_EQ(OwnIdShown(FixedText<3>::Of("A1")), "000");
  EXPECT_EQ(OwnIdShown(FixedText<3>::DefaultEmpty()), "000");
  EXPECT_EQ(PadOwnId(""), "000");
}

TEST(DtmfRules, CodesAreShownAndStoredInTheirTwoForms) {
  DtmfSettings page;
  page.CodeMemory[0].Digits.Assign("1E2F");
  page.CodeMemory[0].Length = 4;
  page.CodeMemory[1].Digits.Assign("123456");
  page.CodeMemory[1].Length = 3;  // only the digits in use
  page.KillCode.Digits.Assign("9");
  page.KillCode.Length = 40;  // more than the field: all of it
  page.StunCode.Length = -1;
  AppState state;
  DtmfPageInputs in = LoadDtmfInputs(state, page);
  EXPECT_EQ(in.Codes[0], "1*2#");
  EXPECT_EQ(in.Codes[1], "123");
  EXPECT_EQ(in.Codes[kDtmfKillBox], "9");
  EXPECT_EQ(in.Codes[kDtmfStunBox], "");

  in.Codes[0] = "1*2#";
  in.Codes[kDtmfPttIdEndBox] = "#ABCD";
  in.Codes[kDtmfStunBox] = std::string(20, '1');  // cut to the field
  DtmfSettings stored;
  StoreDtmfInputs(in, stored);
  EXPECT_EQ(std::string(stored.CodeMemory[0].Digits.Raw()), "1E2F" + std::string(20, ' '));
  EXPECT_EQ(stored.CodeMemory[0].Length, 4);
  EXPECT_EQ(stored.PttIdEndCode.Digits.Display(), "FABCD");
  EXPECT_EQ(stored.StunCode.Length, 14);
  EXPECT_EQ(DtmfCodeMaxLength(17), 24);
  EXPECT_EQ(DtmfCodeMaxLength(18), 14);
}

TEST(DtmfRules, KeyRules) {
  EXPECT_EQ(DtmfCodeKey('b'), 'B');
  EXPECT_EQ(DtmfCodeKey('D'), 'D');
  EXPECT_EQ(DtmfCodeKey('*'), '*');
  EXPECT_EQ(DtmfCodeKey('#'), '#');
  EXPECT_EQ(DtmfCodeKey('7'), '7');
  EXPECT_EQ(DtmfCodeKey('e'), 0);
  EXPECT_EQ(DtmfCodeKey('E'), 0);
  EXPECT_EQ(DtmfCodeKey(' '), 0);
  EXPECT_EQ(DtmfDigitKey('5'), '5');
  EXPECT_EQ(DtmfDigitKey('A'), 0);
  EXPECT_EQ(DtmfDigitKey('*'), 0);
}

TEST(DtmfRules, ANewSeparatorFollowsIntoCallsToTheOwnId) {
  DtmfPageInputs in = InputsWith("345", kStar);
  in.Codes[0] = "012*345";
  in.Codes[1] = "*345";
  in.Codes[2] = "012*999";  // another ID
  in.Codes[3] = "0123345";  // a digit where the separator would be
  in.Codes[17] = "A345";
  in.Codes[18] = "012*345";  // kill and stun are never touched
  ApplySeparatorChange(in, '#');
  EXPECT_EQ(in.Codes[0], "012#345");
  EXPECT_EQ(in.Codes[1], "#345");
  EXPECT_EQ(in.Codes[2], "012*999");
  EXPECT_EQ(in.Codes[3], "0123345");
  EXPECT_EQ(in.Codes[17], "#345");
  EXPECT_EQ(in.Codes[18], "012*345");
}

TEST(DtmfRules, ANewOwnIdFollowsIntoCallsWithTheSeparator) {
  DtmfPageInputs in = InputsWith("345", kStar);
  in.Codes[0] = "012*999";
  in.Codes[1] = "*999";
  in.Codes[2] = "012#999";  // another separator
  in.Codes[16] = "12*999";  // not the ANI form
  in.Codes[19] = "*999";
  ApplyOwnIdChange(in);
  EXPECT_EQ(in.Codes[0], "012*345");
  EXPECT_EQ(in.Codes[1], "*345");
  EXPECT_EQ(in.Codes[2], "012#999");
  EXPECT_EQ(in.Codes[16], "12*999");
  EXPECT_EQ(in.Codes[19], "*999");

  in.OwnId = "7";
  ApplyOwnIdChange(in);
  EXPECT_EQ(in.OwnId, "007");
  EXPECT_EQ(in.Codes[0], "012*007");
}

TEST(DtmfRules, SpecialCallForms) {
  EXPECT_EQ(DtmfSpecialCallCode(DtmfSpecialCall::Ani, "012", '*', "345"), "012*345");
  EXPECT_EQ(DtmfSpecialCallCode(DtmfSpecialCall::Ani, "12", '#', "345"), "012#345");
  EXPECT_EQ(DtmfSpecialCallCode(DtmfSpecialCall::Ani, "", 'A', "001"), "000A001");
  EXPECT_EQ(DtmfSpecialCallCode(DtmfSpecialCall::PttId, "999", '*', "345"), "*345");
  EXPECT_EQ(DtmfSeparatorChar(kStar), '*');
  EXPECT_EQ(DtmfSeparatorChar(0), 'A');
}

TEST(DtmfRules, KillEqualToStunIsRefusedAndStoresNothing) {
  AppState state;
  ResetToDefaults(state.Current);
  const Codeplug before = state.Current;
  DtmfPageInputs in = LoadDtmfInputs(state, state.Current.Settings.Dtmf);
  in.Codes[kDtmfKillBox] = "123";
  in.Codes[kDtmfStunBox] = "123";
  in.OwnId = "9";
  test::ScriptedUi ui;
  EXPECT_FALSE(ApplyDtmfPage(state, in, ui));
  EXPECT_EQ(state.Current, before);
  ASSERT_EQ(ui.Questions.size(), 1u);

  // Both empty, or only the kill code empty, is fine.
  for (const auto& [kill, stun] : {std::pair{"", ""}, std::pair{"", "123"}, std::pair{"123", "124"}}) {
    in.Codes[kDtmfKillBox] = kill;
    in.Codes[kDtmfStunBox] = stun;
    EXPECT_TRUE(ApplyDtmfPage(state, in, ui)) << kill << " " << stun;
  }
  EXPECT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(state.Current.Settings.Dtmf.SelfId.Display(), "009");
  EXPECT_EQ(state.Current.Settings.Dtmf.StunCode.Digits.Display(), "124");
}

TEST(DtmfRules, OkWithoutChangeKeepsTheDefaultPage) {
  AppState state;
  ResetToDefaults(state.Current);
  DtmfSettings page = state.Current.Settings.Dtmf;
  StoreDtmfInputs(LoadDtmfInputs(state, page), page);
  // Codes the defaults leave as spaces come back as spaces; every value is kept.
  EXPECT_EQ(page, state.Current.Settings.Dtmf);
}

TEST(DtmfRules, ReportShowsTheListTextsAndEveryCode) {
  AppState state;
  ResetToDefaults(state.Current);
  state.Current.Settings.Dtmf.CodeMemory[2].Digits.Assign("1E");
  state.Current.Settings.Dtmf.CodeMemory[2].Length = 2;
  const ReportSection section = DescribeDtmfPage(state);
  EXPECT_EQ(section.Key, "dtmf");
  ASSERT_EQ(section.Tables.size(), 1u);
  ASSERT_EQ(section.Tables[0].Rows.size(), 20u);
  EXPECT_EQ(section.Tables[0].Rows[2], (std::vector<std::string>{"M3", "1*"}));
  EXPECT_EQ(section.Rows.size(), 13u);
}

}  // namespace
}  // namespace px
