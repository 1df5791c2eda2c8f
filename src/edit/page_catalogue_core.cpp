// The page catalogue of the core: one row per page. A new page is its rules module, its
// dialog and one row here plus its row in the desktop's catalogue.

#include "edit/page_catalogue_core.h"

#include <type_traits>
#include <vector>

#include "edit/alert_rules.h"
#include "edit/book_rules.h"
#include "edit/dtmf_rules.h"
#include "edit/five_tone_rules.h"
#include "edit/key_rules.h"
#include "edit/option_rules.h"
#include "edit/scan_rules.h"
#include "edit/two_tone_rules.h"

namespace px {

namespace {

template <auto Member>
int ValueOf(const Codeplug& rPlug, std::size_t rSlot) {
  return (rPlug.Settings.*Member)[rSlot];
}

template <auto Member>
void StoreOf(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  auto& values = rPlug.Settings.*Member;
  values[rSlot] = static_cast<typename std::remove_reference_t<decltype(values)>::value_type>(rValue);
}

int TwoToneValueOf(const Codeplug& rPlug, std::size_t rSlot) { return rPlug.Settings.TwoTone.Header[rSlot]; }
void StoreTwoToneValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  rPlug.Settings.TwoTone.Header[rSlot] = static_cast<Byte>(rValue);
}

int FiveToneValueOf(const Codeplug& rPlug, std::size_t rSlot) {
  return FiveToneValuesOf(rPlug.Settings.FiveTone, rPlug.FiveToneLastOption)[rSlot];
}
void StoreFiveToneValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  FiveToneValues values = FiveToneValuesOf(rPlug.Settings.FiveTone, rPlug.FiveToneLastOption);
  values[rSlot] = rValue;
  SetFiveToneValues(values, rPlug.Settings.FiveTone, rPlug.FiveToneLastOption);
}

int OptionValueOf(const Codeplug& rPlug, std::size_t rSlot) { return rPlug.Settings.Options.OptionValues[rSlot]; }
void StoreOptionValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  rPlug.Settings.Options.OptionValues[rSlot] = static_cast<Int16>(rValue);
}

int DtmfValueOf(const Codeplug& rPlug, std::size_t rSlot) { return DtmfValuesOf(rPlug.Settings.Dtmf)[rSlot]; }
void StoreDtmfValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  DtmfValues values = DtmfValuesOf(rPlug.Settings.Dtmf);
  values[rSlot] = static_cast<Int16>(rValue);
  SetDtmfValues(values, rPlug.Settings.Dtmf);
}


// key, window, tree text, print text, titled by tree, help topic, record, diff order,
// describer; then the field rows with their record path and accessors
const CorePage kPages[] = {
    {"channels", "frmMain", 0, Message::PrintChannelInfo, false, "index", "", 0, DescribeChannelsPage},
    {"options", "FrmOption", 5021, Message::PrintOption, false, "options", "Settings.Options", 1,
     DescribeOptionsPage, "Settings.Options.OptionValues", OptionFields, OptionValueOf, StoreOptionValue},
    {"keys", "FrmKeySet", 5029, Message::PrintOption, true, "keys", "Settings.KeyFunctions", 2, DescribeKeysPage,
     "Settings.KeyFunctions", KeyFields, ValueOf<&RadioSettings::KeyFunctions>,
     StoreOf<&RadioSettings::KeyFunctions>},
    {"dtmf", "FrmDTMF", 5023, Message::PrintDtmf, false, "dtmf", "Settings.Dtmf", 5, DescribeDtmfPage,
     "Settings.Dtmf", DtmfFields, DtmfValueOf, StoreDtmfValue},
    {"twotone", "Frm2Tone", 5024, Message::PrintTwoTone, false, "twotone", "Settings.TwoTone", 6,
     DescribeTwoTonePage, "Settings.TwoTone.Header", TwoToneFields, TwoToneValueOf, StoreTwoToneValue},
    {"fivetone", "Frm5Tone", 5025, Message::PrintFiveTone, false, "fivetone", "Settings.FiveTone", 7,
     DescribeFiveTonePage, "Settings.FiveTone", FiveToneFields, FiveToneValueOf, StoreFiveToneValue},
    {"scan", "FrmScan", kTextScanCaption, Message::PrintOption, true, "scan", "Settings.Scan", 3, DescribeScanPage,
     "Settings.Scan", ScanFields, ValueOf<&RadioSettings::Scan>, StoreOf<&RadioSettings::Scan>},
    {"alert", "FrmAlert", kTextAlertCaption, Message::PrintOption, true, "alert", "Settings.Alert", 4,
     DescribeAlertPage, "Settings.Alert", AlertFields, ValueOf<&RadioSettings::Alert>,
     StoreOf<&RadioSettings::Alert>},
    {"book", "FrmCommuBook", 5804, Message::PrintCommunicationBook, false, "book", "Book", 8, DescribeBookPage},
    {"embedded", "FrmEMG", 5028, Message::PrintEmbeddedMessage, false, "embedded", "", 0, nullptr},
};

}  // namespace

std::span<const CorePage> CorePages() { return kPages; }

const CorePage* FindCorePage(std::string_view rKey) {
  for (const CorePage& page : kPages)
    if (page.Key == rKey) return &page;
  return nullptr;
}

std::span<const ReportPage> ReportPages() {
  static const std::vector<ReportPage> pages = [] {
    std::vector<ReportPage> out;
    for (const CorePage& page : kPages)
      out.push_back({page.Key, page.PrintText, page.Describe, page.TitledByTree ? page.TreeTextId : 0});
    return out;
  }();
  return pages;
}

std::span<const DeclaredPage> DeclaredPages() {
  static const std::vector<DeclaredPage> pages = [] {
    std::vector<DeclaredPage> out;
    for (const CorePage& page : kPages)
      if (page.Fields != nullptr) out.push_back({page.Key, page.FieldsPath, page.Fields(), page.Value, page.Store});
    return out;
  }();
  return pages;
}

}  // namespace px
