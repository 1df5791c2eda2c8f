#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/profile.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using test::TempDir;

using test::ReadText;

void WriteText(const std::string& rPath, const std::string& rText) {
  std::ofstream(rPath, std::ios::binary | std::ios::trunc) << rText;
}

TEST(Profile, LookupIgnoresCaseAndSurroundingBlanks) {
  const auto file = ProfileFile::Parse(
      "[Language]\r\n"
      "  comPort =  3  \r\n"
      "Skin=\tblue\t\r\n"
      "[ other ]\r\n"
      "comPort=9\r\n");
  EXPECT_EQ(file.Get("language", "COMPORT"), "3");
  EXPECT_EQ(file.Get("LANGUAGE", "skin"), "blue");
  EXPECT_EQ(file.Get("Other", "comport"), "9");
}

TEST(Profile, AbsentSectionOrKeyReadsEmpty) {
  const auto file = ProfileFile::Parse("[language]\nIsFirstRun=1\n;comPort=4\nnot a key line\n");
  EXPECT_EQ(file.Get("language", "comPort"), "");  // a comment holds no key
  EXPECT_FALSE(file.Has("language", "comPort"));
  EXPECT_EQ(file.Get("missing", "IsFirstRun"), "");
  EXPECT_EQ(file.Get("language", "not a key line"), "");
  EXPECT_EQ(ReadProfileString("/nonexistent/folder/x.ini", "language", "IsFirstRun"), "");
}

TEST(Profile, KeysBeforeAnySectionAndDuplicates) {
  const auto file = ProfileFile::Parse("orphan=1\n[a]\nk=first\nk=second\n[A]\nk=third\nj=4\n");
  EXPECT_EQ(file.Get("a", "orphan"), "");
  EXPECT_EQ(file.Get("a", "k"), "first");
  EXPECT_EQ(file.Get("a", "j"), "4");  // a repeated section still counts
}

TEST(Profile, QuotesKeepBlanksAndEmptyValueIsPresent) {
  const auto file = ProfileFile::Parse("[s]\nunit=\" ms\"\nsingle=' x '\nhalf=\"open\nempty=\n");
  EXPECT_EQ(file.Get("s", "unit"), " ms");
  EXPECT_EQ(file.Get("s", "single"), " x ");
  EXPECT_EQ(file.Get("s", "half"), "\"open");
  EXPECT_TRUE(file.Has("s", "empty"));
  EXPECT_EQ(file.Get("s", "empty"), "");
}

TEST(Profile, ByteOrderMarkAndUtf8Values) {
  const auto file = ProfileFile::Parse("\xEF\xBB\xBF[OTHER]\n1503=语言\n");
  EXPECT_EQ(file.Get("OTHER", "1503"), "语言");
  EXPECT_TRUE(file.Text().starts_with("\xEF\xBB\xBF[OTHER]"));
}

TEST(Profile, WriteKeepsEveryOtherLine) {
  TempDir dir;
  const std::string path = dir.File("mysetup.ini");
  const std::string original =
      "; settings of the program\r\n"
      "[language]\r\n"
      "IsFirstRun=1\r\n"
      "Skin = blue \r\n"
      "Unknown=kept\r\n"
      "comPort=7\r\n"
      "\r\n"
      "[other]\r\n"
      "comPort=9\r\n";
  WriteText(path, original);

  ASSERT_TRUE(WriteProfileString(path, "LANGUAGE", "ComPort", "3"));
  std::string expected = original;
  expected.replace(expected.find("comPort=7"), 9, "comPort=3");
  EXPECT_EQ(ReadText(path), expected);

  // Writing the same value again changes nothing.
  ASSERT_TRUE(WriteProfileString(path, "language", "comPort", "3"));
  EXPECT_EQ(ReadText(path), expected);
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(Profile, WriteAddsKeyAtEndOfItsSection) {
  const std::string original = "[language]\nSkin=blue\n\n[other]\nx=1\n";
  auto file = ProfileFile::Parse(original);
  ASSERT_TRUE(file.Set("Language", "comPort", "2"));
  EXPECT_EQ(file.Text(), "[language]\nSkin=blue\ncomPort=2\n\n[other]\nx=1\n");
  ASSERT_TRUE(file.Set("new", "k", "v"));
  EXPECT_EQ(file.Text(), "[language]\nSkin=blue\ncomPort=2\n\n[other]\nx=1\n\n[new]\nk=v\n");
  EXPECT_EQ(file.Get("new", "k"), "v");
}

TEST(Profile, WriteCreatesMissingFile) {
  TempDir dir;
  const std::string path = dir.File("fresh.ini");
  ASSERT_TRUE(WriteProfileString(path, "language", "comPort", "0"));
  EXPECT_EQ(ReadText(path), "[language]\ncomPort=0\n");
  EXPECT_EQ(ReadProfileString(path, "language", "comPort"), "0");
}

TEST(Profile, WriteRefusesWhatALineCannotHold) {
  auto file = ProfileFile::Parse("[s]\na=1\n");
  const std::string before = file.Text();
  EXPECT_FALSE(file.Set("s", "", "x"));
  EXPECT_FALSE(file.Set("s", "a=b", "x"));
  EXPECT_FALSE(file.Set("s", "[t]", "x"));
  EXPECT_FALSE(file.Set("s]", "a", "x"));
  EXPECT_FALSE(file.Set("s", "a\nb", "x"));
  EXPECT_EQ(file.Text(), before);

  // A value cannot smuggle in another key or section.
  ASSERT_TRUE(file.Set("s", "a", "2\n[t]\r\nb=3"));
  EXPECT_EQ(file.Get("s", "a"), "2 [t]  b=3");
  EXPECT_FALSE(file.Has("t", "b"));
}

TEST(Profile, WriteFailsWithoutTouchingWhatItCannotReplace) {
  TempDir dir;
  // A folder where the file should be: it can be neither read nor replaced.
  std::filesystem::create_directories(dir.Path() / "taken.ini");
  EXPECT_FALSE(WriteProfileString(dir.File("taken.ini"), "s", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "taken.ini"));
  // A missing folder is not created.
  EXPECT_FALSE(WriteProfileString(dir.File("no/such/file.ini"), "s", "k", "v"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "no"));
}

TEST(Profile, EntriesListKeysInFileOrder) {
  const auto entries = ProfileFile::Parse("x=0\n[A]\nk1 = v1\n; note\n[b]\nk2=\"v2 \"\n").Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Section, "A");
  EXPECT_EQ(entries[0].Key, "k1");
  EXPECT_EQ(entries[0].Value, "v1");
  EXPECT_EQ(entries[1].Value, "v2 ");
}

}  // namespace
}  // namespace px
