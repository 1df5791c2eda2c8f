// px4800 book export / import, run as the built program.

#include <gtest/gtest.h>

#include "codeplug/book_file.h"
#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "support/cli_run.h"
#include "support/full_codeplug.h"

namespace px {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class CliBook : public ::testing::Test {
 protected:
  test::CliResult Run(const std::string& rArgs) { return test::RunInFolder(mDir, PX_CLI, rArgs); }
  std::string File(const std::string& rName) const { return mDir.File(rName); }

  void WritePlug(const std::string& rName, const AppState& rState) {
    std::string error;
    ASSERT_TRUE(WriteCodeplugFiles(File(rName), rState.Current, rState.Channels, error)) << error;
  }

  test::TempDir mDir;
};

TEST_F(CliBook, ExportThenImportIntoAnotherCodeplug) {
  AppState full;
  FillFullCodeplug(full);
  WritePlug("full.dat", full);
  AppState plain;
  ResetToDefaults(plain.Current);
  plain.Current.ChannelCount = 0;
  WritePlug("plain.dat", plain);

  test::CliResult r = Run("book export full.dat -o stations.cb");
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(ReadBytes(File("stations.cb")), SerializeBook(full.Current.Book));

  r = Run("book import plain.dat stations.cb");
  ASSERT_EQ(r.Status, 0) << r.Err;
  Codeplug back;
  ChannelTable channels{};
  std::string error;
  ASSERT_TRUE(ReadCodeplugFiles(File("plain.dat"), back, channels, error)) << error;
  Codeplug expected = plain.Current;
  expected.Book = full.Current.Book;
  EXPECT_EQ(back, expected);
}

TEST_F(CliBook, RefusesABadBookFileAndWritesNothing) {
  AppState plain;
  ResetToDefaults(plain.Current);
  WritePlug("plain.dat", plain);
  const auto before = ReadBytes(File("plain.dat"));
  WriteBytes(File("short.cb"), std::vector<Byte>(1000, '5'));

  test::CliResult r = Run("book import plain.dat short.cb");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("1000 bytes"), std::string::npos) << r.Err;
  r = Run("book import plain.dat missing.cb");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("missing.cb"), std::string::npos) << r.Err;
  EXPECT_EQ(ReadBytes(File("plain.dat")), before);

  EXPECT_EQ(Run("book export plain.dat").Status, 2);
  EXPECT_EQ(Run("book copy plain.dat x.cb").Status, 2);
  EXPECT_EQ(Run("book").Status, 2);
  EXPECT_EQ(Run("book export none.dat -o x.cb").Status, 1);
  EXPECT_TRUE(Run("help book").Out.find("1792") != std::string::npos);
}

}  // namespace
}  // namespace px
