#pragma once
// Long numeric lists ("0" .. "2500", "0.5" .. "10.0") as choice tables, built once.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "edit/choice_table.h"

namespace px {

class GeneratedChoices {
 public:
  // Entry i (0 .. rCount-1) shows rText(i) and stores rStored(i); rFirst, when given,
  // goes in front of them.
  GeneratedChoices(int rCount, const std::function<std::string(int)>& rText,
                   const std::function<int(int)>& rStored, std::vector<Choice> rFirst = {})
      : mTable(std::move(rFirst)) {
    mTexts.reserve(static_cast<std::size_t>(rCount));
    for (int i = 0; i < rCount; ++i) mTexts.push_back(rText(i));
    for (int i = 0; i < rCount; ++i)
      mTable.push_back(Choice{0, mTexts[static_cast<std::size_t>(i)], rStored(i)});
  }
  GeneratedChoices(const GeneratedChoices&) = delete;
  GeneratedChoices& operator=(const GeneratedChoices&) = delete;

  ChoiceTable Table() const { return mTable; }

 private:
  std::vector<std::string> mTexts;  // the entries' texts; never grows after construction
  std::vector<Choice> mTable;
};

}  // namespace px
