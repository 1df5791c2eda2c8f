#include "support/full_codeplug.h"

#include <string>

namespace px::test {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// rCount digits of a pattern that walks the whole digit alphabet.
std::string Digits(int rCount, int rSeed, int rRadix = 16) {
  std::string s;
  for (int i = 0; i < rCount; ++i) s.push_back(kHex[(rSeed + 7 * i) % rRadix]);
  return s;
}

template <std::size_t N>
FixedText<N> WithNul(const std::string& rText) {
  return FixedText<N>::Of(rText.size() < N ? rText + '\0' : rText);
}

template <std::size_t N>
FixedText<N> AllNul() {
  FixedText<N> t;
  t.Bytes.fill('\0');
  return t;
}

// A name that is empty, short or full by rKind.
std::string NameOf(int rKind, const std::string& rStem, int rIndex) {
  switch (rKind % 3) {
    case 0: return "";
    case 1: return rStem + std::to_string(rIndex % 10);
    default: return (rStem + "-" + std::to_string(1000 + rIndex)).substr(0, 7);
  }
}

// Channel frequencies on the 6.25 kHz and the 8.33 kHz raster; the tenth of each kind
// lies on 8.33 kHz. The radio drops the 10 Hz digit and derives it again on reading,
// so these are exactly the texts it gives back.
std::string RxDigits(int rNumber) {
  long units = 13600000 + 625L * rNumber;
  if (rNumber % 10 == 0) units = 14400000 + 2500L * rNumber + (rNumber % 20 == 0 ? 833 : 1666);
  std::string s = std::to_string(units);
  return std::string(9 - s.size(), '0') + s;
}

ChannelRecord MakeChannel(int rNumber) {
  const int n = rNumber;
  ChannelRecord ch;
  ch.Number = static_cast<Int16>(n);
  ch.InUse = 1;
  ch.ScanSkip = static_cast<Int16>(n % 2);
  ch.RxFreq.Assign(RxDigits(n));
  ch.OffsetFreq.Assign(n % 4 == 0 ? "000000000" : n % 4 == 1 ? "000600000" : "005000000");
  ch.Name = WithNul<7>(NameOf(n, "CH", n));
  ch.StepIndex = static_cast<Int16>(n % 10);
  ch.TxInhibit = static_cast<Int16>(n % 7 == 0);
  ch.BandwidthIndex = static_cast<Int16>(n % 3);
  ch.DcsInvertA = static_cast<Int16>(n % 2);
  ch.OffsetDirection = static_cast<Int16>(n % 3);
  ch.TxPowerIndex = static_cast<Int16>((n / 3) % 3);
  ch.Talkaround = static_cast<Int16>(n % 5 == 0);
  ch.DcsInvertB = static_cast<Int16>((n / 2) % 2);
  ch.Compander = static_cast<Int16>(n % 3 == 0);
  ch.ToneTypeA = static_cast<Int16>(n % 3);
  ch.ToneTypeB = static_cast<Int16>((n + 1) % 3);
  ch.CtcssIndexA = static_cast<Int16>(n % 51);
  ch.CtcssIndexB = static_cast<Int16>((n * 7) % 51);
  ch.DcsIndexA = static_cast<Int16>((n * 37) % 512);
  ch.DcsIndexB = static_cast<Int16>((n * 53 + 300) % 512);
  ch.Spare1 = static_cast<Int16>(ch.DcsIndexA >> 8);
  ch.Spare5 = static_cast<Int16>(ch.DcsIndexB >> 8);
  ch.SignallingType = static_cast<Int16>(n % 4);
  // Only entries in use (every third 2-Tone entry from 2 and 5-Tone code from 0 is free).
  ch.TwoToneEntryNumber = static_cast<Int16>(3 * (n % 11));
  ch.FiveToneEntryNumber = static_cast<Int16>(1 + 3 * (n % 33));
  ch.Reverse = static_cast<Int16>(n % 6 == 0);
  ch.ScramblerIndex = static_cast<Int16>(n % 9);
  ch.DtmfPttIdMode = static_cast<Int16>(n % 4);
  ch.FiveTonePttIdMode = static_cast<Int16>((n / 4) % 4);
  ch.SquelchModeIndex = static_cast<Int16>(n % 5);
  ch.DtmfCodeIndex = static_cast<Int16>(n % 16);
  ch.BusyLockIndex = static_cast<Int16>(n % 3);
  ch.Spare8 = static_cast<Int16>(n % 4);
  ch.PttIdDecode = static_cast<Int16>(n % 2);
  ch.PttIdCode.Assign(IsMemoryChannel(n) ? Digits(5, n) : "00000");
  return ch;
}

void FillDtmf(DtmfSettings& d) {
  for (std::size_t k = 0; k < d.CodeMemory.size(); ++k) {
    const int length = k == 15 ? 24 : static_cast<int>(k) + 1;
    d.CodeMemory[k].Digits = WithNul<24>(Digits(length, static_cast<int>(k)));
    d.CodeMemory[k].Length = static_cast<Int16>(length);
  }
  d.PttIdBeginCode = {WithNul<24>("123"), 3};
  d.PttIdEndCode = {WithNul<24>(Digits(24, 5)), 24};
  d.KillCode = {WithNul<14>(Digits(14, 9)), 14};
  d.StunCode = {WithNul<14>("ABCDEF0"), 7};
  d.AniOn = 1;
  d.DigitTimeIndex = 2;
  d.PttIdMode = 3;
  d.SelfId.Assign("123");
  d.SeparatorDigit = 11;
  d.GroupDigit = 255;
  d.DecodeResponse = 2;
  d.FirstDigitDelay = 100;
  d.PreSendDelay = 30;
  d.ResetTime = 5;
  d.PostSendDelay = 40;
  d.PauseTime = 15;
  d.SideTone = 1;
}

void FillTwoTone(TwoToneSettings& t) {
  // Format B-A; tones A 1000.0, B 1500.0, C 2000.0, D 800.0 Hz (0.1 Hz, low byte first),
  // decoding B then A (0.1 Hz and clock divisor, high byte first); every list's value
  // is one the page shows, so an OK without change keeps all of it.
  t.Header = {0x3A, 0x98, 0x27, 0x10, 3,    0x0C, 0x80, 0x12, 0xC0, 50, 1,  1,
              0x10, 0x27, 0x98, 0x3A, 0x20, 0x4E, 0x40, 0x1F, 10,   20, 5,  4};
  for (std::size_t k = 0; k < t.Entries.size(); ++k) {
    TwoToneEntry& e = t.Entries[k];
    e.Empty = static_cast<Int16>(k % 3 == 2);
    for (std::size_t i = 0; i < 8; ++i) e.ToneBytes[i] = static_cast<Byte>(k * 8 + i * 3);
    e.Name.Assign(NameOf(static_cast<int>(k), "TT", static_cast<int>(k)));
  }
}

FiveToneCode MakeFiveToneCode(int rCount, int rSeed, Byte rStandard, Byte rDuration) {
  FiveToneCode c;
  c.CodeBytes = {0, rStandard, static_cast<Byte>(rCount), rDuration};
  c.Digits.Assign(Digits(rCount, rSeed));
  return c;
}

void FillFiveTone(FiveToneSettings& f) {
  f.PageBytes = {1, 2, 6, 5, 100};
  f.PageText = WithNul<6>("12345");
  f.PageBytes2 = {100, 30, 40, 50};
  f.PageWords = {25, 30, 13, 200, 1, 11};
  for (std::size_t j = 0; j < f.InfoCodes.size(); ++j) {
    FiveToneInfoCode& info = f.InfoCodes[j];
    const int count = static_cast<int>(j) + 5;  // 5..12
    info.CodeBytes = {static_cast<Byte>(j % 7), static_cast<Byte>(j % 3), static_cast<Byte>(count)};
    info.Code.Assign(Digits(count, static_cast<int>(j) + 2));
    info.Name = WithNul<7>(NameOf(static_cast<int>(j), "INFO", static_cast<int>(j)));
  }
  f.SpecialCodeA = MakeFiveToneCode(23, 1, 6, 100);
  f.SpecialCodeB = MakeFiveToneCode(24, 4, 13, 40);
  for (std::size_t k = 0; k < f.Codes.size(); ++k) {
    const int n = static_cast<int>(k);
    FiveToneCode& c = f.Codes[k];
    c = MakeFiveToneCode(n % 41, n, static_cast<Byte>(n % 14), static_cast<Byte>(30 + 10 * (n % 8)));
    c.Empty = static_cast<Int16>(n % 3 == 0);
    const std::string name = NameOf(n, "5T", n);
    if (name.empty()) {
      c.Name = AllNul<7>();  // the radio keeps an empty name as seven 0x00
    } else {
      c.Name.Assign(name);
    }
  }
  for (std::size_t i = 0; i < f.ToneTable.size(); ++i)
    f.ToneTable[i] = static_cast<Int16>(2885 + 1700 * static_cast<int>(i));
}

void FillOptions(OptionSettings& o) {
  o.OptionValues = {2, 1, 57, 20, 2, 0, 4, 31, 3, 30, 3, 1, 1, 1, 2, 1, 0, 1, 2, 1, 0, 0, 0};
  o.PowerOnMessage.Assign("PX4800!");
  o.OptionValue24 = 1;
  o.PowerOnPassword = WithNul<6>("1234");
}

void FillBook(std::array<BookEntry, kBookEntries>& rBook) {
  for (std::size_t n = 0; n < rBook.size(); ++n) {
    BookEntry& e = rBook[n];
    e.Index = static_cast<Int16>(n);
    std::string id = n % 4 == 3 ? "" : std::to_string(10 + 997 * n).substr(0, 1 + n % 5);
    id.resize(5, '\0');
    e.CallId.Assign(id);
    e.Name = WithNul<7>(NameOf(static_cast<int>(n), "STN", static_cast<int>(n)));
  }
}

}  // namespace

