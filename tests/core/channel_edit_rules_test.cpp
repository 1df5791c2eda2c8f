#include <gtest/gtest.h>

#include "app/bands.h"
#include "app/messages.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_edit_rules.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

class ChannelEditRules : public ::testing::Test {
 protected:
  AppState state;
  test::ScriptedUi ui;

  void SetUp() override {
    state.ProgramFolder = "/nonexistent";
    RebuildBandTexts(state);
    CreateNewCodeplug(state);
  }

  // The inputs of an empty row with a receive frequency typed in.
  ChannelEditInputs Typed(int rRow, const std::string& rRx, const std::string& rTx) {
    ChannelEditInputs in = LoadEditInputs(state, EditRecordFor(state, rRow), FormatContextOf(state));
    in.RxText = rRx;
    in.TxText = rTx;
    return in;
  }
  const ChannelRecord& Stored(int rRow) {
    const int slot = FindChannelSlot(state.Current, state.Channels, rRow);
    EXPECT_GE(slot, 0);
    return state.Channels[static_cast<std::size_t>(slot < 0 ? 0 : slot)];
  }
  int Warnings() const {
    int n = 0;
    for (const auto& q : ui.Questions) n += q.Icon == MsgIcon::Warning ? 1 : 0;
    return n;
  }
};

TEST_F(ChannelEditRules, EmptyRowStartsFromTheDefaults) {
  const ChannelEditInputs in = LoadEditInputs(state, EditRecordFor(state, 7), FormatContextOf(state));
  EXPECT_EQ(in.RxText, "");
  EXPECT_EQ(in.TxText, "");
  EXPECT_EQ(in.Step, 5);
  EXPECT_EQ(in.PttIdCode, "00000");
  EXPECT_EQ(in.Squelch, 0);
  for (const auto& box : in.NameBoxes) EXPECT_EQ(box, "");
  EXPECT_FALSE(EditInputsEnabled(in.RxText));
  EXPECT_TRUE(EditInputsEnabled("1"));
}

