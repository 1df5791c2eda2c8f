#pragma once
// The radio's identification and service data from addresses 0x0010..0x00FF. Program
// state only: never written to the radio, never stored in the codeplug file.

#include <cstddef>
#include <string>
#include <vector>

#include "codeplug/fixed_text.h"
#include "link/radio_image.h"

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

EmbeddedInfo DecodeEmbeddedInfo(const RadioImage& rImage);

struct LabelledField {
  std::string Label;  // English label of the embedded-information page
  std::string Value;  // display form: up to the first NUL, trailing spaces removed
};

// Every field with its English label, in the order of the radio's memory, the version last.
std::vector<LabelledField> LabelledEmbeddedInfo(const EmbeddedInfo& rInfo);

}  // namespace px
