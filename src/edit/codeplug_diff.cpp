#include "edit/codeplug_diff.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "app/language.h"
#include "codeplug/number_text.h"
#include "codeplug/record_fields.h"
#include "edit/channel_rows.h"
#include "edit/report.h"
#include "edit/codeplug_ops.h"
#include "edit/page_catalogue_core.h"
#include "edit/page_fields.h"

namespace px {

namespace {

constexpr OwnText kChannelWord{"channel", "信道"};
constexpr OwnText kNoChannel{"(no channel)", "（无信道）"};

struct FlatField {
  std::string Path;
  std::string Value;
};

std::string QuotedText(const std::string& rText) { return "\"" + rText + "\""; }

template <class T>
void Flatten(const std::string& rPath, const T& rField, std::vector<FlatField>& rOut) {
  if constexpr (std::same_as<T, double>) {
    rOut.push_back({rPath, FormatPlainNumber(rField)});
  } else if constexpr (Scalar<T>) {
    rOut.push_back({rPath, std::to_string(static_cast<int>(rField))});
  } else if constexpr (IsFixedText<T>::value) {
    rOut.push_back({rPath, QuotedText(rField.Display())});
  } else if constexpr (IsStdArray<T>::value) {
    for (std::size_t i = 0; i < rField.size(); ++i)
      Flatten(rPath + "[" + std::to_string(i) + "]", rField[i], rOut);
  } else {
    VisitFields([&](const char* rName, const auto& rMember) {
      Flatten(rPath.empty() ? std::string(rName) : rPath + "." + rName, rMember, rOut);
    }, rField);
  }
}

template <class T>
std::vector<FlatField> FlatFields(const T& rRecord) {
  std::vector<FlatField> fields;
  Flatten("", rRecord, fields);
  return fields;
}

// The grid column that shows a channel field; fields no column shows are compared by
// their stored values.
std::optional<int> ColumnOf(const std::string& rField) {
  static const std::map<std::string, int> columns{
      {"RxFreq", kColRx},           {"OffsetFreq", kColTx},          {"OffsetDirection", kColTx},
      {"Name", kColName},           {"StepIndex", kColStep},         {"BandwidthIndex", kColBandwidth},
      {"Spare2", kColSpare2},       {"TxPowerIndex", kColPower},     {"ToneTypeB", kColDecode},
      {"CtcssIndexB", kColDecode},  {"DcsIndexB", kColDecode},       {"DcsInvertB", kColDecode},
      {"ToneTypeA", kColEncode},    {"CtcssIndexA", kColEncode},     {"DcsIndexA", kColEncode},
      {"DcsInvertA", kColEncode},   {"SignallingType", kColSignalling},
      {"DtmfCodeIndex", kColSignalling}, {"TwoToneEntryNumber", kColSignalling},
      {"FiveToneEntryNumber", kColSignalling}};
  const auto it = columns.find(rField);
  if (it == columns.end()) return std::nullopt;
  return it->second;
}

// The channel editor's label of a field the grid does not show.
std::string FieldLabel(const AppState& rState, const std::string& rField) {
  static const std::map<std::string, int> ids{
      {"ScanSkip", 1111},      {"TxInhibit", 1105},       {"Talkaround", 1114},
      {"Reverse", 1207},       {"Compander", 1746},       {"SquelchModeIndex", 1745},
      {"ScramblerIndex", 1742}, {"BusyLockIndex", 1717},  {"DtmfPttIdMode", 1743},
      {"FiveTonePttIdMode", 1744}};
  if (rField == "PttIdCode") return "PTTID Code";
  if (rField == "PttIdDecode") return "PTTID Decode";
  if (const auto it = ids.find(rField); it != ids.end()) {
    std::string text = LangText(rState, it->second);
    if (!text.empty()) return text;
  }
  return rField;
}

std::string ChannelSummary(const AppState& rState, const ChannelRecord* rChannel) {
  if (!rChannel) return OwnTextOf(rState, kNoChannel);
  const ChannelRowTexts row = ChannelRowOf(rState, *rChannel);
  std::string text = row[kColRx];
  if (!row[kColName].empty()) text += " " + QuotedText(row[kColName]);
  return text;
}

const ChannelRecord* ChannelOf(const AppState& rState, int rNumber) {
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rNumber);
  return slot < 0 ? nullptr : &rState.Channels[static_cast<std::size_t>(slot)];
}

void DiffChannel(const AppState& rBefore, const AppState& rAfter, int rNumber,
                 std::vector<CodeplugDifference>& rOut) {
  const ChannelRecord* a = ChannelOf(rBefore, rNumber);
  const ChannelRecord* b = ChannelOf(rAfter, rNumber);
  const std::string where = OwnTextOf(rBefore, kChannelWord) + " " + RowLabelOf(rNumber);
  if (!a && !b) return;
  if (!a || !b) {
    rOut.push_back({where, ChannelSummary(rBefore, a), ChannelSummary(rAfter, b)});
    return;
  }
  if (*a == *b) return;
  const ChannelRowTexts headers = ChannelHeaderTexts(rBefore);
  const ChannelRowTexts rowA = ChannelRowOf(rBefore, *a);
  const ChannelRowTexts rowB = ChannelRowOf(rAfter, *b);
  for (int col = kColRx; col < kChannelColumns; ++col) {
    const auto c = static_cast<std::size_t>(col);
    if (rowA[c] != rowB[c]) rOut.push_back({where + " " + headers[c], rowA[c], rowB[c]});
  }
  const auto fieldsA = FlatFields(*a);
  const auto fieldsB = FlatFields(*b);
  for (std::size_t i = 0; i < fieldsA.size() && i < fieldsB.size(); ++i) {
    if (fieldsA[i].Value == fieldsB[i].Value) continue;
    const auto column = ColumnOf(fieldsA[i].Path);
    // A field whose column shows the change is told there already.
    if (column && rowA[static_cast<std::size_t>(*column)] != rowB[static_cast<std::size_t>(*column)]) continue;
    rOut.push_back({where + " " + FieldLabel(rBefore, fieldsA[i].Path), fieldsA[i].Value, fieldsB[i].Value});
  }
}

// The pages whose records diff compares, in the order it tells their differences.
std::vector<const CorePage*> DiffedPages() {
  std::vector<const CorePage*> pages;
  for (const CorePage& page : CorePages())
    if (!page.Record.empty()) pages.push_back(&page);
  std::stable_sort(pages.begin(), pages.end(),
                   [](const CorePage* a, const CorePage* b) { return a->DiffOrder < b->DiffOrder; });
  return pages;
}

// A page's differences as its dialog and the report show them ("Scan Priority Channel 1:
// 3 → 11"). False when the page shows none, so that its raw fields speak instead.
bool DiffPage(const AppState& rBefore, const AppState& rAfter, const ReportPage& rPage,
              std::vector<CodeplugDifference>& rOut) {
  const ReportSection a = rPage.Describe(rBefore);
  const ReportSection b = rPage.Describe(rAfter);
  const std::string title = ReportPageTitle(rBefore, rPage);
  const std::size_t before = rOut.size();
  for (std::size_t i = 0; i < a.Rows.size() && i < b.Rows.size(); ++i)
    if (a.Rows[i].Label == b.Rows[i].Label && a.Rows[i].Value != b.Rows[i].Value)
      rOut.push_back({title + " " + a.Rows[i].Label, a.Rows[i].Value, b.Rows[i].Value});
  for (std::size_t t = 0; t < a.Tables.size() && t < b.Tables.size(); ++t) {
    const ReportTable& ta = a.Tables[t];
    const ReportTable& tb = b.Tables[t];
    const std::string where = ta.Title.empty() ? title : title + " " + ta.Title;
    for (std::size_t r = 0; r < ta.Rows.size() && r < tb.Rows.size(); ++r)
      for (std::size_t c = 1; c < ta.Rows[r].size() && c < tb.Rows[r].size() && c < ta.Header.size(); ++c)
        if (ta.Rows[r][c] != tb.Rows[r][c])
          rOut.push_back({where + " " + ta.Rows[r][0] + " " + ta.Header[c], ta.Rows[r][c], tb.Rows[r][c]});
    if (ta.Rows.size() != tb.Rows.size())
      rOut.push_back({where, std::to_string(ta.Rows.size()), std::to_string(tb.Rows.size())});
  }
  return rOut.size() > before;
}

}  // namespace

