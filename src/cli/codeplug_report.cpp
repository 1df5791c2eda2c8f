#include "cli/codeplug_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>
#include <sstream>

#include "edit/channel_rows.h"
#include "codeplug/number_text.h"
#include "codeplug/record_fields.h"
#include "codeplug/text_formats.h"

namespace px {
namespace {

// Bytes outside printable ASCII as \xNN: names are stored in the radio's 8-bit code
// page, which a terminal would garble.
std::string Escaped(std::string_view rText) {
  std::string out;
  for (char c : rText) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b > 0x7E || c == '"' || c == '\\') {
      out += "\\x" + HexByte(b);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string Quoted(std::string_view rText) { return "\"" + Escaped(rText) + "\""; }

// A text in its display form.
template <std::size_t N>
std::string Quoted(const FixedText<N>& rText) {
  return Quoted(rText.Display());
}

// Limits as a person writes them; a damaged file's absurd values stay short.
std::string LimitText(double rValue) {
  if (std::isfinite(rValue) && std::fabs(rValue) < 1e6) return FormatPlainNumber(rValue);
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, rValue);
  return std::string(buffer, result.ptr);
}

template <class T>
std::string ValueText(const T& rValue) {
  if constexpr (IsFixedText<T>::value) {
    return Quoted(rValue);
  } else if constexpr (IsStdArray<T>::value) {
    std::string out;
    for (const auto& e : rValue) out += (out.empty() ? "" : " ") + ValueText(e);
    return out;
  } else if constexpr (std::same_as<T, double>) {
    return LimitText(rValue);
  } else {
    return std::to_string(static_cast<int>(rValue));
  }
}

template <class T>
struct IsScalarArray : std::false_type {};
template <class T, std::size_t N>
struct IsScalarArray<std::array<T, N>> : std::bool_constant<Scalar<T>> {};

template <class T>
constexpr bool kIsRecordLike = !IsFixedText<T>::value && !Scalar<T> && !IsScalarArray<T>::value;

// "Name value, Name value, ..." for the plain fields of a record; nested records and
// lists of records are left to the caller.
template <class R>
std::string PlainFields(const R& rRecord) {
  std::string out;
  VisitFields(
      [&out](const char* rName, const auto& rField) {
        using T = std::remove_cvref_t<decltype(rField)>;
        if constexpr (!kIsRecordLike<T>) out += std::string(out.empty() ? "" : ", ") + rName + " " + ValueText(rField);
      },
      rRecord);
  return out;
}

template <std::size_t N>
std::string CodeText(const DtmfCodeField<N>& rCode) {
  return Quoted(DtmfToDisplay(rCode.Digits.Display())) + " (" + std::to_string(rCode.Length) + ")";
}

template <std::size_t N>
bool IsBlank(const FixedText<N>& rText) {
  return rText.Display().find_first_not_of(' ') == std::string::npos;
}

// Terminal columns of a UTF-8 text: Chinese characters take two.
std::size_t DisplayWidth(std::string_view rText) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < rText.size();) {
    const auto b = static_cast<unsigned char>(rText[i]);
    const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    unsigned cp = length == 1 ? b : b & (0x7Fu >> length);
    for (std::size_t k = 1; k < length && i + k < rText.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(rText[i + k]) & 0x3Fu);
    width += cp >= 0x2E80 ? 2 : 1;
    i += length;
  }
  return width;
}

void WriteChannels(const AppState& rState, std::ostream& rOut) {
  const Codeplug& plug = rState.Current;
  const int count = std::clamp<int>(plug.ChannelCount, 0, kChannelSlots);
  rOut << "Channels: " << plug.ChannelCount << " of " << kChannelSlots << " slots\n";

  // Each row shows the last slot with its number, as the grid fills them in slot order.
  std::array<int, kChannelSlots + 1> slotOfRow;
  slotOfRow.fill(-1);
  std::vector<std::string> notes;
  for (int slot = 0; slot < count; ++slot) {
    const int number = rState.Channels[slot].Number;
    if (number < 1 || number > kChannelSlots) {
      notes.push_back("slot " + std::to_string(slot) + " holds channel number " + std::to_string(number) +
                      ", which has no row");
      continue;
    }
    if (slotOfRow[number] >= 0)
      notes.push_back("slots " + std::to_string(slotOfRow[number]) + " and " + std::to_string(slot) +
                      " both hold row " + RowLabelOf(number) + "; the grid shows slot " + std::to_string(slot));
    slotOfRow[number] = slot;
  }

  std::vector<ChannelRowTexts> rows{ChannelHeaderTexts(rState)};
  for (int number = 1; number <= kChannelSlots; ++number) {
    if (slotOfRow[number] < 0) continue;
    bool notNumeric = false;
    rows.push_back(ChannelRowOf(rState, rState.Channels[slotOfRow[number]], &notNumeric));
    rows.back()[kColName] = Escaped(rows.back()[kColName]);
    if (notNumeric) notes.push_back("row " + RowLabelOf(number) + ": a stored frequency is not nine digits");
  }
  std::array<std::size_t, kChannelColumns> width{};
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], DisplayWidth(row[c]));
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c)
      line += row[c] + std::string(c + 1 < row.size() ? width[c] - DisplayWidth(row[c]) + 2 : 0, ' ');
    while (!line.empty() && line.back() == ' ') line.pop_back();
    rOut << "  " << line << "\n";
  }
  for (const auto& note : notes) rOut << "  note: " << note << "\n";
}

