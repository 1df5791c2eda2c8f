#include "edit/channel_edit_rules.h"

#include <algorithm>
#include <cstdlib>

#include "app/bands.h"
#include "app/language.h"
#include "app/messages.h"
#include "edit/channel_choices.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_ops.h"
#include "codeplug/number_text.h"
#include "codeplug/text_formats.h"

namespace px {

namespace {

constexpr int kSteps = 10;
constexpr int kBandwidths = 3;
constexpr int kToneTypes = 3;
constexpr int kCtcssTones = 51;
constexpr int kDcsCodes = 512;
constexpr int kPttIdModes = 4;
constexpr int kScramblers = 2;
constexpr int kBusyLocks = 3;
constexpr int kDefaultStep = 5;
constexpr int kTextWarnOutOfBand = 2001;

constexpr int kSquelchCarrier = 0;
constexpr int kSquelchTone = 1;
constexpr int kSquelchSignalling = 2;

// The stored value when the list has it, else the first entry.
int PositionIn(int rValue, int rCount) { return rValue >= 0 && rValue < rCount ? rValue : 0; }
// A list with nothing chosen stores 0.
Int16 StoredPosition(int rPosition) { return static_cast<Int16>(rPosition < 0 ? 0 : rPosition); }

bool IsTone(int rType) { return rType == 1 || rType == 2; }

// The text of the stored code number when offered, else the first entry, "" for none.
std::string CodeText(const std::vector<int>& rNumbers, int rStored) {
  if (rNumbers.empty()) return "";
  const bool offered = std::find(rNumbers.begin(), rNumbers.end(), rStored) != rNumbers.end();
  return std::to_string(offered ? rStored : rNumbers.front());
}

Int16 CodeNumber(const std::string& rText) {
  return static_cast<Int16>(rText.empty() ? 0 : NumberOrDefault(rText, 0));
}

Int16 Flag(bool rOn) { return rOn ? 1 : 0; }

}  // namespace

ChannelRecord EditRecordFor(const AppState& rState, int rRow) {
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rRow);
  if (slot >= 0) return rState.Channels[static_cast<std::size_t>(slot)];
  ChannelRecord record;
  record.Number = static_cast<Int16>(rRow);
  record.RxFreq.Assign("FFFFFFFFF");
  record.OffsetFreq.Assign("000000000");
  record.StepIndex = kDefaultStep;
  record.PttIdCode.Assign("00000");
  return record;
}

std::vector<SignallingKind> SignallingChoices(const FeatureFlags& rFeatures) {
  std::vector<SignallingKind> choices{SignallingKind::None};
  if (rFeatures.DtmfEnabled) choices.push_back(SignallingKind::Dtmf);
  if (rFeatures.TwoToneEnabled) choices.push_back(SignallingKind::TwoTone);
  if (rFeatures.FiveToneEnabled) choices.push_back(SignallingKind::FiveTone);
  return choices;
}

std::vector<int> TwoToneCodeNumbers(const Codeplug& rPlug) {
  std::vector<int> numbers;
  const auto& entries = rPlug.Settings.TwoTone.Entries;
  for (int i = 0; i < kTwoToneEntries; ++i)
    if (entries[static_cast<std::size_t>(i)].Empty == 0) numbers.push_back(i);
  return numbers;
}

std::vector<int> FiveToneCodeNumbers(const Codeplug& rPlug) {
  std::vector<int> numbers;
  const auto& codes = rPlug.Settings.FiveTone.Codes;
  for (int i = 0; i < kFiveToneCodes; ++i)
    if (codes[static_cast<std::size_t>(i)].Empty == 0) numbers.push_back(i);
  return numbers;
}

int ExtraDisplayPosition(int rStored) {
  if (rStored >= 0 && rStored <= 2) return rStored;
  if (rStored >= 4 && rStored <= kExtraDisplayEntries) return rStored - 1;
  return 0;  // 3, and values the list cannot show
}

