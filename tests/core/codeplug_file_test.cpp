#include <gtest/gtest.h>

#include <filesystem>

#include "codeplug/byte_io.h"
#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

Int16 I16At(const std::vector<Byte>& b, std::size_t at) {
  return static_cast<Int16>(b[at] | (b[at + 1] << 8));
}

Codeplug DefaultCodeplug() {
  Codeplug plug;
  ResetToDefaults(plug);
  return plug;
}

TEST(CodeplugFile, RecordSizesMatchTheFileLayout) {
  EXPECT_EQ(SerializeCodeplug(Codeplug{}).size(), kCodeplugFileSize);
  EXPECT_EQ(SerializeChannel(ChannelRecord{}).size(), kChannelRecordSize);
}

// Each row of the layout: a field set to a marker must land at its offset.
// Texts are read whole where the buffer holds them and byte by byte where it runs out:
// both must give the same bytes and leave the reader at the same place.
TEST(CodeplugFile, TextsReadTheSameWholeOrAtTheBufferEnd) {
  const std::vector<Byte> bytes = {'A', 'B', 'C', 0x34, 0x12, 'x', 'y'};
  ByteReader reader(bytes);
  FixedText<3> whole;
  Int16 number = 0;
  FixedText<4> cut;
  reader.Get(whole);
  reader.Get(number);
  reader.Get(cut);
  EXPECT_EQ(std::string(whole.Bytes.data(), 3), "ABC");
  EXPECT_EQ(number, 0x1234);
  EXPECT_EQ(std::string(cut.Bytes.data(), 4), std::string("xy\0\0", 4));
  EXPECT_EQ(reader.Position(), 9u);

  ByteWriter writer(9);
  writer.Put(whole);
  writer.Put(number);
  writer.Put(cut);
  EXPECT_EQ(writer.Bytes(), (std::vector<Byte>{'A', 'B', 'C', 0x34, 0x12, 'x', 'y', 0, 0}));
}

TEST(CodeplugFile, EveryFieldLandsAtItsOffset) {
  Codeplug p = DefaultCodeplug();
  p.BandIndex = 0x1234;
  p.MinRxFreq = 1.5;
  p.MaxTxFreq = -2.25;
  p.Settings.KeyFunctions[14] = 0xAB;
  p.Settings.Dtmf.CodeMemory[15].Length = 0x0506;
  p.Settings.Dtmf.PttIdBeginCode.Digits.Assign("B");
  p.Settings.Dtmf.PttIdEndCode.Digits.Assign("E");
  p.Settings.Dtmf.KillCode.Digits.Assign("K");
  p.Settings.Dtmf.StunCode.Length = 0x0777;
  p.Settings.Dtmf.AniOn = 0x0102;
  p.Settings.Dtmf.SelfId.Assign("123");
  p.Settings.Dtmf.SeparatorDigit = 0x0203;
  p.Settings.Dtmf.SideTone = 0x0304;
  p.Settings.TwoTone.Header[0] = 0xC1;
  p.Settings.TwoTone.Entries[31].Name.Assign("LASTNAM");
  p.Settings.FiveTone.PageBytes[0] = 0xC2;
  p.Settings.FiveTone.PageText.Assign("PGTEXT");
  p.Settings.FiveTone.PageBytes2[0] = 0xC3;
  p.Settings.FiveTone.PageWords[0] = 0x0405;
  p.Settings.FiveTone.InfoCodes[0].CodeBytes[0] = 0xC4;
  p.Settings.FiveTone.SpecialCodeA.Empty = 0x0506;
  p.Settings.FiveTone.SpecialCodeB.Empty = 0x0607;
  p.Settings.FiveTone.Codes[0].Empty = 0x0708;
  p.Settings.FiveTone.Codes[99].Name.Assign("CODE100");
  p.Settings.FiveTone.ToneTable[0] = 0x0809;
  p.Settings.Options.OptionValues[0] = 0x090A;
  p.Settings.Options.OptionValue24 = 0x0A0B;
  p.Settings.Options.PowerOnPassword.Assign("654321");
  p.Settings.Scan[0] = 0xC5;
  p.Settings.Alert[0] = 0xC6;
  p.ChannelCount = 0x00CB;
  p.Book[0].Index = 0x0B0C;
  p.Book[127].Name.Assign("BOOKEND");
  p.FiveToneLastOption = 0xC7;

  const auto b = SerializeCodeplug(p);
  ASSERT_EQ(b.size(), 8667u);
  EXPECT_EQ(I16At(b, 0), 0x1234);
  EXPECT_EQ(b[2 + 6], 0xF8);  // 1.5 = 3FF8000000000000, little-endian
  EXPECT_EQ(b[2 + 7], 0x3F);
  EXPECT_EQ(b[26 + 7], 0xC0);  // -2.25 = C002000000000000
  EXPECT_EQ(b[26 + 6], 0x02);
  EXPECT_EQ(b[34 + 14], 0xAB);
  EXPECT_EQ(I16At(b, 49 + 15 * 26 + 24), 0x0506);
  EXPECT_EQ(b[465], 'B');
  EXPECT_EQ(b[491], 'E');
  EXPECT_EQ(b[517], 'K');
  EXPECT_EQ(I16At(b, 533 + 14), 0x0777);
  EXPECT_EQ(I16At(b, 549), 0x0102);
  EXPECT_EQ(std::string(b.begin() + 555, b.begin() + 558), "123");
  EXPECT_EQ(I16At(b, 558), 0x0203);
  EXPECT_EQ(I16At(b, 558 + 16), 0x0304);
  EXPECT_EQ(b[576], 0xC1);
  EXPECT_EQ(std::string(b.begin() + 600 + 31 * 17 + 10, b.begin() + 600 + 32 * 17), "LASTNAM");
  EXPECT_EQ(b[1144], 0xC2);
  EXPECT_EQ(std::string(b.begin() + 1149, b.begin() + 1155), "PGTEXT");
  EXPECT_EQ(b[1155], 0xC3);
  EXPECT_EQ(I16At(b, 1159), 0x0405);
  EXPECT_EQ(b[1171], 0xC4);
  EXPECT_EQ(I16At(b, 1347), 0x0506);
  EXPECT_EQ(I16At(b, 1400), 0x0607);
  EXPECT_EQ(I16At(b, 1453), 0x0708);
  EXPECT_EQ(std::string(b.begin() + 1453 + 99 * 53 + 46, b.begin() + 1453 + 100 * 53), "CODE100");
  EXPECT_EQ(I16At(b, 6753), 0x0809);
  EXPECT_EQ(I16At(b, 6785), 0x090A);
  EXPECT_EQ(std::string(b.begin() + 6831, b.begin() + 6838), "Welcome");
  EXPECT_EQ(I16At(b, 6838), 0x0A0B);
  EXPECT_EQ(std::string(b.begin() + 6840, b.begin() + 6846), "654321");
  EXPECT_EQ(b[6846], 0xC5);
  EXPECT_EQ(b[6860], 0xC6);
  EXPECT_EQ(I16At(b, 6872), 0x00CB);
  EXPECT_EQ(I16At(b, 6874), 0x0B0C);
  EXPECT_EQ(std::string(b.begin() + 6874 + 127 * 14 + 7, b.begin() + 6874 + 128 * 14), "BOOKEND");
  EXPECT_EQ(b[8666], 0xC7);
}

