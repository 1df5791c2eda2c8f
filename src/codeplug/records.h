#pragma once
// The codeplug records, member by member in the order the codeplug file stores them.
// Files are produced by the explicit writers in codeplug_file.cpp, never by memcpy.

#include <array>
#include <cstddef>
#include <cstdint>

#include "codeplug/alert_slots.h"
#include "codeplug/fixed_text.h"
#include "codeplug/key_slots.h"
#include "codeplug/option_slots.h"
#include "codeplug/scan_slots.h"

namespace px {

using Byte = std::uint8_t;
using Int16 = std::int16_t;

constexpr int kChannelSlots = 203;
constexpr int kMemoryChannels = 200;
constexpr Int16 kNumberPA = kChannelSlots - 2;   // 201
constexpr Int16 kNumberPB = kChannelSlots - 1;   // 202
constexpr Int16 kNumberVFO = kChannelSlots;      // 203
constexpr int kCodeMemories = 16;
constexpr int kTwoToneEntries = 32;
constexpr int kFiveToneCodes = 100;
constexpr int kFiveToneInfoCodes = 8;
constexpr int kBookEntries = 128;

template <std::size_t N>
struct DtmfCodeField {
  FixedText<N> Digits;
  Int16 Length = 0;
  bool operator==(const DtmfCodeField&) const = default;
};

struct DtmfSettings {
  std::array<DtmfCodeField<24>, kCodeMemories> CodeMemory{};
  DtmfCodeField<24> PttIdBeginCode;
  DtmfCodeField<24> PttIdEndCode;
  DtmfCodeField<14> KillCode;
  DtmfCodeField<14> StunCode;
  Int16 AniOn = 0;
  Int16 DigitTimeIndex = 0;
  Int16 PttIdMode = 0;
  FixedText<3> SelfId;
  Int16 SeparatorDigit = 0;
  Int16 GroupDigit = 0;
  Int16 DecodeResponse = 0;
  Int16 FirstDigitDelay = 0;
  Int16 PreSendDelay = 0;
  Int16 ResetTime = 0;
  Int16 PostSendDelay = 0;
  Int16 PauseTime = 0;
  Int16 SideTone = 0;
  bool operator==(const DtmfSettings&) const = default;
};

struct TwoToneEntry {
  Int16 Empty = 1;  // 1 = free, 0 = in use
  std::array<Byte, 8> ToneBytes{};
  FixedText<7> Name;
  bool operator==(const TwoToneEntry&) const = default;
};

struct TwoToneSettings {
  std::array<Byte, 24> Header{};
  std::array<TwoToneEntry, kTwoToneEntries> Entries{};
  bool operator==(const TwoToneSettings&) const = default;
};

struct FiveToneInfoCode {
  std::array<Byte, 3> CodeBytes{};
  FixedText<12> Code;
  FixedText<7> Name;
  bool operator==(const FiveToneInfoCode&) const = default;
};

struct FiveToneCode {
  Int16 Empty = 1;  // 1 = free, 0 = in use
  std::array<Byte, 4> CodeBytes{};
  FixedText<40> Digits;
  FixedText<7> Name;
  bool operator==(const FiveToneCode&) const = default;
};

struct FiveToneSettings {
  std::array<Byte, 5> PageBytes{};
  FixedText<6> PageText;
  std::array<Byte, 4> PageBytes2{};
  std::array<Int16, 6> PageWords{};
  std::array<FiveToneInfoCode, kFiveToneInfoCodes> InfoCodes{};
  FiveToneCode SpecialCodeA;
  FiveToneCode SpecialCodeB;
  std::array<FiveToneCode, kFiveToneCodes> Codes{};
  std::array<Int16, 16> ToneTable{};
  bool operator==(const FiveToneSettings&) const = default;
};

struct OptionSettings {
  std::array<Int16, OptionSlot::Count> OptionValues{};
  FixedText<7> PowerOnMessage;
  Int16 OptionValue24 = 0;
  FixedText<6> PowerOnPassword;
  bool operator==(const OptionSettings&) const = default;
};

using ScanSettings = std::array<Byte, ScanSlot::Count>;
using AlertSettings = std::array<Byte, AlertSlot::Count>;
using KeyFunctionBytes = std::array<Byte, KeySlot::Count>;

struct BookEntry {
  Int16 Index = 0;
  FixedText<5> CallId;
  FixedText<7> Name;
  bool operator==(const BookEntry&) const = default;
};

struct RadioSettings {
  KeyFunctionBytes KeyFunctions{};
  DtmfSettings Dtmf;
  TwoToneSettings TwoTone;
  FiveToneSettings FiveTone;
  OptionSettings Options;
  ScanSettings Scan{};
  AlertSettings Alert{};
  bool operator==(const RadioSettings&) const = default;
};

struct Codeplug {
  Int16 BandIndex = 7;
  double MinRxFreq = 136;
  double MaxRxFreq = 174;
  double MinTxFreq = 136;
  double MaxTxFreq = 174;
  RadioSettings Settings;
  Int16 ChannelCount = 1;
  std::array<BookEntry, kBookEntries> Book{};
  Byte FiveToneLastOption = 2;
  bool operator==(const Codeplug&) const = default;
};

struct ChannelRecord {
  Int16 Number = 0;
  Int16 InUse = 0;
  Int16 ScanSkip = 0;
  FixedText<9> RxFreq;
  FixedText<9> OffsetFreq;
  FixedText<7> Name;
  Int16 StepIndex = 0;
  Int16 TxInhibit = 0;
  Int16 BandwidthIndex = 0;
  Int16 DcsInvertA = 0;
  Int16 Spare1 = 0;
  Int16 Spare2 = 0;
  Int16 Spare3 = 0;
  Int16 Spare4 = 0;
  Int16 OffsetDirection = 0;
  Int16 TxPowerIndex = 0;
  Int16 Talkaround = 0;
  Int16 DcsInvertB = 0;
  Int16 Spare5 = 0;
  Int16 Compander = 0;
  Int16 Spare6 = 0;
  Int16 ToneTypeA = 0;
  Int16 ToneTypeB = 0;
  Int16 CtcssIndexA = 0;
  Int16 CtcssIndexB = 0;
  Int16 DcsIndexA = 0;
  Int16 DcsIndexB = 0;
  Int16 SignallingType = 0;
  Int16 Spare7 = 0;
  Int16 TwoToneEntryNumber = 0;
  Int16 FiveToneEntryNumber = 0;
  Int16 PttIdOn = 0;
  Int16 Reverse = 0;
  Int16 ScramblerIndex = 0;
  Int16 DtmfPttIdMode = 0;
  Int16 FiveTonePttIdMode = 0;
  Int16 SquelchModeIndex = 0;
  Int16 DtmfCodeIndex = 0;
  Int16 ExtraDisplayIndex = 0;
  Int16 BusyLockIndex = 0;
  Int16 Spare8 = 0;
  Int16 PttIdDecode = 0;
  FixedText<5> PttIdCode;
  bool operator==(const ChannelRecord&) const = default;
};

using ChannelTable = std::array<ChannelRecord, kChannelSlots>;

// Channel numbers 1..200 are memory channels, shown as 0..199.
inline bool IsMemoryChannel(int rNumber) { return rNumber >= 1 && rNumber <= kMemoryChannels; }

}  // namespace px