int ExtraDisplayStored(int rPosition) {
  if (rPosition < 0) return 0;
  return rPosition <= 2 ? rPosition : rPosition + 1;
}

ChannelEditInputs LoadEditInputs(const AppState& rState, const ChannelRecord& rRecord,
                                 const FormatContext& rCtx) {
  ChannelEditInputs in;
  in.RxText = ToDisplayFreq(rRecord.RxFreq.Raw(), rCtx);
  in.TxText = TransmitDisplayText(rRecord, in.RxText, rCtx);

  const std::string name = rRecord.Name.Display();
  for (std::size_t k = 0; k < in.NameBoxes.size() && k < name.size(); ++k)
    in.NameBoxes[k] = std::string(1, name[k]);

  in.Step = PositionIn(rRecord.StepIndex, kSteps);
  in.Bandwidth = PositionIn(rRecord.BandwidthIndex, kBandwidths);
  in.TxPower = PositionOfStored(TxPowerChoices(), ShownTxPower(rRecord.TxPowerIndex));

  // Every tone list keeps its stored entry, shown or not, so that an OK without changes
  // gives back the record as it was.
  in.ToneTypeB = PositionIn(rRecord.ToneTypeB, kToneTypes);
  in.CtcssB = PositionIn(rRecord.CtcssIndexB, kCtcssTones);
  in.DcsB = PositionIn(rRecord.DcsIndexB, kDcsCodes);
  in.DcsInvertB = rRecord.DcsInvertB != 0;
  in.ToneTypeA = PositionIn(rRecord.ToneTypeA, kToneTypes);
  in.CtcssA = PositionIn(rRecord.CtcssIndexA, kCtcssTones);
  in.DcsA = PositionIn(rRecord.DcsIndexA, kDcsCodes);
  in.DcsInvertA = rRecord.DcsInvertA != 0;

  const auto offered = SignallingChoices(rState.Features);
  const auto stored = static_cast<SignallingKind>(rRecord.SignallingType);
  const bool known = rRecord.SignallingType >= 1 && rRecord.SignallingType <= 3;
  in.Signalling = known && std::find(offered.begin(), offered.end(), stored) != offered.end()
                      ? stored
                      : SignallingKind::None;
  in.DtmfCode = PositionIn(rRecord.DtmfCodeIndex, kDtmfCodeEntries);
  in.TwoToneCode = CodeText(TwoToneCodeNumbers(rState.Current), rRecord.TwoToneEntryNumber);
  in.FiveToneCode = CodeText(FiveToneCodeNumbers(rState.Current), rRecord.FiveToneEntryNumber);

  in.DtmfPttId = PositionIn(rRecord.DtmfPttIdMode, kPttIdModes);
  in.FiveTonePttId = PositionIn(rRecord.FiveTonePttIdMode, kPttIdModes);
  in.PttIdCode = rRecord.PttIdCode.Display();
  in.Scrambler = PositionIn(rRecord.ScramblerIndex, kScramblers);
  in.BusyLock = PositionIn(rRecord.BusyLockIndex, kBusyLocks);
  in.TxInhibit = rRecord.TxInhibit != 0;
  in.Reverse = rRecord.Reverse != 0;
  in.Talkaround = rRecord.Talkaround != 0;
  in.Compander = rRecord.Compander != 0;
  in.ScanSkip = rRecord.ScanSkip != 0;
  in.PttIdDecode = rRecord.PttIdDecode != 0;
  in.ExtraDisplay = ExtraDisplayPosition(rRecord.ExtraDisplayIndex);
  in.PttIdOn = rRecord.PttIdOn != 0;

  in.Squelch = KeepSquelchChoice(SquelchChoices(in), PositionIn(rRecord.SquelchModeIndex, kSquelchModes));
  return in;
}

