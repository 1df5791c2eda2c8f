// Inputs that are no regular files or far too large, outputs that must never be
// replaced, and a pair save that fails half-way.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>

#include "app/app_state.h"
#include "app/reason_text.h"
#include "codeplug/book_file.h"
#include "codeplug/codeplug_file.h"
#include "codeplug/file_bytes.h"
#include "codeplug/input_file.h"
#include "codeplug/json_form.h"
#include "edit/codeplug_ops.h"
#include "link/image_file.h"
#include "support/special_files.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using test::TempDir;

// What each reader makes of a path; every reader must refuse without blocking.
struct Reader {
  const char* Name;
  std::function<std::string(const std::string&)> Read;  // "" on success, else the error
};

std::vector<Reader> Readers() {
  return {
      {"codeplug", [](const std::string& p) {
         Codeplug plug;
         ChannelTable channels{};
         std::string error;
         return ReadCodeplugFiles(p, plug, channels, error) ? std::string() : error;
       }},
      {"book", [](const std::string& p) {
         BookEntries book{};
         std::string error;
         return ReadBookFile(p, book, error) ? std::string() : error;
       }},
      {"image", [](const std::string& p) {
         const ImageFileResult r = ReadImageFile(p);
         return r.Image ? std::string() : ImageFileProblem(p, r);
       }},
      {"json", [](const std::string& p) { return ReadInputFile(p, kJsonCeiling).Error; }},
      {"csv", [](const std::string& p) { return ReadInputFile(p, kCsvCeiling).Error; }},
  };
}

TEST(HostileInputs, APipeOrADeviceIsRefusedByNameWithoutBlocking) {
  TempDir dir;
  const std::string fifo = dir.File("x.dat");
  ASSERT_TRUE(test::MakeFifo(fifo));
  const std::string device = dir.File("zero.dat");
  const bool haveDevice = test::MakeZeroDevice(device);
  for (const Reader& reader : Readers()) {
    SCOPED_TRACE(reader.Name);
    EXPECT_EQ(reader.Read(fifo), fifo + " is not a regular file");
    if (haveDevice) {
      EXPECT_EQ(reader.Read(device), device + " is not a regular file");
    }
  }
  // A link to a pipe is the pipe.
  std::filesystem::create_symlink(fifo, dir.File("link.dat"));
  EXPECT_EQ(Readers()[0].Read(dir.File("link.dat")), dir.File("link.dat") + " is not a regular file");
  if (!haveDevice) GTEST_SKIP() << "mknod not permitted here; the device case was left out";
}

TEST(HostileInputs, APipeAsTheSideFileIsRefused) {
  TempDir dir;
  std::string error;
  ASSERT_TRUE(WriteCodeplugFiles(dir.File("a.dat"), Codeplug{}, ChannelTable{}, error)) << error;
  std::filesystem::remove(dir.File("a.fre"));
  ASSERT_TRUE(test::MakeFifo(dir.File("a.fre")));
  Codeplug plug;
  ChannelTable channels{};
  EXPECT_FALSE(ReadCodeplugFiles(dir.File("a.dat"), plug, channels, error));
  EXPECT_EQ(error, dir.File("a.fre") + " is not a regular file");
}

// Sizes far past every ceiling; the files are holes, so nothing is read if the size is
// checked first (a read of 2 GB would take seconds and gigabytes).
TEST(HostileInputs, AHugeFileIsRefusedBySizeBeforeItIsRead) {
  TempDir dir;
  const std::uint64_t huge = 2ull << 30;
  const std::string path = dir.File("huge.dat");
  ASSERT_TRUE(test::MakeSparse(path, huge));
  const std::string size = std::to_string(huge);
  const std::vector<std::string> expected = {
      path + " is " + size + " bytes long; a codeplug file has 8667",
      path + " is " + size + " bytes long; a book file has 1792",
      path + " is not a radio memory image: " + size + " bytes, an image has " + std::to_string(kImageSize),
      path + " is " + size + " bytes long; at most " + std::to_string(4 << 20) + " bytes are read",
      path + " is " + size + " bytes long; at most " + std::to_string(2 << 20) + " bytes are read",
  };
  const auto readers = Readers();
  for (std::size_t k = 0; k < readers.size(); ++k) {
    SCOPED_TRACE(readers[k].Name);
    EXPECT_EQ(readers[k].Read(path), expected[k]);
  }
}

TEST(HostileInputs, ATextFileUpToItsCeilingIsReadWhole) {
  TempDir dir;
  const std::string path = dir.File("edge.csv");
  ASSERT_TRUE(test::MakeSparse(path, kCsvCeiling));
  const InputFile atCeiling = ReadInputFile(path, kCsvCeiling);
  EXPECT_EQ(atCeiling.Result, InputRead::Read);
  EXPECT_EQ(atCeiling.Bytes.size(), kCsvCeiling);
  ASSERT_TRUE(test::MakeSparse(path, kCsvCeiling + 1));
  EXPECT_EQ(ReadInputFile(path, kCsvCeiling).Result, InputRead::TooLarge);
}