TEST_F(ChannelEditRules, OffsetAndDirectionFollowReceiveAndTransmit) {
  ChannelEditInputs same = Typed(1, "145.5", "145.5");
  ASSERT_EQ(ApplyChannelEdit(state, 1, same, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(1).OffsetDirection, 0);
  EXPECT_EQ(Stored(1).OffsetFreq.Raw(), "000000000");
  EXPECT_EQ(same.RxText, "145.50000");
  EXPECT_EQ(same.TxText, "145.50000");

  ChannelEditInputs below = Typed(2, "145.5", "144.9");
  ASSERT_EQ(ApplyChannelEdit(state, 2, below, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(2).OffsetDirection, 1);
  EXPECT_EQ(LoadEditInputs(state, Stored(2), FormatContextOf(state)).TxText, "144.90000");

  ChannelEditInputs above = Typed(3, "144.9", "145.5");
  ASSERT_EQ(ApplyChannelEdit(state, 3, above, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(3).OffsetDirection, 2);
  EXPECT_EQ(LoadEditInputs(state, Stored(3), FormatContextOf(state)).TxText, "145.50000");
  EXPECT_EQ(DeriveOffset("145.50000", "144.90000", FormatContextOf(state)).Direction, 1);
  EXPECT_TRUE(ui.Questions.empty());
}

TEST_F(ChannelEditRules, PttIdCodeIsFilledUpToFiveDigits) {
  EXPECT_EQ(PadPttIdCode("7"), "70000");
  EXPECT_EQ(PadPttIdCode("12"), "12000");
  EXPECT_EQ(PadPttIdCode("12345"), "12345");
  ChannelEditInputs in = Typed(4, "145.5", "145.5");
  in.PttIdCode = "7";
  ASSERT_EQ(ApplyChannelEdit(state, 4, in, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(4).PttIdCode.Display(), "70000");
}

TEST_F(ChannelEditRules, NameBoxesJoinWithBlanks) {
  ChannelEditInputs in = Typed(5, "145.5", "145.5");
  in.NameBoxes = {"A", "B"};
  ASSERT_EQ(ApplyChannelEdit(state, 5, in, ui), EditOutcome::Stored);
  ChannelEditInputs again = LoadEditInputs(state, Stored(5), FormatContextOf(state));
  EXPECT_EQ(again.NameBoxes[0], "A");
  EXPECT_EQ(again.NameBoxes[1], "B");
  EXPECT_EQ(again.NameBoxes[2], "");
  again.NameBoxes[2] = "C";
  ASSERT_EQ(ApplyChannelEdit(state, 5, again, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(5).Name.Raw(), "ABC    ");
}

TEST_F(ChannelEditRules, SignallingOfADisabledFeatureIsDropped) {
  ChannelRecord record = EditRecordFor(state, 6);
  record.RxFreq.Assign("014550000");
  record.SignallingType = 1;
  state.Features.DtmfEnabled = false;
  ChannelEditInputs in = LoadEditInputs(state, record, FormatContextOf(state));
  EXPECT_EQ(in.Signalling, SignallingKind::None);
  ASSERT_EQ(ApplyChannelEdit(state, 6, in, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(6).SignallingType, 0);

  state.Features.DtmfEnabled = true;
  EXPECT_EQ(LoadEditInputs(state, record, FormatContextOf(state)).Signalling, SignallingKind::Dtmf);
  state.Features.TwoToneEnabled = false;
  state.Features.FiveToneEnabled = true;
  EXPECT_EQ(SignallingChoices(state.Features),
            (std::vector<SignallingKind>{SignallingKind::None, SignallingKind::Dtmf, SignallingKind::FiveTone}));
}

TEST_F(ChannelEditRules, SquelchChoicesFollowTheDecidingToneAndSignalling) {
  ChannelEditInputs in;
  EXPECT_EQ(SquelchChoices(in), (std::vector<int>{0}));
  in.Signalling = SignallingKind::Dtmf;
  EXPECT_EQ(SquelchChoices(in), (std::vector<int>{0, 2}));
  in.ToneTypeB = 1;
  EXPECT_EQ(SquelchChoices(in), (std::vector<int>{0, 1, 2, 3, 4}));
  in.Signalling = SignallingKind::None;
  EXPECT_EQ(SquelchChoices(in), (std::vector<int>{0, 1}));
  // With Reverse the encode tone decides.
  in.Reverse = true;
  EXPECT_EQ(SquelchChoices(in), (std::vector<int>{0}));
  in.ToneTypeA = 2;
  EXPECT_EQ(SquelchChoices(in), (std::vector<int>{0, 1}));

  EXPECT_EQ(KeepSquelchChoice({0, 2}, 2), 2);
  EXPECT_EQ(KeepSquelchChoice({0, 1}, 2), 0);

  // Decode none, DTMF, the second visible entry stores its master position 2.
  ChannelEditInputs typed = Typed(8, "145.5", "145.5");
  typed.Signalling = SignallingKind::Dtmf;
  typed.Squelch = SquelchChoices(typed)[1];
  ASSERT_EQ(ApplyChannelEdit(state, 8, typed, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(8).SquelchModeIndex, 2);
}

TEST_F(ChannelEditRules, ExtraDisplaySkipsStoredThree) {
  EXPECT_EQ(ExtraDisplayStored(ExtraDisplayPosition(5)), 5);
  EXPECT_EQ(ExtraDisplayStored(ExtraDisplayPosition(3)), 0);
  EXPECT_EQ(ExtraDisplayStored(ExtraDisplayPosition(2)), 2);
  EXPECT_EQ(ExtraDisplayStored(ExtraDisplayPosition(10)), 10);
  EXPECT_EQ(ExtraDisplayPosition(11), 0);
}

TEST_F(ChannelEditRules, EmptyReceiveClearsTheChannelButNotTheVfo) {
  ChannelEditInputs in = Typed(9, "145.5", "145.5");
  ASSERT_EQ(ApplyChannelEdit(state, 9, in, ui), EditOutcome::Stored);
  const int count = state.Current.ChannelCount;
  in.RxText = "";
  EXPECT_EQ(ApplyChannelEdit(state, 9, in, ui), EditOutcome::Cleared);
  EXPECT_FALSE(HasRecord(state, 9));
  EXPECT_EQ(state.Current.ChannelCount, count - 1);
  EXPECT_TRUE(ui.Questions.empty());  // no message for an ordinary row

  ChannelEditInputs vfo = LoadEditInputs(state, EditRecordFor(state, kNumberVFO), FormatContextOf(state));
  const ChannelRecord before = Stored(kNumberVFO);
  vfo.RxText = "";
  EXPECT_EQ(ApplyChannelEdit(state, kNumberVFO, vfo, ui), EditOutcome::VfoNeedsFrequency);
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Text, "VFO can't be null!");
  EXPECT_EQ(Stored(kNumberVFO).RxFreq.Raw(), before.RxFreq.Raw());
}

TEST_F(ChannelEditRules, ReceiveTextThatIsNoNumberWarnsAndChangesNothing) {
  ChannelEditInputs in = Typed(9, "145.5", "145.5");
  ASSERT_EQ(ApplyChannelEdit(state, 9, in, ui), EditOutcome::Stored);
  const ChannelTable channels = state.Channels;
  const Codeplug plug = state.Current;
  for (const int row : {9, 8, int{kNumberVFO}}) {  // a channel, an empty row, the VFO row
    for (const char* typo : {"145..5", ".", "1.4.5", "145.5."}) {
      SCOPED_TRACE(std::to_string(row) + " " + typo);
      ui.Questions.clear();
      ChannelEditInputs typed = Typed(row, typo, "145.5");
      typed.PttIdCode = "7";
      const ChannelEditInputs before = typed;
      EXPECT_EQ(ApplyChannelEdit(state, row, typed, ui), EditOutcome::RxNotFrequency);
      ASSERT_EQ(ui.Questions.size(), 1u);
      EXPECT_EQ(ui.Questions[0].Text, MessageText(state, Message::RxNotFrequency));
      EXPECT_EQ(ui.Questions[0].Icon, MsgIcon::Warning);
      EXPECT_EQ(typed, before) << "the dialog keeps what the user typed";
      EXPECT_EQ(state.Channels, channels);
      EXPECT_EQ(state.Current, plug);
    }
  }
}

TEST_F(ChannelEditRules, ClearingARowWithoutAChannelStillRepairsReferences) {
  ChannelEditInputs in = Typed(9, "145.5", "145.5");
  ASSERT_EQ(ApplyChannelEdit(state, 9, in, ui), EditOutcome::Stored);
  int lastMemory = 0;
  for (int slot = 0; slot < state.Current.ChannelCount; ++slot)
    if (IsMemoryChannel(state.Channels[static_cast<std::size_t>(slot)].Number))
      lastMemory = state.Channels[static_cast<std::size_t>(slot)].Number;
  // A file may name channels that are not there.
  ASSERT_FALSE(HasRecord(state, 150));
  state.Current.Settings.Scan[11] = 150;
  state.Current.Settings.Alert[7] = 150;
  ChannelEditInputs empty = LoadEditInputs(state, EditRecordFor(state, 7), FormatContextOf(state));
  ASSERT_FALSE(HasRecord(state, 7));
  EXPECT_EQ(ApplyChannelEdit(state, 7, empty, ui), EditOutcome::Cleared);
  EXPECT_EQ(state.Current.Settings.Scan[11], lastMemory);
  EXPECT_EQ(state.Current.Settings.Alert[7], lastMemory);
  EXPECT_TRUE(ui.Questions.empty());
}

TEST_F(ChannelEditRules, DamagedStoredFrequencyIsShownAsItIsStoredBack) {
  // A leading blank is numeric: shown as 145.00000, and OK stores exactly that.
  ChannelEditInputs in = Typed(9, "145.5", "145.5");
  ASSERT_EQ(ApplyChannelEdit(state, 9, in, ui), EditOutcome::Stored);
  const int slot = FindChannelSlot(state.Current, state.Channels, 9);
  state.Channels[static_cast<std::size_t>(slot)].RxFreq.Assign(" 14500000");
  ChannelEditInputs shown = LoadEditInputs(state, Stored(9), FormatContextOf(state));
  EXPECT_EQ(shown.RxText, "145.00000");
  ASSERT_EQ(ApplyChannelEdit(state, 9, shown, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(9).RxFreq.Raw(), "014500000");
  EXPECT_TRUE(ui.Questions.empty());
}

TEST_F(ChannelEditRules, ModifyKeepsPttIdOnAndAddTakesIt) {
  ChannelEditInputs in = Typed(10, "145.5", "145.5");
  in.PttIdOn = true;
  ASSERT_EQ(ApplyChannelEdit(state, 10, in, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(10).PttIdOn, 1);
  in.PttIdOn = false;
  ASSERT_EQ(ApplyChannelEdit(state, 10, in, ui), EditOutcome::Stored);
  EXPECT_EQ(Stored(10).PttIdOn, 1);
  EXPECT_FALSE(ModifyUFreData(state, 11, in, FormatContextOf(state)));
}

TEST_F(ChannelEditRules, FullTableRefusesANewChannel) {
  for (int row = 1; state.Current.ChannelCount < kChannelSlots; ++row) {
    ChannelEditInputs in = Typed(row, "145.5", "145.5");
    ASSERT_EQ(ApplyChannelEdit(state, row, in, ui), EditOutcome::Stored);
  }
  // A damaged file can fill every slot without a free number being free in the table.
  state.Channels[6].Number = 1;
  ASSERT_FALSE(HasRecord(state, 6));
  ChannelEditInputs in = Typed(6, "145.5", "145.5");
  EXPECT_EQ(ApplyChannelEdit(state, 6, in, ui), EditOutcome::Failed);
  EXPECT_EQ(state.Current.ChannelCount, kChannelSlots);
  ASSERT_FALSE(ui.Questions.empty());
  EXPECT_EQ(ui.Questions.back().Text, MessageText(state, Message::ChannelTableFull));
}

TEST_F(ChannelEditRules, OutOfBandFrequencyWarnsOnceAndIsClamped) {
  ChannelEditInputs in = Typed(12, "400", "145.5");
  ASSERT_EQ(ApplyChannelEdit(state, 12, in, ui), EditOutcome::Stored);
  EXPECT_EQ(Warnings(), 1);
  EXPECT_EQ(in.RxText, "174.00000");
  EXPECT_EQ(Stored(12).RxFreq.Raw(), "017400000");

  // A transmit box that holds no number takes the band's lowest frequency, with the warning.
  ChannelEditInputs tx = Typed(13, "145.5", "");
  ASSERT_EQ(ApplyChannelEdit(state, 13, tx, ui), EditOutcome::Stored);
  EXPECT_EQ(Warnings(), 2);
  EXPECT_EQ(tx.TxText, "136.00000");
  EXPECT_EQ(Stored(13).OffsetDirection, 1);
}

TEST_F(ChannelEditRules, EveryFieldRoundTrips) {
  state.Features.DtmfEnabled = state.Features.TwoToneEnabled = state.Features.FiveToneEnabled = true;
  state.Current.Settings.TwoTone.Entries[4].Empty = 0;
  state.Current.Settings.TwoTone.Entries[9].Empty = 0;
  ChannelEditInputs in = Typed(14, "146.025", "146.625");
  in.NameBoxes = {"R", "E", "P", "", "1", "2", "3"};
  in.Step = 7;
  in.Bandwidth = 2;
  in.TxPower = 1;
  in.ToneTypeB = 2;
  in.DcsB = 300;
  in.DcsInvertB = true;
  in.ToneTypeA = 1;
  in.CtcssA = 12;
  in.Signalling = SignallingKind::TwoTone;
  in.DtmfCode = 3;
  in.TwoToneCode = "9";
  in.FiveToneCode = "";
  in.Squelch = 4;
  in.FiveTonePttId = 2;
  in.PttIdCode = "54321";
  in.Scrambler = 1;
  in.BusyLock = 2;
  in.TxInhibit = in.Reverse = in.Compander = in.ScanSkip = in.PttIdDecode = true;
  in.ExtraDisplay = 6;
  ASSERT_EQ(ApplyChannelEdit(state, 14, in, ui), EditOutcome::Stored);
  const ChannelEditInputs again = LoadEditInputs(state, Stored(14), FormatContextOf(state));
  in.NameBoxes[3] = " ";  // the blank comes back as a character of the name
  EXPECT_EQ(again.NameBoxes, in.NameBoxes);
  EXPECT_EQ(again.FiveToneCode, in.FiveToneCode);
  EXPECT_EQ(again.TwoToneCode, in.TwoToneCode);
  EXPECT_EQ(again, in);
  EXPECT_EQ(Stored(14).ExtraDisplayIndex, 7);
  EXPECT_EQ(Stored(14).TwoToneEntryNumber, 9);
  EXPECT_TRUE(ui.Questions.empty());
}

TEST_F(ChannelEditRules, CodeListsOfferEntriesInUse) {
  for (auto& entry : state.Current.Settings.TwoTone.Entries) entry.Empty = 1;
  for (auto& code : state.Current.Settings.FiveTone.Codes) code.Empty = 1;
  EXPECT_TRUE(TwoToneCodeNumbers(state.Current).empty());
  state.Current.Settings.TwoTone.Entries[0].Empty = 0;
  state.Current.Settings.TwoTone.Entries[31].Empty = 0;
  EXPECT_EQ(TwoToneCodeNumbers(state.Current), (std::vector<int>{0, 31}));
  state.Current.Settings.FiveTone.Codes[99].Empty = 0;
  EXPECT_EQ(FiveToneCodeNumbers(state.Current), (std::vector<int>{99}));

  ChannelRecord record = EditRecordFor(state, 15);
  record.TwoToneEntryNumber = 31;
  record.FiveToneEntryNumber = 50;  // not in use: the first entry is shown
  const ChannelEditInputs in = LoadEditInputs(state, record, FormatContextOf(state));
  EXPECT_EQ(in.TwoToneCode, "31");
  EXPECT_EQ(in.FiveToneCode, "99");
}

TEST_F(ChannelEditRules, PttIdInputsOnlyForMemoryChannels) {
  EXPECT_TRUE(PttIdInputsEnabled(1));
  EXPECT_TRUE(PttIdInputsEnabled(200));
  EXPECT_FALSE(PttIdInputsEnabled(kNumberPA));
  EXPECT_FALSE(PttIdInputsEnabled(kNumberPB));
  EXPECT_FALSE(PttIdInputsEnabled(kNumberVFO));
}

}  // namespace
}  // namespace px
