#include "codeplug/embedded_info.h"

#include <cstdio>

namespace px {

std::vector<LabelledField> LabelledEmbeddedInfo(const EmbeddedInfo& rInfo) {
  std::vector<LabelledField> fields;
  VisitEmbeddedFields(rInfo, [&fields](const auto& rField, std::size_t, bool, const char* rLabel) {
    fields.push_back({rLabel, rField.Display()});
  });
  fields.push_back({"Version", TrimFixedText(rInfo.EmbeddedVersion)});
  return fields;
}

EmbeddedInfo StartupEmbeddedInfo(int rYear, int rMonth, int rDay, const std::string& rShownDate) {
  char day[16];
  std::snprintf(day, sizeof day, "%04d%02d%02d", rYear % 10000, rMonth % 100, rDay % 100);
  char month[4];
  std::snprintf(month, sizeof month, "%02d", rMonth % 100);
  EmbeddedInfo info;
  info.AreaCode.Assign("0595");
  info.SerialNumber.Assign(std::string(day) + "00000001");
  info.ProductionDate.Assign(rShownDate);
  info.MaintenanceDate.Assign(rShownDate);
  info.StockDate.Assign(rShownDate);
  info.SellDate.Assign(rShownDate);
  info.ManufactureCode.Assign(std::string(month) + "-1-E-1");
  info.UserCode.Assign("001A");
  info.DealerCode.Assign("");
  info.Seller.Assign("");
  info.MaintenanceReason.Assign("");
  info.EmbeddedVersion = "V1.00";
  return info;
}

}  // namespace px
