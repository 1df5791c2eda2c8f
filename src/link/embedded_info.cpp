#include "link/embedded_info.h"

#include "link/image_bytes.h"

namespace px {
namespace {

// Where each field lies in the radio memory, its width and its label. The area code is
// the only field that also ends at 0xFF.
template <class Visitor>
void VisitEmbeddedFields(EmbeddedInfo& rInfo, Visitor&& rVisit) {
  rVisit(rInfo.AreaCode, 0x0019, true, "Area Code");
  rVisit(rInfo.SerialNumber, 0x0020, false, "Serial Number");
  rVisit(rInfo.ProductionDate, 0x0030, false, "Producted Date");
  rVisit(rInfo.ManufactureCode, 0x0040, false, "Manufacture Code");
  rVisit(rInfo.UserCode, 0x0048, false, "User Code");
  rVisit(rInfo.MaintenanceDate, 0x0050, false, "Maintained Date");
  rVisit(rInfo.DealerCode, 0x0060, false, "Dealer Code");
  rVisit(rInfo.StockDate, 0x0070, false, "Stock Date");
  rVisit(rInfo.SellDate, 0x0080, false, "Sell Date");
  rVisit(rInfo.Seller, 0x0090, false, "Seller");
  rVisit(rInfo.MaintenanceReason, 0x00A0, false, "Maintained");
}

}  // namespace

EmbeddedInfo DecodeEmbeddedInfo(const RadioImage& rImage) {
  EmbeddedInfo info;
  VisitEmbeddedFields(info, [&rImage](auto& rField, std::size_t rAddress, bool rStopAtFF,
                                      const char*) {
    std::string text = GetImageText(rImage, rAddress, rField.Size, rStopAtFF);
    AssignWithNul(rField, TrimRight(text));
  });
  return info;
}

std::vector<LabelledField> LabelledEmbeddedInfo(const EmbeddedInfo& rInfo) {
  std::vector<LabelledField> fields;
  EmbeddedInfo copy = rInfo;
  VisitEmbeddedFields(copy, [&fields](const auto& rField, std::size_t, bool, const char* rLabel) {
    fields.push_back({rLabel, rField.Display()});
  });
  fields.push_back({"Version", TrimFixedText(rInfo.EmbeddedVersion)});
  return fields;
}

}  // namespace px
