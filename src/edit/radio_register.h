#pragma once
// A dealer's register of radios: CSV with the header serial,dtmf_id,five_tone_id (in any
// order, more columns allowed), one row per radio, so that a radio programmed again gets
// the identity it had whatever port it is on.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edit/fleet_identity.h"

namespace px {

struct RegisterEntry {
  int Line = 0;
  std::string Serial;
  RadioIds Ids;
};

struct RadioRegister {
  std::vector<RegisterEntry> Entries;
  // The entry of a serial number (blanks at either end do not count).
  const RegisterEntry* Find(std::string_view rSerial) const;
};

// The register, or nullopt with one message per refused line ("line 4: ...") in
// rErrors: a missing column, a row without a serial number, an ID that is not one, a
// serial number given twice.
std::optional<RadioRegister> ParseRegister(std::string_view rText, std::vector<std::string>& rErrors);

}  // namespace px
