#pragma once
// Every page of the codeplug, one row each, as the core knows it: its key, the texts that
// name it, its help topic, the record it edits, its field rows and how the report
// describes it. The report's page list (ReportPages), the declared pages of diff and
// show (DeclaredPages), diff's page order and the help topics are all read from here; the
// desktop's own catalogue adds only how a page opens, under the same key.

#include <span>
#include <string_view>

#include "app/messages.h"
#include "edit/page_fields.h"
#include "edit/report.h"

namespace px {

struct CorePage {
  std::string_view Key;     // "scan": report section, `print --pages`, show and the desktop row
  std::string_view Window;  // the object name of the window that shows the page ("FrmScan")
  int TreeTextId = 0;       // the page tree's text; 0: the fixed text "CH"
  Message PrintText;        // its name in the print list
  bool TitledByTree = false;  // the report titles it with its tree text, not its print text
  std::string_view HelpTopic;  // the manual page ("scan" → manual/<lang>/scan.html)
  // The record the page edits, as diff compares it ("Settings.Scan"); empty: diff compares
  // it otherwise (the channels) or not at all (the embedded information).
  std::string_view Record;
  int DiffOrder = 0;        // where diff tells the page's differences among the pages'
  PageDescriber Describe;   // null for the embedded information, which the radio gives
  // The page's field rows, under the record path of the array their slots index (or of
  // the record whose members they are); no rows: the page declares none.
  std::string_view FieldsPath = {};
  PageFields (*Fields)() = nullptr;
  int (*Value)(const Codeplug& rPlug, std::size_t rSlot) = nullptr;
  void (*Store)(Codeplug& rPlug, std::size_t rSlot, int rValue) = nullptr;
};

// Every page, in print order.
std::span<const CorePage> CorePages();
const CorePage* FindCorePage(std::string_view rKey);

}  // namespace px
