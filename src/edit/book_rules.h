#pragma once
// The communication book page without its widgets: the working copy of the 128 entries,
// the grid's texts, the cell editor's keys and stored form, the book file's import and
// export, OK, and the page's part of the printed report.

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/user_interface.h"
#include "codeplug/book_file.h"
#include "edit/report_section.h"

namespace px {

enum BookColumn { kBookColPosition, kBookColCallId, kBookColName, kBookColumns };

inline constexpr int kBookCallIdLength = 5;
inline constexpr int kBookNameLength = 7;

// What the dialog works on; the codeplug and the program's book file path change only
// on OK.
struct BookWork {
  BookEntries Entries{};
  std::string Path;
};

BookEntries GetBookData(const AppState& rState);
void SetBookData(AppState& rState, const BookEntries& rEntries);

// The entries and the current book file path, as the dialog opens.
BookWork OpenBookWork(const AppState& rState);
// OK: the entries into the codeplug, the path into the program state.
void ApplyBookWork(AppState& rState, const BookWork& rWork);

// One grid row per entry: "0".."127", then the call ID and the name in display form
// (raw bytes; the dialog shows each byte as one character).
struct BookRowTexts {
  std::string Position;
  std::string CallId;
  std::string Name;
};
std::vector<BookRowTexts> ShowBookData(const BookEntries& rEntries);

// Headers of the grid and of the report's table, in the current language.
std::vector<std::string> BookHeaderTexts(const AppState& rState);

// The cell editor's maximum length for a column; 0 for the position column (no editor).
int BookCellMaxLength(int rColumn);

// The editor's key filter for one typed character: the character to insert (letters in
// upper case), or -1 when the key is swallowed. Control characters other than the
// clipboard keys pass unchanged.
int FilterBookKey(int rColumn, int rCode);

// Stores the editor text into entry rEntry's call ID (rColumn 1) or name (2): its display
// form, then a NUL when shorter than the field, then spaces; an empty text gives the
// empty text of the defaults. Returns what the cell shows.
std::string CommitBookCell(BookEntries& rEntries, int rEntry, int rColumn, const std::string& rText);

// "Communication Book (*.cb)|*.cb" in the current language.
std::string BookFileFilter(const AppState& rState);

// Import and Export through the file dialogs of rUi. A cancelled dialog does nothing; a
// file that cannot be read, is not a book file or cannot be written is told as
// "file error." with the reason, and the working copy and its path stay as they were.
// True when the file was read or written.
bool ImportBookFile(const AppState& rState, BookWork& rWork, UserInterface& rUi);
bool ExportBookFile(const AppState& rState, BookWork& rWork, UserInterface& rUi);

// The entries that hold a call ID or a name, as a table.
ReportSection DescribeBookPage(const AppState& rState);

}  // namespace px
