// The communication book: stored form of the cells, the key filter, the book file, and
// import / export through the file dialogs.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages.h"
#include "codeplug/book_file.h"
#include "edit/book_rules.h"
#include "edit/codeplug_ops.h"
#include "support/full_codeplug.h"
#include "support/language_home.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using test::ReadBytes;
using test::ScriptedUi;
using test::TempDir;
using test::WriteBytes;

AppState StateWithSource() {
  static const test::LanguageHome home;
  return home.State();
}

BookEntries DefaultBook() {
  Codeplug plug;
  ResetToDefaults(plug);
  return plug.Book;
}

template <std::size_t N>
std::string RawOf(const FixedText<N>& rText) {
  return std::string(rText.Raw());
}

TEST(BookCells, StoredFormIsTextNulThenSpaces) {
  BookEntries book{};
  EXPECT_EQ(CommitBookCell(book, 0, kBookColCallId, "123"), "123");
  EXPECT_EQ(RawOf(book[0].CallId), std::string("123\0 ", 5));
  EXPECT_EQ(CommitBookCell(book, 1, kBookColCallId, "12345"), "12345");
  EXPECT_EQ(RawOf(book[1].CallId), "12345");
  EXPECT_EQ(CommitBookCell(book, 2, kBookColName, "AB C"), "AB C");
  EXPECT_EQ(RawOf(book[2].Name), std::string("AB C\0  ", 7));
  EXPECT_EQ(CommitBookCell(book, 3, kBookColName, "ABCDEFG"), "ABCDEFG");
  EXPECT_EQ(RawOf(book[3].Name), "ABCDEFG");
  // An emptied cell holds the empty text of the defaults; trailing blanks are dropped.
  book[4].Name.Assign("OLD");
  EXPECT_EQ(CommitBookCell(book, 4, kBookColName, ""), "");
  EXPECT_EQ(book[4].Name, FixedText<7>::DefaultEmpty());
  EXPECT_EQ(CommitBookCell(book, 5, kBookColName, "AB   "), "AB");
  EXPECT_EQ(RawOf(book[5].Name), std::string("AB\0    ", 7));
  // The position column has no editor, and positions outside the book are ignored.
  const BookEntries before = book;
  EXPECT_EQ(CommitBookCell(book, 6, kBookColPosition, "9"), "");
  EXPECT_EQ(CommitBookCell(book, 128, kBookColName, "X"), "");
  EXPECT_EQ(CommitBookCell(book, -1, kBookColName, "X"), "");
  EXPECT_EQ(book, before);
  EXPECT_EQ(book[0].Index, 0);
}

TEST(BookCells, KeyFilterPerColumn) {
  for (char c : std::string("0123456789")) {
    EXPECT_EQ(FilterBookKey(kBookColCallId, c), c);
    EXPECT_EQ(FilterBookKey(kBookColName, c), c);
  }
  // Letters and blanks are no call ID.
  for (char c : std::string("aZ -#")) EXPECT_EQ(FilterBookKey(kBookColCallId, c), -1) << c;
  EXPECT_EQ(FilterBookKey(kBookColName, 'a'), 'A');
  EXPECT_EQ(FilterBookKey(kBookColName, 'z'), 'Z');
  EXPECT_EQ(FilterBookKey(kBookColName, 'Q'), 'Q');
  EXPECT_EQ(FilterBookKey(kBookColName, ' '), ' ');
  for (int c : {int('\\'), int('~'), 127, int('-'), int('#'), int('.'), 200, 3, 22, 24})
    EXPECT_EQ(FilterBookKey(kBookColName, c), -1) << c;
  EXPECT_EQ(FilterBookKey(kBookColName, '\b'), '\b');
  EXPECT_EQ(BookCellMaxLength(kBookColCallId), 5);
  EXPECT_EQ(BookCellMaxLength(kBookColName), 7);
  EXPECT_EQ(BookCellMaxLength(kBookColPosition), 0);
}