std::vector<int> SquelchChoices(const ChannelEditInputs& rInputs) {
  const bool tone = IsTone(rInputs.Reverse ? rInputs.ToneTypeA : rInputs.ToneTypeB);
  const bool signalling = rInputs.Signalling != SignallingKind::None;
  std::vector<int> choices{kSquelchCarrier};
  if (tone && signalling) {
    for (int mode = kSquelchTone; mode < kSquelchModes; ++mode) choices.push_back(mode);
  } else if (tone) {
    choices.push_back(kSquelchTone);
  } else if (signalling) {
    choices.push_back(kSquelchSignalling);
  }
  return choices;
}

int KeepSquelchChoice(const std::vector<int>& rChoices, int rRemembered) {
  if (std::find(rChoices.begin(), rChoices.end(), rRemembered) != rChoices.end()) return rRemembered;
  return rChoices.empty() ? kSquelchCarrier : rChoices.front();
}

bool EditInputsEnabled(const std::string& rRxText) { return !rRxText.empty(); }

bool PttIdInputsEnabled(int rRow) { return rRow >= 1 && rRow <= kMemoryChannels; }

std::string PadPttIdCode(const std::string& rCode) {
  std::string code = rCode;
  if (code.size() < static_cast<std::size_t>(kPttIdCodeLength)) code.resize(kPttIdCodeLength, '0');
  return code;
}

DerivedOffset DeriveOffset(const std::string& rRx, const std::string& rTx, const FormatContext& rCtx) {
  const std::int64_t rx = FreqToUnits(NumberValue(rRx));
  const std::int64_t tx = FreqToUnits(NumberValue(rTx));
  DerivedOffset result;
  result.Direction = rx > tx ? 1 : (rx < tx ? 2 : 0);
  const double distance = static_cast<double>(std::llabs(tx - rx)) / kUnitsPerMhz;
  result.StoredOffset =
      ToStoredFreq(ComputeOffset(FormatOffsetText(distance), rRx, result.Direction, rCtx));
  return result;
}

void StoreEditInputs(ChannelEditInputs& rInputs, ChannelRecord& rRecord, const FormatContext& rCtx) {
  ChannelRecord& r = rRecord;
  r.StepIndex = StoredPosition(rInputs.Step);
  rInputs.RxText = ParseRxFreq(rInputs.RxText, true, rCtx);
  r.RxFreq.Assign(ToStoredFreq(rInputs.RxText));

  std::string name;
  for (const std::string& box : rInputs.NameBoxes) name += box.empty() ? ' ' : box.front();
  r.Name.Assign(name);

  rInputs.TxText = ParseTxFreq(rInputs.TxText, true, rCtx);
  const DerivedOffset offset = DeriveOffset(rInputs.RxText, rInputs.TxText, rCtx);
  r.OffsetDirection = offset.Direction;
  r.OffsetFreq.Assign(offset.StoredOffset);

  r.BandwidthIndex = StoredPosition(rInputs.Bandwidth);
  r.TxPowerIndex = static_cast<Int16>(StoredAtPosition(TxPowerChoices(), rInputs.TxPower));
  r.ToneTypeB = StoredPosition(rInputs.ToneTypeB);
  r.CtcssIndexB = StoredPosition(rInputs.CtcssB);
  r.DcsIndexB = StoredPosition(rInputs.DcsB);
  r.DcsInvertB = Flag(rInputs.DcsInvertB);
  r.ToneTypeA = StoredPosition(rInputs.ToneTypeA);
  r.CtcssIndexA = StoredPosition(rInputs.CtcssA);
  r.DcsIndexA = StoredPosition(rInputs.DcsA);
  r.DcsInvertA = Flag(rInputs.DcsInvertA);
  r.SignallingType = static_cast<Int16>(rInputs.Signalling);
  r.DtmfCodeIndex = StoredPosition(rInputs.DtmfCode);
  r.TwoToneEntryNumber = CodeNumber(rInputs.TwoToneCode);
  r.FiveToneEntryNumber = CodeNumber(rInputs.FiveToneCode);
  r.SquelchModeIndex = StoredPosition(rInputs.Squelch);
  r.DtmfPttIdMode = StoredPosition(rInputs.DtmfPttId);
  r.FiveTonePttIdMode = StoredPosition(rInputs.FiveTonePttId);
  r.PttIdCode.Assign(rInputs.PttIdCode);
  r.ScramblerIndex = StoredPosition(rInputs.Scrambler);
  r.BusyLockIndex = StoredPosition(rInputs.BusyLock);
  r.TxInhibit = Flag(rInputs.TxInhibit);
  r.Reverse = Flag(rInputs.Reverse);
  r.Talkaround = Flag(rInputs.Talkaround);
  r.Compander = Flag(rInputs.Compander);
  r.ScanSkip = Flag(rInputs.ScanSkip);
  r.PttIdDecode = Flag(rInputs.PttIdDecode);
  r.ExtraDisplayIndex = static_cast<Int16>(ExtraDisplayStored(rInputs.ExtraDisplay));
}