TEST(CodeplugFile, DefaultsSitInTheFileAsStored) {
  const auto b = SerializeCodeplug(DefaultCodeplug());
  EXPECT_EQ(I16At(b, 0), 7);
  EXPECT_EQ(I16At(b, 549 + 2), 1);       // DigitTimeIndex
  EXPECT_EQ(I16At(b, 549 + 4), 3);       // PttIdMode
  EXPECT_EQ(I16At(b, 558), 14);          // SeparatorDigit
  EXPECT_EQ(I16At(b, 558 + 14), 10);     // PauseTime
  EXPECT_EQ(b[49], ' ');                 // digit texts are spaces, not the NUL form
  EXPECT_EQ(b[1149], '\0');              // PageText is the empty default text
  EXPECT_EQ(b[1150], ' ');
  EXPECT_EQ(b[1148], 70);
  EXPECT_EQ(I16At(b, 1159 + 10), 13);
  EXPECT_EQ(b[1453 + 5], 70);            // every code's CodeBytes[3]
  EXPECT_EQ(I16At(b, 6753), 24000);
  EXPECT_EQ(I16At(b, 6753 + 30), 9300);
  EXPECT_EQ(b[6846 + 3], 5);
  EXPECT_EQ(b[6860 + 10], 1);
  EXPECT_EQ(b[6860 + 11], 5);
  EXPECT_EQ(I16At(b, 6874 + 127 * 14), 127);
  EXPECT_EQ(b[6874 + 2], '\0');
  EXPECT_EQ(b[8666], 2);
}

