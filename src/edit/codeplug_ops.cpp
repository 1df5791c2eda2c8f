#include "edit/codeplug_ops.h"

#include <cmath>

#include "app/bands.h"
#include "codeplug/alert_slots.h"
#include "codeplug/number_text.h"
#include "codeplug/scan_slots.h"
#include "codeplug/text_formats.h"

namespace px {
namespace {

void ResetDtmf(DtmfSettings& r) {
  for (auto& code : r.CodeMemory) {
    code.Digits.Assign("");
    code.Length = 0;
  }
  for (auto* code : {&r.PttIdBeginCode, &r.PttIdEndCode}) {
    code->Digits.Assign("");
    code->Length = 0;
  }
  for (auto* code : {&r.KillCode, &r.StunCode}) {
    code->Digits.Assign("");
    code->Length = 0;
  }
  r.AniOn = 0;
  r.DigitTimeIndex = 1;
  r.PttIdMode = 3;
  r.SelfId.Assign("000");
  r.SeparatorDigit = 14;
  r.GroupDigit = 10;
  r.DecodeResponse = 0;
  r.FirstDigitDelay = 20;
  r.PreSendDelay = 20;
  r.ResetTime = 0;
  r.PostSendDelay = 20;
  r.PauseTime = 10;
  r.SideTone = 0;
}

void ResetTwoToneHeader(TwoToneSettings& r) {
  r.Header = {12, 145, 36, 65, 0, 58, 72, 20, 52, 0, 0, 0,
              145, 12, 65, 36, 121, 24, 214, 79, 5, 5, 10, 0};
}

// The 2-Tone entries are reset together with the 5-Tone page; names survive both.
void ResetFiveToneAndTwoToneEntries(Codeplug& rPlug) {
  auto& five = rPlug.Settings.FiveTone;
  five.PageBytes = {0, 0, 0, 0, 70};
  five.PageText.SetDefaultEmpty();
  five.PageBytes2 = {0, 20, 20, 10};
  five.PageWords = {20, 20, 0, 20, 0, 13};
  for (auto& info : five.InfoCodes) {
    info.CodeBytes = {0, 0, 0};
    info.Code.SetDefaultEmpty();
  }
  for (auto& code : five.Codes) {
    code.Empty = 1;
    code.CodeBytes = {0, 0, 0, 70};
    code.Digits.Assign("");
  }
  five.ToneTable = {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300,
                    20000, 22000, 28000, 8100,  9700,  8850,  26000, 9300};
  rPlug.FiveToneLastOption = 2;

  for (auto& entry : rPlug.Settings.TwoTone.Entries) {
    entry.Empty = 1;
    entry.ToneBytes = {};
  }
  auto& first = rPlug.Settings.TwoTone.Entries[0];
  first.Empty = 0;
  first.ToneBytes = {58, 72, 20, 52, 12, 145, 36, 65};
}

void ResetOptions(OptionSettings& r) {
  r.OptionValues = {};
  r.PowerOnMessage.Assign("Welcome");
  r.OptionValue24 = 0;
  r.PowerOnPassword.SetDefaultEmpty();
}

void ResetScan(ScanSettings& r) {
  const Byte keep = r[ScanSlot::WaitTime];
  r = {};
  r[ScanSlot::LookBackA] = 5;  // 0.5 s
  r[ScanSlot::LookBackB] = 5;
  r[ScanSlot::WaitTime] = keep;
}

void ResetAlert(AlertSettings& r) {
  r = {};
  r[AlertSlot::PreAlertTime] = 1;
  r[AlertSlot::LoneWorkerTime] = 5;
}

void ResetBook(std::array<BookEntry, kBookEntries>& rBook) {
  for (int k = 0; k < kBookEntries; ++k) {
    rBook[k].Index = static_cast<Int16>(k);
    rBook[k].CallId.SetDefaultEmpty();
    rBook[k].Name.SetDefaultEmpty();
  }
}

int StoredCount(const Codeplug& rPlug) {
  return std::clamp<int>(rPlug.ChannelCount, 0, kChannelSlots);
}

// Position (from 0) of the first entry in use, or 0 when none is.
template <class Entries>
Int16 FirstInUse(const Entries& rEntries) {
  for (std::size_t i = 0; i < rEntries.size(); ++i)
    if (rEntries[i].Empty == 0) return static_cast<Int16>(i);
  return 0;
}

template <class Entries>
bool EntryInUse(const Entries& rEntries, int rPosition) {
  return rPosition >= 0 && rPosition < static_cast<int>(rEntries.size()) &&
         rEntries[rPosition].Empty == 0;
}

}  // namespace

void ResetToDefaults(Codeplug& rPlug) {
  rPlug.Settings.KeyFunctions = {};
  ResetDtmf(rPlug.Settings.Dtmf);
  ResetTwoToneHeader(rPlug.Settings.TwoTone);
  ResetFiveToneAndTwoToneEntries(rPlug);
  ResetOptions(rPlug.Settings.Options);
  ResetScan(rPlug.Settings.Scan);
  ResetAlert(rPlug.Settings.Alert);
  ResetBook(rPlug.Book);
}

void CreateDefaultChannel(const Codeplug& rPlug, ChannelTable& rChannels) {
  ChannelRecord vfo;
  vfo.Number = kNumberVFO;
  vfo.InUse = 1;
  vfo.ScanSkip = 1;
  const double middle =
      (static_cast<double>(RoundToInteger(rPlug.MaxRxFreq, Rounding::HalfToEven)) + rPlug.MinRxFreq) / 2;
  vfo.RxFreq.Assign(ToStoredFreq(FormatFreq4Text(middle)));
  vfo.OffsetFreq.Assign(ToStoredFreq(FormatFreq4Text(0)));
  vfo.Name.SetDefaultEmpty();
  vfo.CtcssIndexA = 20;
  vfo.CtcssIndexB = 20;
  vfo.PttIdCode.Assign("00000");
  rChannels[0] = vfo;
}

int FindChannelSlot(const Codeplug& rPlug, const ChannelTable& rChannels, int rNumber) {
  const int count = StoredCount(rPlug);
  for (int slot = 0; slot < count; ++slot)
    if (rChannels[slot].Number == rNumber) return slot;
  return -1;
}

bool ChannelExists(const Codeplug& rPlug, const ChannelTable& rChannels, int rNumber) {
  return FindChannelSlot(rPlug, rChannels, rNumber) >= 0;
}

void CopyToSaved(AppState& rState) {
  rState.Current.BandIndex = rState.Band.Index;
  rState.SavedCodeplug = rState.Current;
  const int count = StoredCount(rState.Current);
  std::copy_n(rState.Channels.begin(), count, rState.SavedChannels.begin());
}

void RestoreFromSaved(AppState& rState) {
  rState.Current = rState.SavedCodeplug;
  rState.Band.Index = rState.Current.BandIndex;
  RebuildBandTexts(rState);
  const int count = StoredCount(rState.Current);
  std::copy_n(rState.SavedChannels.begin(), count, rState.Channels.begin());
}

void RenumberTwoToneReferences(AppState& rState) {
  const auto& entries = rState.Current.Settings.TwoTone.Entries;
  const int count = StoredCount(rState.Current);
  for (int slot = 0; slot < count; ++slot) {
    auto& channel = rState.Channels[slot];
    if (channel.SignallingType == 2 && !EntryInUse(entries, channel.TwoToneEntryNumber))
      channel.TwoToneEntryNumber = FirstInUse(entries);
  }
}

void RenumberFiveToneReferences(AppState& rState) {
  const auto& codes = rState.Current.Settings.FiveTone.Codes;
  const int count = StoredCount(rState.Current);
  for (int slot = 0; slot < count; ++slot) {
    auto& channel = rState.Channels[slot];
    if (channel.SignallingType == 3 && !EntryInUse(codes, channel.FiveToneEntryNumber))
      channel.FiveToneEntryNumber = FirstInUse(codes);
  }
  auto& page = rState.Current.Settings.Alert;
  if (page[AlertSlot::CodeKind] == AlertCodeKind::FiveTone && !EntryInUse(codes, page[AlertSlot::Code]))
    page[AlertSlot::Code] = static_cast<Byte>(FirstInUse(codes));
}

void RepairChannelReferences(AppState& rState) {
  const int count = StoredCount(rState.Current);
  Byte lastMemory = 0;
  for (int slot = 0; slot < count; ++slot)
    if (IsMemoryChannel(rState.Channels[slot].Number))
      lastMemory = static_cast<Byte>(rState.Channels[slot].Number);

  auto repair = [&](Byte& rReference) {
    const bool exists = IsMemoryChannel(rReference) &&
                        ChannelExists(rState.Current, rState.Channels, rReference);
    if (!exists) rReference = lastMemory;
  };
  // The power-on channel is left alone: every value its list offers stays valid.
  repair(rState.Current.Settings.Alert[AlertSlot::Channel]);
  repair(rState.Current.Settings.Scan[ScanSlot::Channel1]);
  repair(rState.Current.Settings.Scan[ScanSlot::Channel2]);
}

}  // namespace px
