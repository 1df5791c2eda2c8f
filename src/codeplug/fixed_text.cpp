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

}  // namespace px
