#include "codeplug/fixed_text.h"

namespace px {

std::string TrimFixedText(std::string_view rText) {
  std::size_t end = rText.size();
  while (end > 0 && rText[end - 1] == ' ') --end;
  rText = rText.substr(0, end);
  const std::size_t nul = rText.find('\0');
  if (nul != std::string_view::npos) rText = rText.substr(0, nul);
  return std::string(rText);
}

std::string BytesToUtf8(std::string_view rRaw) {
  std::string out;
  out.reserve(rRaw.size() * 2);
  for (char c : rRaw) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

}  // namespace px