TEST(CodeplugFile, ChannelFieldsLandAtTheirOffsets) {
  ChannelRecord c;
  c.Number = 0x0102;
  c.InUse = 1;
  c.ScanSkip = 0x0304;
  c.RxFreq.Assign("014500000");
  c.OffsetFreq.Assign("000600000");
  c.Name.Assign("NAME123");
  c.StepIndex = 0x0506;
  c.TxInhibit = 0x0708;
  c.PttIdDecode = 0x090A;
  c.PttIdCode.Assign("12345");
  const auto b = SerializeChannel(c);
  EXPECT_EQ(I16At(b, 0), 0x0102);
  EXPECT_EQ(I16At(b, 4), 0x0304);
  EXPECT_EQ(std::string(b.begin() + 6, b.begin() + 15), "014500000");
  EXPECT_EQ(std::string(b.begin() + 15, b.begin() + 24), "000600000");
  EXPECT_EQ(std::string(b.begin() + 24, b.begin() + 31), "NAME123");
  EXPECT_EQ(I16At(b, 31), 0x0506);
  EXPECT_EQ(I16At(b, 33), 0x0708);
  EXPECT_EQ(I16At(b, 101), 0x090A);
  EXPECT_EQ(std::string(b.begin() + 103, b.begin() + 108), "12345");
  EXPECT_EQ(ParseChannel(b.data()), c);
}

TEST(CodeplugFile, SidePathLosesExactlyThreeCharacters) {
  EXPECT_EQ(SideFilePath("abc.dat"), "abc.fre");
  EXPECT_EQ(SideFilePath("/x/plan.data"), "/x/plan.dfre");
  EXPECT_EQ(SideFilePath("ab"), "fre");
}

class FilePair : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("plan.dat");
  Codeplug plug = DefaultCodeplug();
  ChannelTable channels{};
  std::string error;

  void SetChannels(int rCount) {
    plug.ChannelCount = static_cast<Int16>(rCount);
    for (int i = 0; i < rCount; ++i) {
      channels[i] = ChannelRecord{};
      channels[i].Number = static_cast<Int16>(i + 1);
      channels[i].InUse = 1;
    }
  }
};

TEST_F(FilePair, RoundTripsBothFiles) {
  SetChannels(3);
  channels[2].Name.Assign(std::string("\0\x80\xff", 3));
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error)) << error;
  EXPECT_EQ(std::filesystem::file_size(path), 8667u);
  EXPECT_EQ(std::filesystem::file_size(dir.File("plan.fre")), 3 * 108u);

  Codeplug back;
  ChannelTable backChannels{};
  ASSERT_TRUE(ReadCodeplugFiles(path, back, backChannels, error)) << error;
  EXPECT_EQ(back, plug);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(backChannels[i], channels[i]);
}

TEST_F(FilePair, ZeroChannelsWriteNoRecords) {
  SetChannels(0);
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error)) << error;
  EXPECT_EQ(std::filesystem::file_size(dir.File("plan.fre")), 0u);
  Codeplug back;
  ChannelTable backChannels{};
  ASSERT_TRUE(ReadCodeplugFiles(path, back, backChannels, error));
  EXPECT_EQ(back.ChannelCount, 0);
}

// A shorter save keeps the earlier trailing records; only ChannelCount are read back.
TEST_F(FilePair, ShorterSaveLeavesTrailingRecords) {
  SetChannels(5);
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error));
  SetChannels(2);
  channels[0].Name.Assign("FIRST");
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error));
  const auto side = ReadBytes(dir.File("plan.fre"));
  ASSERT_EQ(side.size(), 5 * 108u);
  EXPECT_EQ(side[4 * 108], 5);  // record 5 still holds channel number 5

  Codeplug back;
  ChannelTable backChannels{};
  backChannels[2].Name.Assign("KEEP");
  ASSERT_TRUE(ReadCodeplugFiles(path, back, backChannels, error));
  EXPECT_EQ(back.ChannelCount, 2);
  EXPECT_EQ(backChannels[0].Name.Display(), "FIRST");
  // Slots past the count are the file's (empty), never what the table held before.
  EXPECT_EQ(backChannels[2], ChannelRecord{});
}

TEST_F(FilePair, BadCodeplugFilesAreRefusedAndChangeNothing) {
  SetChannels(1);
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error));
  auto good = ReadBytes(path);

  Codeplug target;
  target.MinRxFreq = 400;
  ChannelTable targetChannels{};
  targetChannels[0].Number = 77;
  const Codeplug before = target;

  auto expectRefused = [&](const std::vector<Byte>& rBytes, const char* rWhy) {
    WriteBytes(path, rBytes);
    EXPECT_FALSE(ReadCodeplugFiles(path, target, targetChannels, error)) << rWhy;
    EXPECT_FALSE(error.empty()) << rWhy;
    EXPECT_EQ(target, before) << rWhy;
    EXPECT_EQ(targetChannels[0].Number, 77) << rWhy;
  };
  expectRefused({}, "empty");
  expectRefused(std::vector<Byte>(good.begin(), good.end() - 1), "truncated");
  auto longer = good;
  longer.push_back(0);
  expectRefused(longer, "oversized");
  auto badCount = good;
  badCount[6872] = 0xCC;  // 204 channels
  expectRefused(badCount, "count beyond the table");
  badCount[6872] = 0xFF;
  badCount[6873] = 0xFF;  // -1
  expectRefused(badCount, "negative count");

  EXPECT_FALSE(ReadCodeplugFiles(dir.File("missing.dat"), target, targetChannels, error));
  EXPECT_NE(error.find("missing.dat"), std::string::npos);
}

