#include "codeplug/list_helpers.h"

#include <algorithm>

namespace px {

std::string ListItemAt(const TextList& rList, int rIndex) {
  if (rList.empty()) return {};
  if (rIndex < 0 || static_cast<std::size_t>(rIndex) >= rList.size()) return rList.front();
  return rList[static_cast<std::size_t>(rIndex)];
}

std::string ListItemMatching(const TextList& rList, std::string_view rText) {
  if (rList.empty()) return {};
  const auto it = std::find(rList.begin(), rList.end(), rText);
  return it == rList.end() ? rList.front() : *it;
}

int ListIndexOf(const TextList& rList, std::string_view rText, int rDefault) {
  if (rList.empty() || rText.empty()) return rDefault;
  const auto it = std::find(rList.begin(), rList.end(), rText);
  return it == rList.end() ? 0 : static_cast<int>(it - rList.begin());
}

void AddListItemOnce(TextList& rList, std::string_view rText) {
  if (std::find(rList.begin(), rList.end(), rText) == rList.end()) rList.emplace_back(rText);
}

}  // namespace px