std::vector<CodeplugDifference> DiffCodeplugs(const AppState& rBefore, const AppState& rAfter) {
  std::vector<CodeplugDifference> out;
  for (int number = 1; number <= kChannelSlots; ++number) DiffChannel(rBefore, rAfter, number, out);
  // Pages in their shown forms; a page that shows no difference leaves its raw fields
  // to say what differs, so nothing is hidden.
  std::vector<std::string_view> worded;
  std::vector<std::string_view> wordedKeys;
  for (const CorePage* core : DiffedPages()) {
    const ReportPage* page = FindReportPage(core->Key);
    if (page != nullptr && page->Describe != nullptr && DiffPage(rBefore, rAfter, *page, out)) {
      worded.push_back(core->Record);
      wordedKeys.push_back(core->Key);
    }
  }
  const auto fieldsA = FlatFields(rBefore.Current);
  const auto fieldsB = FlatFields(rAfter.Current);
  for (std::size_t i = 0; i < fieldsA.size() && i < fieldsB.size(); ++i) {
    if (fieldsA[i].Path == "BandIndex" || fieldsA[i].Path == "ChannelCount") continue;
    if (fieldsA[i].Value == fieldsB[i].Value) continue;
    // A declared field goes by its name; one no control shows is told even on a page
    // whose dialog shows other differences.
    const PageField* field = FieldOfPath(fieldsA[i].Path);
    const auto shown = [&](std::string_view rPrefix) { return fieldsA[i].Path.rfind(rPrefix, 0) == 0; };
    const bool carried = field != nullptr && field->Control == FieldControl::Carried;
    if (!carried && std::any_of(worded.begin(), worded.end(), shown)) continue;
    // A field kept outside its page's record (the 5-Tone last tone) is told by its page too.
    const DeclaredPage* declaring = field != nullptr && !carried ? PageOfPath(fieldsA[i].Path) : nullptr;
    if (declaring != nullptr && std::find(wordedKeys.begin(), wordedKeys.end(), declaring->Key) != wordedKeys.end())
      continue;
    out.push_back({field != nullptr ? std::string(field->Name) : FieldNameOfPath(fieldsA[i].Path), fieldsA[i].Value,
                   fieldsB[i].Value});
  }
  return out;
}

std::string DifferenceLine(const CodeplugDifference& rDifference) {
  return rDifference.Where + ": " + rDifference.Before + " \xE2\x86\x92 " + rDifference.After;
}

}  // namespace px