void WriteDtmf(const DtmfSettings& rDtmf, std::ostream& rOut) {
  rOut << "DTMF: " << PlainFields(rDtmf) << "\n"
       << "  PttIdBeginCode " << CodeText(rDtmf.PttIdBeginCode) << ", PttIdEndCode "
       << CodeText(rDtmf.PttIdEndCode) << ", KillCode " << CodeText(rDtmf.KillCode) << ", StunCode "
       << CodeText(rDtmf.StunCode) << "\n";
  std::string memories;
  for (std::size_t i = 0; i < rDtmf.CodeMemory.size(); ++i) {
    const auto& code = rDtmf.CodeMemory[i];
    if (code.Length == 0 && IsBlank(code.Digits)) continue;
    memories += (memories.empty() ? "" : ", ") + std::to_string(i + 1) + "M " + CodeText(code);
  }
  rOut << "  CodeMemory: " << (memories.empty() ? "all empty" : memories) << "\n";
}

void WriteTwoTone(const TwoToneSettings& rTwoTone, std::ostream& rOut) {
  rOut << "2-Tone: " << PlainFields(rTwoTone) << "\n";
  int inUse = 0;
  for (std::size_t i = 0; i < rTwoTone.Entries.size(); ++i) {
    const auto& e = rTwoTone.Entries[i];
    if (e.Empty != 0) continue;
    ++inUse;
    rOut << "  Entry " << i + 1 << ": " << PlainFields(e) << "\n";
  }
  if (inUse == 0) rOut << "  no entry in use\n";
}

void WriteFiveTone(const FiveToneSettings& rFive, Byte rLastOption, std::ostream& rOut) {
  rOut << "5-Tone: " << PlainFields(rFive) << ", FiveToneLastOption " << int{rLastOption} << "\n";
  for (std::size_t i = 0; i < rFive.InfoCodes.size(); ++i) {
    const auto& info = rFive.InfoCodes[i];
    const bool allZero = std::all_of(info.CodeBytes.begin(), info.CodeBytes.end(), [](Byte b) { return b == 0; });
    if (allZero && IsBlank(info.Code) && IsBlank(info.Name)) continue;
    rOut << "  InfoCode " << i + 1 << ": " << PlainFields(info) << "\n";
  }
  rOut << "  SpecialCodeA: " << PlainFields(rFive.SpecialCodeA) << "\n"
       << "  SpecialCodeB: " << PlainFields(rFive.SpecialCodeB) << "\n";
  int inUse = 0;
  for (std::size_t i = 0; i < rFive.Codes.size(); ++i) {
    const auto& code = rFive.Codes[i];
    if (code.Empty != 0) continue;
    ++inUse;
    rOut << "  Code " << i + 1 << ": " << PlainFields(code) << "\n";
  }
  if (inUse == 0) rOut << "  no code in use\n";
}

void WriteBook(const std::array<BookEntry, kBookEntries>& rBook, std::ostream& rOut) {
  int shown = 0;
  std::string unusual;
  for (std::size_t i = 0; i < rBook.size(); ++i) {
    const auto& e = rBook[i];
    if (e.Index != static_cast<Int16>(i))
      unusual += (unusual.empty() ? "" : ", ") + std::to_string(i) + " -> " + std::to_string(e.Index);
    if (IsBlank(e.CallId) && IsBlank(e.Name)) continue;
    if (shown++ == 0) rOut << "Book:\n";
    rOut << "  " << i << ": CallId " << Quoted(e.CallId) << ", Name " << Quoted(e.Name) << "\n";
  }
  if (shown == 0) rOut << "Book: all entries empty\n";
  if (!unusual.empty()) rOut << "  entries whose Index is not their position: " << unusual << "\n";
}

}  // namespace

void WriteCodeplugReport(const AppState& rState, std::ostream& rOut) {
  const Codeplug& plug = rState.Current;
  rOut << "BandIndex: " << plug.BandIndex << " (as stored in the file)\n"
       << "Band limits: receive " << LimitText(plug.MinRxFreq) << " - " << LimitText(plug.MaxRxFreq)
       << " MHz, transmit " << LimitText(plug.MinTxFreq) << " - " << LimitText(plug.MaxTxFreq)
       << " MHz\n\n";
  WriteChannels(rState, rOut);
  const RadioSettings& s = plug.Settings;
  rOut << "\nKeys: " << ValueText(s.KeyFunctions) << "\n"
       << "Scan: " << ValueText(s.Scan) << "\n"
       << "Alert: " << ValueText(s.Alert) << "\n"
       << "Options: " << PlainFields(s.Options) << "\n";
  WriteDtmf(s.Dtmf, rOut);
  WriteTwoTone(s.TwoTone, rOut);
  WriteFiveTone(s.FiveTone, plug.FiveToneLastOption, rOut);
  WriteBook(plug.Book, rOut);
}

}  // namespace px