void FillFullCodeplug(AppState& rState) {
  Codeplug& plug = rState.Current;
  plug = Codeplug{};
  plug.MinRxFreq = 136;
  plug.MaxRxFreq = 173.9975;
  plug.MinTxFreq = 144;
  plug.MaxTxFreq = 147.9975;

  RadioSettings& s = plug.Settings;
  for (std::size_t i = 0; i < s.KeyFunctions.size(); ++i) s.KeyFunctions[i] = static_cast<Byte>(i + 1);
  FillDtmf(s.Dtmf);
  FillTwoTone(s.TwoTone);
  FillFiveTone(s.FiveTone);
  FillOptions(s.Options);
  s.Scan = {1, 2, 3, 7, 9, 1, 3, 1, 1, 4, 0, 200, 255, 17};
  s.Alert = {1, 2, 5, 3, 1, 2, 1, 150, 4, 1, 1, 5};
  FillBook(plug.Book);
  plug.FiveToneLastOption = 57;

  // Slot order follows the numbers, as a read from the radio produces it.
  rState.Channels.fill(ChannelRecord{});
  for (int number = 1; number <= kNumberVFO; ++number)
    rState.Channels[static_cast<std::size_t>(number - 1)] = MakeChannel(number);
  rState.Channels[kNumberVFO - 1].ScanSkip = 1;  // the radio does not report the VFO's
  plug.ChannelCount = kChannelSlots;
}

}  // namespace px::test