bool ModifyUFreData(AppState& rState, int rID, ChannelEditInputs& rInputs, const FormatContext& rCtx) {
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rID);
  if (slot < 0) return false;
  ChannelRecord record = rState.Channels[static_cast<std::size_t>(slot)];
  record.InUse = 1;
  StoreEditInputs(rInputs, record, rCtx);
  rState.Channels[static_cast<std::size_t>(slot)] = record;
  return true;
}

bool AddNewUFreData(AppState& rState, int rID, ChannelEditInputs& rInputs, const FormatContext& rCtx) {
  const int slot = rState.Current.ChannelCount;
  if (slot < 0 || slot >= kChannelSlots) return false;
  ChannelRecord record;
  record.Number = static_cast<Int16>(rID);
  record.InUse = 1;
  record.PttIdOn = Flag(rInputs.PttIdOn);
  StoreEditInputs(rInputs, record, rCtx);
  rState.Channels[static_cast<std::size_t>(slot)] = record;
  rState.Current.ChannelCount = static_cast<Int16>(slot + 1);
  return true;
}

FormatContext EditFormatContext(const AppState& rState, UserInterface& rUi) {
  return FormatContextOf(rState, [&rState, &rUi](FormatWarning rWarning) {
    if (rWarning == FormatWarning::OutOfBand)
      rUi.Tell(LangText(rState, kTextWarnOutOfBand), MsgIcon::Warning);
    else
      rUi.Tell(MessageText(rState, Message::NotNumeric), MsgIcon::None);
  });
}

EditOutcome ApplyChannelEdit(AppState& rState, int rRow, ChannelEditInputs& rInputs,
                             UserInterface& rUi) {
  // Only an empty box removes the channel: a typo such as "145..5" must not.
  if (!rInputs.RxText.empty() && !IsNumeric(rInputs.RxText)) {
    rUi.Tell(MessageText(rState, Message::RxNotFrequency), MsgIcon::Warning);
    return EditOutcome::RxNotFrequency;
  }
  rInputs.PttIdCode = PadPttIdCode(rInputs.PttIdCode);
  if (rInputs.RxText.empty()) {
    if (rRow == kNumberVFO) {
      rUi.Tell(MessageText(rState, Message::VfoNeedsFrequency), MsgIcon::None);
      return EditOutcome::VfoNeedsFrequency;
    }
    if (HasRecord(rState, rRow)) DeleteChannel(rState, rRow);
    // Also without a channel on the row: the settings may name channels that are gone.
    RepairChannelReferences(rState);
    return EditOutcome::Cleared;
  }

  const FormatContext ctx = EditFormatContext(rState, rUi);
  if (HasRecord(rState, rRow)) {
    if (!ModifyUFreData(rState, rRow, rInputs, ctx)) {
      rUi.Tell(MessageText(rState, Message::ChannelNotFound), MsgIcon::None);
      return EditOutcome::Failed;
    }
  } else if (!AddNewUFreData(rState, rRow, rInputs, ctx)) {
    rUi.Tell(MessageText(rState, Message::ChannelTableFull), MsgIcon::Warning);
    return EditOutcome::Failed;
  }
  RepairChannelReferences(rState);
  return EditOutcome::Stored;
}

}  // namespace px
