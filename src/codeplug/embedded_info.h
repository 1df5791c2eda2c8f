#pragma once
// The radio's identification and service data from addresses 0x0010..0x00FF. Program
// state only: never written to the radio, never stored in the codeplug file.

#include <cstddef>
#include <string>
#include <vector>

#include "codeplug/fixed_text.h"

namespace px {

struct EmbeddedInfo {
  FixedText<4> AreaCode;
  FixedText<16> SerialNumber;
  FixedText<16> ProductionDate;
  FixedText<8> ManufactureCode;
  FixedText<4> UserCode;
  FixedText<16> MaintenanceDate;
  FixedText<16> DealerCode;
  FixedText<16> StockDate;
  FixedText<16> SellDate;
  FixedText<16> Seller;
  FixedText<96> MaintenanceReason;
  std::string EmbeddedVersion = "V1.00";  // not read from the radio
  bool operator==(const EmbeddedInfo&) const = default;
};

// Where each field lies in the radio memory, whether it also ends at 0xFF (only the area
// code does) and its English label, in memory order.
template <class Info, class Visitor>
void VisitEmbeddedFields(Info& rInfo, Visitor&& rVisit) {
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

struct LabelledField {
  std::string Label;  // English label of the embedded-information page
  std::string Value;  // display form: up to the first NUL, trailing spaces removed
};

// Every field with its English label, in the order of the radio's memory, the version last.
std::vector<LabelledField> LabelledEmbeddedInfo(const EmbeddedInfo& rInfo);

// The values the program holds before any radio is read, for the day rYear-rMonth-rDay;
// rShownDate is that day as the user's locale writes it short.
EmbeddedInfo StartupEmbeddedInfo(int rYear, int rMonth, int rDay, const std::string& rShownDate);

}  // namespace px
