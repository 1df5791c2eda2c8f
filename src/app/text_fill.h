#pragma once
// Values put into a text at its places "%1" .. "%9", so that each language orders the
// values as its sentence needs.

#include <initializer_list>
#include <string>

namespace px {

inline std::string FillText(std::string rText, std::initializer_list<std::string> rValues) {
  std::string out;
  for (std::size_t i = 0; i < rText.size(); ++i) {
    if (rText[i] == '%' && i + 1 < rText.size() && rText[i + 1] >= '1' && rText[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(rText[i + 1] - '1');
      if (index < rValues.size()) out += *(rValues.begin() + index);
      ++i;
      continue;
    }
    out.push_back(rText[i]);
  }
  return out;
}

}  // namespace px