TEST_F(FilePair, MissingOrShortSideFileGivesOnlyItsOwnChannelsAndSaysSo) {
  SetChannels(3);
  channels[0].Name.Assign("ONE");
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error));
  auto side = ReadBytes(dir.File("plan.fre"));
  side.resize(108 + 50);  // one whole record and a torn one
  WriteBytes(dir.File("plan.fre"), side);

  // What the table held before (another file's channels) must not show through.
  Codeplug back;
  ChannelTable backChannels{};
  for (auto& c : backChannels) c.Name.Assign("OLD");
  std::string warning;
  ASSERT_TRUE(ReadCodeplugFiles(path, back, backChannels, error, &warning));
  EXPECT_EQ(back.ChannelCount, 1);
  EXPECT_EQ(backChannels[0].Name.Display(), "ONE");
  EXPECT_EQ(backChannels[1], ChannelRecord{});
  EXPECT_NE(warning.find("plan.fre"), std::string::npos) << warning;
  EXPECT_NE(warning.find("1 channel of the 3"), std::string::npos) << warning;

  std::filesystem::remove(dir.File("plan.fre"));
  for (auto& c : backChannels) c.Name.Assign("OLD");
  warning.clear();
  ASSERT_TRUE(ReadCodeplugFiles(path, back, backChannels, error, &warning));
  EXPECT_EQ(back.ChannelCount, 0);
  EXPECT_EQ(backChannels[0], ChannelRecord{});
  EXPECT_NE(warning.find("plan.fre is missing"), std::string::npos) << warning;
  EXPECT_NE(warning.find("3 channels"), std::string::npos) << warning;
}

// A side file that is there but cannot be read is an error, not an empty table.
TEST_F(FilePair, UnreadableSideFileIsAnErrorThatChangesNothing) {
  SetChannels(2);
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error));
  std::filesystem::remove(dir.File("plan.fre"));
  std::filesystem::create_directory(dir.File("plan.fre"));

  Codeplug back;
  back.MinRxFreq = 400;
  ChannelTable backChannels{};
  backChannels[0].Number = 77;
  EXPECT_FALSE(ReadCodeplugFiles(path, back, backChannels, error));
  EXPECT_NE(error.find("cannot read " + dir.File("plan.fre") + ": Is a directory"), std::string::npos)
      << error;
  EXPECT_EQ(back.MinRxFreq, 400);
  EXPECT_EQ(backChannels[0].Number, 77);

  // The same for a codeplug file that is a folder: the path and the real reason.
  EXPECT_FALSE(ReadCodeplugFiles(dir.Path().string(), back, backChannels, error));
  EXPECT_NE(error.find(dir.Path().string() + ": Is a directory"), std::string::npos) << error;
}

TEST_F(FilePair, OnlyNamesEndingInDatAreWritten) {
  SetChannels(1);
  for (const char* name : {"stale", "trap.fre", "x.da", "plan.data"}) {
    EXPECT_FALSE(WriteCodeplugFiles(dir.File(name), plug, channels, error)) << name;
    EXPECT_NE(error.find(".dat"), std::string::npos) << error;
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
  EXPECT_TRUE(WriteCodeplugFiles(dir.File("UPPER.DAT"), plug, channels, error)) << error;
  EXPECT_TRUE(std::filesystem::exists(dir.File("UPPER.fre")));
  EXPECT_TRUE(CodeplugNameProblem("a/b.Dat").empty());
  EXPECT_FALSE(CodeplugNameProblem("dir.dat/p").empty());
}

TEST_F(FilePair, FailedSaveLeavesTheOldFileWhole) {
  SetChannels(1);
  ASSERT_TRUE(WriteCodeplugFiles(path, plug, channels, error));
  const auto before = ReadBytes(path);
  EXPECT_FALSE(WriteCodeplugFiles(dir.File("no/such/folder/x.dat"), plug, channels, error));
  EXPECT_FALSE(error.empty());
  // A folder where the file goes: its own reason, with the path.
  std::filesystem::create_directory(dir.File("folder.dat"));
  EXPECT_FALSE(WriteCodeplugFiles(dir.File("folder.dat"), plug, channels, error));
  EXPECT_NE(error.find("folder.dat: Is a directory"), std::string::npos) << error;
  std::filesystem::remove(dir.File("folder.dat"));
  plug.ChannelCount = 500;
  EXPECT_FALSE(WriteCodeplugFiles(path, plug, channels, error));
  EXPECT_EQ(ReadBytes(path), before);
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}

}  // namespace
}  // namespace px