TEST(BookCells, GridShowsPositionsAndDisplayForms) {
  BookEntries book = DefaultBook();
  book[127].CallId.Assign(std::string("9\0   ", 5));
  book[127].Name.Assign("LAST   ");
  const auto rows = ShowBookData(book);
  ASSERT_EQ(rows.size(), 128u);
  EXPECT_EQ(rows[0].Position, "0");
  EXPECT_EQ(rows[0].CallId, "");
  EXPECT_EQ(rows[127].Position, "127");
  EXPECT_EQ(rows[127].CallId, "9");
  EXPECT_EQ(rows[127].Name, "LAST");
}

TEST(BookFile, FullBookRoundTripsByteForByte) {
  AppState state;
  FillFullCodeplug(state);
  BookEntries& book = state.Current.Book;
  book[5].Index = 0x1234;  // copied as it is, whatever it holds
  book[6].Name.Assign(std::string("\xE9\xFF" "A\0 x ", 7));
  TempDir dir;
  const std::string path = dir.File("full.cb");
  std::string error;
  ASSERT_TRUE(WriteBookFile(path, book, error)) << error;
  const auto bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 1792u);
  // Entry 5 at offset 70: Index low byte first, then the call ID and the name.
  EXPECT_EQ(bytes[70], 0x34);
  EXPECT_EQ(bytes[71], 0x12);
  EXPECT_EQ(std::string(bytes.begin() + 72, bytes.begin() + 77), RawOf(book[5].CallId));
  EXPECT_EQ(std::string(bytes.begin() + 84 + 7, bytes.begin() + 98), RawOf(book[6].Name));
  BookEntries back{};
  ASSERT_TRUE(ReadBookFile(path, back, error)) << error;
  EXPECT_EQ(back, book);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp~"));
}

TEST(BookFile, RefusesMissingShortAndLongFiles) {
  TempDir dir;
  BookEntries book = DefaultBook();
  const BookEntries before = book;
  std::string error;
  EXPECT_FALSE(ReadBookFile(dir.File("none.cb"), book, error));
  EXPECT_NE(error.find("none.cb"), std::string::npos);
  for (std::size_t size : {0u, 1791u, 1793u, 8667u}) {
    WriteBytes(dir.File("bad.cb"), std::vector<Byte>(size, '7'));
    error.clear();
    EXPECT_FALSE(ReadBookFile(dir.File("bad.cb"), book, error)) << size;
    EXPECT_NE(error.find(std::to_string(size) + " bytes"), std::string::npos) << error;
    EXPECT_EQ(book, before);
  }
}

TEST(BookFile, FailedWriteKeepsTheEarlierFile) {
  TempDir dir;
  const std::string path = dir.File("keep.cb");
  WriteBytes(path, std::vector<Byte>(1792, 'K'));
  BookEntries book{};
  std::string error;
  // A folder in the way of the temporary file: nothing can be written.
  std::filesystem::create_directory(path + ".tmp~");
  EXPECT_FALSE(WriteBookFile(path, book, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(path), std::vector<Byte>(1792, 'K'));
  EXPECT_FALSE(WriteBookFile(dir.File("no/such/folder.cb"), book, error));
}

class BookDialogFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    mState = StateWithSource();
    FillFullCodeplug(mState);
    mWork = OpenBookWork(mState);
  }
  AppState mState;
  BookWork mWork;
  ScriptedUi mUi;
  TempDir mDir;
};

