#include "edit/book_rules.h"

#include "app/language.h"
#include "app/messages.h"
#include "app/reason_text.h"

namespace px {
namespace {

constexpr int kTextPosition = 3007;
constexpr int kTextName = 1801;
constexpr const char* kCallIdHeader = "Call ID";  // the same in every language
constexpr const char* kBookFileSuffix = " (*.cb)|*.cb";

std::string FileErrorText(const AppState& rState, const std::string& rReason) {
  return MessageText(rState, Message::FileError) + kMessageLineBreak + LocalReason(rState, rReason);
}

template <std::size_t N>
void StoreCellText(FixedText<N>& rField, const std::string& rShown) {
  if (rShown.size() >= N) {
    rField.Assign(rShown);
    return;
  }
  rField.Assign(rShown + '\0');
}

}  // namespace

BookEntries GetBookData(const AppState& rState) { return rState.Current.Book; }

void SetBookData(AppState& rState, const BookEntries& rEntries) { rState.Current.Book = rEntries; }

BookWork OpenBookWork(const AppState& rState) { return {GetBookData(rState), rState.BookFilePath}; }

void ApplyBookWork(AppState& rState, const BookWork& rWork) {
  SetBookData(rState, rWork.Entries);
  rState.BookFilePath = rWork.Path;
}

std::vector<BookRowTexts> ShowBookData(const BookEntries& rEntries) {
  std::vector<BookRowTexts> rows;
  rows.reserve(rEntries.size());
  for (std::size_t n = 0; n < rEntries.size(); ++n)
    rows.push_back({std::to_string(n), rEntries[n].CallId.Display(), rEntries[n].Name.Display()});
  return rows;
}

std::vector<std::string> BookHeaderTexts(const AppState& rState) {
  return {LangText(rState, kTextPosition), kCallIdHeader, LangText(rState, kTextName)};
}

int BookCellMaxLength(int rColumn) {
  switch (rColumn) {
    case kBookColCallId: return kBookCallIdLength;
    case kBookColName: return kBookNameLength;
    default: return 0;
  }
}

int FilterBookKey(int rColumn, int rCode) {
  constexpr int kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kDel = 127;
  if (rCode == kCtrlC || rCode == kCtrlV || rCode == kCtrlX || rCode >= kDel || rCode < 0) return -1;
  if (rCode < 32) return rCode;  // backspace and the like
  const bool digit = rCode >= '0' && rCode <= '9';
  if (rColumn == kBookColCallId) return digit ? rCode : -1;
  if (rCode >= 'a' && rCode <= 'z') return rCode - 'a' + 'A';
  if (digit || (rCode >= 'A' && rCode <= 'Z') || rCode == ' ') return rCode;
  return -1;
}

std::string CommitBookCell(BookEntries& rEntries, int rEntry, int rColumn, const std::string& rText) {
  if (rEntry < 0 || rEntry >= kBookEntries) return {};
  BookEntry& entry = rEntries[static_cast<std::size_t>(rEntry)];
  const std::string shown = TrimFixedText(rText);
  if (rColumn == kBookColCallId) {
    StoreCellText(entry.CallId, shown);
    return entry.CallId.Display();
  }
  if (rColumn == kBookColName) {
    StoreCellText(entry.Name, shown);
    return entry.Name.Display();
  }
  return {};
}

std::string BookFileFilter(const AppState& rState) {
  return MessageText(rState, Message::PrintCommunicationBook) + kBookFileSuffix;
}

bool ImportBookFile(const AppState& rState, BookWork& rWork, UserInterface& rUi) {
  const auto path = rUi.ChooseFileToOpen(BookFileFilter(rState), rWork.Path);
  if (!path || path->empty()) return false;
  std::string error;
  if (!ReadBookFile(*path, rWork.Entries, error)) {
    rUi.Tell(FileErrorText(rState, error), MsgIcon::Critical);
    return false;
  }
  rWork.Path = *path;
  return true;
}

bool ExportBookFile(const AppState& rState, BookWork& rWork, UserInterface& rUi) {
  const auto path = rUi.ChooseFileToSave(BookFileFilter(rState), rWork.Path);
  if (!path || path->empty()) return false;
  std::string error;
  if (!WriteBookFile(*path, rWork.Entries, error)) {
    rUi.Tell(FileErrorText(rState, error), MsgIcon::Critical);
    return false;
  }
  rWork.Path = *path;
  return true;
}

ReportSection DescribeBookPage(const AppState& rState) {
  ReportSection section;
  section.Key = "book";
  section.Title = MessageText(rState, Message::PrintCommunicationBook);
  ReportTable table;
  table.Header = BookHeaderTexts(rState);
  const auto rows = ShowBookData(rState.Current.Book);
  for (const BookRowTexts& row : rows) {
    if (row.CallId.empty() && row.Name.empty()) continue;
    table.Rows.push_back({row.Position, Latin1ToUtf8(row.CallId), Latin1ToUtf8(row.Name)});
  }
  section.Tables.push_back(std::move(table));
  return section;
}

}  // namespace px