TEST(HostileOutputs, APipeOrDeviceIsNeverReplaced) {
  TempDir dir;
  const std::string fifo = dir.File("out.dat");
  ASSERT_TRUE(test::MakeFifo(fifo));
  const std::string device = dir.File("null.cb");
  const bool haveDevice = test::MakeZeroDevice(device);
  std::string error;
  EXPECT_FALSE(WriteCodeplugFiles(fifo, Codeplug{}, ChannelTable{}, error));
  EXPECT_EQ(error, fifo + " is not a regular file");
  EXPECT_TRUE(test::IsFifo(fifo));
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.fre")));
  EXPECT_EQ(OutputProblem(fifo), fifo + " is not a regular file");
  if (haveDevice) {
    EXPECT_FALSE(WriteBookFile(device, BookEntries{}, error));
    EXPECT_EQ(error, device + " is not a regular file");
    EXPECT_TRUE(test::IsCharDevice(device));
  }
  // The side file in the way stops the pair before the codeplug file is written.
  const std::string fre = dir.File("b.fre");
  ASSERT_TRUE(test::MakeFifo(fre));
  EXPECT_FALSE(WriteCodeplugFiles(dir.File("b.dat"), Codeplug{}, ChannelTable{}, error));
  EXPECT_TRUE(test::IsFifo(fre));
  EXPECT_FALSE(std::filesystem::exists(dir.File("b.dat")));
}

// The codeplug file (8667 bytes) cannot be written under a file size limit that the
// side file (two channels) fits in: the save fails after the side file's bytes are
// written, and the old pair must stay as it was, both files.
TEST(PairSave, AFailureBeforeTheRenamesLeavesTheOldPairWhole) {
  TempDir dir;
  const std::string dat = dir.File("plan.dat");
  Codeplug old;
  ResetToDefaults(old);
  old.ChannelCount = 1;
  ChannelTable channels{};
  channels[0].Number = 5;
  std::string error;
  ASSERT_TRUE(WriteCodeplugFiles(dat, old, channels, error)) << error;
  const auto oldDat = test::ReadBytes(dat);
  const auto oldFre = test::ReadBytes(dir.File("plan.fre"));

  Codeplug changed = old;
  changed.ChannelCount = 2;
  channels[0].Number = 7;
  channels[1].Number = 8;
  rlimit before{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  rlimit small = before;
  small.rlim_cur = 4000;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = WriteCodeplugFiles(dat, changed, channels, error);
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(test::ReadBytes(dat), oldDat);
  EXPECT_EQ(test::ReadBytes(dir.File("plan.fre")), oldFre);
  EXPECT_FALSE(std::filesystem::exists(dir.File("plan.fre.tmp~")));
  EXPECT_FALSE(std::filesystem::exists(dat + ".tmp~"));
}

TEST(JsonDepth, DeepNestingIsRefusedWithTheDepth) {
  for (const int levels : {33, 9000, 60000}) {
    SCOPED_TRACE(levels);
    const std::string text = "{\"a\":" + std::string(levels, '[') + std::string(levels, ']') + ",\"b\":1}";
    Codeplug plug;
    ChannelTable channels{};
    std::string error;
    EXPECT_FALSE(CodeplugFromJson(text, plug, channels, error));
    EXPECT_NE(error.find("nested more than 32 levels deep"), std::string::npos) << error;
  }
  // Depth alone is no fault: a shallow wrong document still gets its field message.
  Codeplug plug;
  ChannelTable channels{};
  std::string error;
  EXPECT_FALSE(CodeplugFromJson("{\"a\":[[[[1]]]]}", plug, channels, error));
  EXPECT_EQ(error.find("nested"), std::string::npos) << error;
}

TEST(LocalReason, OurReasonsAndTheSystemsComeInChinese) {
  const std::string denied = std::strerror(EACCES);
  const struct {
    std::string English;
    std::string Chinese;
  } cases[] = {
      {"cannot read /t/x.cb: " + denied, "无法读取 /t/x.cb：权限不够"},
      {"cannot read a: b.dat: " + std::string(std::strerror(ENOENT)), "无法读取 a: b.dat：没有那个文件或目录"},
      {"cannot write /t/y.dat: " + std::string(std::strerror(EISDIR)), "无法写入 /t/y.dat：是一个目录"},
      {"cannot write y.dat: " + std::string(std::strerror(ENOSPC)), "无法写入 y.dat：设备上没有空间"},
      {"cannot write y.dat: " + std::string(std::strerror(EROFS)), "无法写入 y.dat：只读文件系统"},
      {"cannot read /dev/x: " + std::string(std::strerror(EBUSY)), "无法读取 /dev/x：设备或资源忙"},
      {"short.cb is 1791 bytes long; a book file has 1792", "short.cb 长 1791 字节；通讯录文件应为 1792 字节"},
      {"p.fifo is not a regular file", "p.fifo 不是普通文件"},
      {"No serial port is chosen.", "未选择串口。"},
      {"a.fre holds 3 channels of the 5 that a.dat names; the others are left out",
       "a.fre 只有 a.dat 记录的 5 个信道中的 3 个；其余信道未载入"},
      {"first line\r\ncannot read z: " + denied, "first line\r\n无法读取 z：权限不够"},
      {"something of unknown form", "something of unknown form"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LocalReason(kChinese, c.English), c.Chinese);
    EXPECT_EQ(LocalReason(kEnglish, c.English), c.English);
  }
}

}  // namespace
}  // namespace px