TEST_F(BookDialogFiles, ExportThenImportIntoAnotherCodeplugGivesTheSameBook) {
  mUi.Files.push_back(mDir.File("out.cb"));
  ASSERT_TRUE(ExportBookFile(mState, mWork, mUi));
  EXPECT_EQ(mWork.Path, mDir.File("out.cb"));
  EXPECT_EQ(mUi.FileDialogs.at(0), "Communication Book (*.cb)|*.cb");
  EXPECT_EQ(ReadBytes(mDir.File("out.cb")).size(), 1792u);

  AppState other = StateWithSource();
  ResetToDefaults(other.Current);
  BookWork work = OpenBookWork(other);
  EXPECT_EQ(work.Path, "new.cb");
  mUi.Files.push_back(mDir.File("out.cb"));
  ASSERT_TRUE(ImportBookFile(other, work, mUi));
  // The imported entries reach the codeplug only with OK.
  EXPECT_NE(other.Current.Book, mState.Current.Book);
  ApplyBookWork(other, work);
  EXPECT_EQ(other.Current.Book, mState.Current.Book);
  EXPECT_EQ(other.BookFilePath, mDir.File("out.cb"));
  EXPECT_TRUE(mUi.Questions.empty());
}

TEST_F(BookDialogFiles, CancelledDialogsDoNothing) {
  const BookWork before = mWork;
  EXPECT_FALSE(ImportBookFile(mState, mWork, mUi));
  EXPECT_FALSE(ExportBookFile(mState, mWork, mUi));
  EXPECT_EQ(mUi.FileDialogs.size(), 2u);
  EXPECT_EQ(mWork.Entries, before.Entries);
  EXPECT_EQ(mWork.Path, before.Path);
  EXPECT_TRUE(mUi.Questions.empty());
  EXPECT_TRUE(std::filesystem::is_empty(mDir.Path()));
}

TEST_F(BookDialogFiles, BadBookFileIsAFileErrorWithTheReasonAndChangesNothing) {
  WriteBytes(mDir.File("short.cb"), std::vector<Byte>(100, '1'));
  const BookWork before = mWork;
  for (const std::string name : {"short.cb", "missing.cb"}) {
    mUi.Files.push_back(mDir.File(name));
    EXPECT_FALSE(ImportBookFile(mState, mWork, mUi));
    ASSERT_FALSE(mUi.Questions.empty());
    const std::string& told = mUi.Questions.back().Text;
    EXPECT_EQ(told.rfind("file error.", 0), 0u) << told;
    EXPECT_NE(told.find(name), std::string::npos) << told;
    EXPECT_EQ(mWork.Entries, before.Entries);
    EXPECT_EQ(mWork.Path, before.Path);
  }
  SetLanguage(mState, kChinese);
  mUi.Files.push_back(mDir.File("no/folder/x.cb"));
  EXPECT_FALSE(ExportBookFile(mState, mWork, mUi));
  EXPECT_EQ(mUi.Questions.back().Text.rfind("文件错误。", 0), 0u);
  EXPECT_EQ(mWork.Path, before.Path);
}

TEST(BookReport, TableOfTheEntriesInUse) {
  AppState state = StateWithSource();
  ResetToDefaults(state.Current);
  state.Current.Book[3].CallId.Assign(std::string("123\0 ", 5));
  state.Current.Book[3].Name.Assign(std::string("\xC4" "BC", 3));
  state.Current.Book[9].Name.Assign("ONLYNAM");
  const ReportSection section = DescribeBookPage(state);
  EXPECT_EQ(section.Key, "book");
  EXPECT_EQ(section.Title, "Communication Book");
  ASSERT_EQ(section.Tables.size(), 1u);
  const ReportTable& table = section.Tables[0];
  EXPECT_EQ(table.Header, (std::vector<std::string>{"No.", "Call ID", "Name"}));
  ASSERT_EQ(table.Rows.size(), 2u);
  EXPECT_EQ(table.Rows[0], (std::vector<std::string>{"3", "123", "\xC3\x84" "BC"}));
  EXPECT_EQ(table.Rows[1], (std::vector<std::string>{"9", "", "ONLYNAM"}));
  SetLanguage(state, kChinese);
  EXPECT_EQ(DescribeBookPage(state).Title, "通信簿");
  EXPECT_EQ(DescribeBookPage(state).Tables[0].Header[2], "名称");
}

}  // namespace
}  // namespace px
