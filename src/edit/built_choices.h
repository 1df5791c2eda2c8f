#pragma once
// Choice tables whose entries are made while the program runs: number ranges, texts
// joined from several language texts, and lists that follow the codeplug (its memory
// channels, its codes in use). The table owns its texts, so it can be moved but not
// copied (the entries point into the texts).

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "edit/choice_table.h"
#include "edit/report_section.h"

namespace px {

struct AppState;

class BuiltChoices {
 public:
  BuiltChoices() = default;
  BuiltChoices(BuiltChoices&&) = default;
  BuiltChoices& operator=(BuiltChoices&&) = default;
  BuiltChoices(const BuiltChoices&) = delete;
  BuiltChoices& operator=(const BuiltChoices&) = delete;

  // A language text entry (shown as rFixed when the language file lacks it).
  void Add(const Choice& rChoice) { mEntries.push_back(rChoice); }
  // A made-up text.
  void Add(std::string rText, int rStored);

  ChoiceTable Table() const { return mEntries; }
  operator ChoiceTable() const { return Table(); }  // wherever a table is read
  bool Empty() const { return mEntries.empty(); }

 private:
  std::deque<std::string> mTexts;  // a deque never moves what it holds, so entries may point in
  std::vector<Choice> mEntries;
};

// Entries for the stored values rFirst..rLast, each shown as rText(value).
BuiltChoices NumberChoices(int rFirst, int rLast, const std::function<std::string(int)>& rText);
// The same, shown as the plain decimal number.
BuiltChoices NumberChoices(int rFirst, int rLast);

// The memory channels of the codeplug (Number 1..200), each shown by its row label
// (Number - 1) and stored as its Number, once each, in ascending order.
BuiltChoices MemoryChannelChoices(const AppState& rState);

// The stored value of the entry a list shows for rStored: rStored when an entry stores
// it, else the first entry's; 0 for an empty list (nothing chosen stores 0).
int StoredAsShown(ChoiceTable rTable, int rStored);

// The entry's text by its stored value, "" for an empty list.
std::string ShownText(const AppState& rState, ChoiceTable rTable, int rStored);
// A report row: rLabel, then the text of the entry that stores rStored.
ReportRow ChoiceRow(const AppState& rState, std::string rLabel, ChoiceTable rTable, int rStored);

}  // namespace px
