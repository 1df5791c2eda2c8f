// "px4800 show --json": the codeplug as a script reads it. The keys are fixed English
// names, whatever the language; labels and shown texts follow --lang. The shape is the
// one the manual page documents, and may only grow.

#include "cli/codeplug_json.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "cli/codeplug_report.h"
#include "codeplug/fixed_text.h"
#include "edit/channel_rows.h"
#include "edit/page_fields.h"
#include "edit/report.h"

namespace px {
namespace {

// The channel grid's columns under names that do not change with the language.
constexpr std::array<const char*, kChannelColumns> kColumnKeys = {
    "row", "rx", "tx", "name", "step", "bandwidth", "spare2", "power", "decode", "encode", "signalling"};

nlohmann::ordered_json Limit(double rValue) {
  if (!std::isfinite(rValue)) return nullptr;
  return rValue;
}

nlohmann::ordered_json ChannelsJson(const AppState& rState, nlohmann::ordered_json& rNotes) {
  std::vector<std::string> notes;
  const auto slotOfRow = SlotsOfRows(rState, notes);
  for (std::string& note : notes) rNotes.push_back(std::move(note));
  nlohmann::ordered_json channels = nlohmann::ordered_json::array();
  for (int number = 1; number <= kChannelSlots; ++number) {
    const int slot = slotOfRow[number];
    if (slot < 0) continue;
    bool notNumeric = false;
    const ChannelRowTexts texts = ChannelRowOf(rState, rState.Channels[slot], &notNumeric);
    nlohmann::ordered_json channel;
    channel["slot"] = slot;
    for (std::size_t c = 0; c < texts.size(); ++c) channel[kColumnKeys[c]] = texts[c];
    // The name's bytes as the grid shows them, one character each (Latin-1).
    channel["name"] = Latin1ToUtf8(texts[kColName]);
    channels.push_back(std::move(channel));
    if (notNumeric) rNotes.push_back("row " + RowLabelOf(number) + ": a stored frequency is not nine digits");
  }
  return channels;
}

nlohmann::ordered_json PageJson(const AppState& rState, const ReportSection& rSection) {
  nlohmann::ordered_json page;
  page["title"] = rSection.Title;
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const DeclaredPage& declared : DeclaredPages()) {
    if (declared.Key != rSection.Key) continue;
    for (const PageField& field : declared.Fields) {
      const int stored = declared.Value(rState.Current, field.Slot);
      fields.push_back({{"name", field.Name},
                        {"label", FieldLabel(rState, field)},
                        {"value", stored},
                        {"text", FieldValueText(rState, field, ShownFieldValue(rState, field, stored))}});
    }
  }
  page["fields"] = std::move(fields);
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const ReportRow& row : rSection.Rows) rows.push_back({{"label", row.Label}, {"value", row.Value}});
  page["rows"] = std::move(rows);
  nlohmann::ordered_json tables = nlohmann::ordered_json::array();
  for (const ReportTable& table : rSection.Tables)
    tables.push_back({{"title", table.Title}, {"header", table.Header}, {"rows", table.Rows}});
  page["tables"] = std::move(tables);
  return page;
}

}  // namespace

nlohmann::ordered_json CodeplugShowJson(const AppState& rState, const std::string& rSource) {
  const Codeplug& plug = rState.Current;
  nlohmann::ordered_json json;
  json["codeplug"] = rSource;
  json["band"] = {{"index", plug.BandIndex},
                  {"rx_min", Limit(plug.MinRxFreq)},
                  {"rx_max", Limit(plug.MaxRxFreq)},
                  {"tx_min", Limit(plug.MinTxFreq)},
                  {"tx_max", Limit(plug.MaxTxFreq)}};
  nlohmann::ordered_json notes = nlohmann::ordered_json::array();
  json["channel_count"] = plug.ChannelCount;
  json["channels"] = ChannelsJson(rState, notes);
  json["notes"] = std::move(notes);

  std::vector<std::string> keys;
  for (const ReportPage& page : ReportPages())
    if (page.Describe != nullptr && page.Key != "channels") keys.emplace_back(page.Key);
  nlohmann::ordered_json pages = nlohmann::ordered_json::object();
  for (const ReportSection& section : BuildReport(rState, EmbeddedInfo{}, keys).Sections)
    pages[section.Key] = PageJson(rState, section);
  json["pages"] = std::move(pages);
  return json;
}

}  // namespace px
