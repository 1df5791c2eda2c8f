// px4800 against px4800-sim over a real pseudo-terminal, through the real serial port
// code. Every child process runs under a deadline and is killed when it overstays.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "edit/alert_rules.h"
#include "edit/key_rules.h"
#include "edit/option_rules.h"
#include "edit/scan_rules.h"
#include "link/codec.h"
#include "link/embedded_info.h"
#include "link/radio_image.h"
#include "support/fleet_radios.h"
#include "support/full_codeplug.h"
// The e2e binary is built from tests/e2e alone, so the helper comes in as source.
#include "support/temp_dir.h"
#include "support/virtual_radio.h"

namespace px {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<unsigned char>;

// Waits for rPid until rDeadline, then kills it. The exit status, or -1 when killed.
struct Outcome {
  int Status = -1;
  std::string Out;
  std::string Err;
};

using test::ReadText;

class Workspace {
 public:
  Workspace() = default;
  std::string File(const std::string& rName) const { return mDir.File(rName); }

  // px4800 with standard input from /dev/null, so never on a terminal.
  Outcome Cli(const std::vector<std::string>& rArgs, bool rAsNobody = false) {
    const std::string out = File("cli.out"), err = File("cli.err");
    const pid_t pid = fork();
    if (pid == 0) {
      const int in = open("/dev/null", O_RDONLY);
      const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(in, 0);
      dup2(o, 1);
      dup2(e, 2);
      setenv("PX4800_HOME", mDir.Path().c_str(), 1);
      setenv("XDG_DATA_HOME", File("data").c_str(), 1);
      if (rAsNobody && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(126);
      std::vector<char*> argv{const_cast<char*>(PX_CLI)};
      for (const auto& a : rArgs) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(PX_CLI, argv.data());
      _exit(127);
    }
    Outcome r;
    r.Status = test::WaitOrKill(pid, std::chrono::steady_clock::now() + 60s);
    r.Out = ReadText(out);
    r.Err = ReadText(err);
    return r;
  }

 private:
  test::TempDir mDir;
};

// A running virtual radio; stopped with SIGTERM (which makes it save) when destroyed.
struct Sim : test::VirtualRadio {
  explicit Sim(const std::vector<std::string>& rArgs) : VirtualRadio(PX_SIM, rArgs) {}
};

Bytes PatternImage(unsigned rSeed) {
  Bytes b(kImageSize);
  unsigned x = rSeed;
  for (auto& v : b) {
    x = x * 1103515245u + 12345u;
    v = static_cast<unsigned char>(x >> 16);
  }
  for (int i = 0x4C; i < 0x50; ++i) b[static_cast<std::size_t>(i)] = 0xFF;  // no password
  return b;
}

bool Contains(const std::string& rText, const std::string& rPart) {
  return rText.find(rPart) != std::string::npos;
}

void ExpectSameFrom(const Bytes& rA, const Bytes& rB, std::size_t rFrom, std::size_t rTo) {
  ASSERT_EQ(rA.size(), kImageSize);
  ASSERT_EQ(rB.size(), kImageSize);
  for (std::size_t i = rFrom; i < rTo; ++i) ASSERT_EQ(rA[i], rB[i]) << "at 0x" << std::hex << i;
}

// A full codeplug file and its encoded image.
struct FullCodeplug {
  std::string Dat;
  Bytes Image;
};

FullCodeplug MakeFullCodeplug(Workspace& rWs) {
  AppState state;
  FillFullCodeplug(state);
  FullCodeplug f{rWs.File("full.dat"), {}};
  std::string error;
  EXPECT_TRUE(WriteCodeplugFiles(f.Dat, state.Current, state.Channels, error)) << error;
  const auto r = rWs.Cli({"encode", f.Dat, "-o", rWs.File("full.img"), "--yes"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  f.Image = test::ReadBytes(rWs.File("full.img"));
  return f;
}

TEST(LinkE2e, WriteThenReadAFullCodeplug) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  const Bytes radio = PatternImage(7);
  test::WriteBytes(ws.File("radio.img"), radio);
  {
    Sim sim({"--image", ws.File("radio.img"), "--save", ws.File("written.img")});
    const auto w = ws.Cli({"write", "--port", sim.Device(), full.Dat, "--yes"});
    ASSERT_EQ(w.Status, 0) << w.Err;
    EXPECT_TRUE(Contains(w.Err, "backup")) << w.Err;
    EXPECT_EQ(sim.Stop(), 0);
  }
  const Bytes written = test::ReadBytes(ws.File("written.img"));
  ExpectSameFrom(written, radio, 0, 0x100);  // the maker's area is never written
  ExpectSameFrom(written, full.Image, 0x100, kImageSize);

  Sim sim({"--image", ws.File("written.img")});
  const auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", ws.File("back.dat"), "--image",
                         ws.File("back.img"), "--trace", ws.File("trace.txt")});
  ASSERT_EQ(r.Status, 0) << r.Err;
  ExpectSameFrom(test::ReadBytes(ws.File("back.img")), written, 0x10, kImageSize);
  EXPECT_TRUE(Contains(ReadText(ws.File("trace.txt")), "send   7: 50 52 4F 47 52 41 4D"));
  // The codeplug read is the one that was written.
  AppState expected, got;
  FillFullCodeplug(expected);
  std::string error;
  ASSERT_TRUE(ReadCodeplugFiles(ws.File("back.dat"), got.Current, got.Channels, error)) << error;
  EXPECT_TRUE(got.Current.Settings == expected.Current.Settings);
  EXPECT_EQ(got.Current.ChannelCount, expected.Current.ChannelCount);
  EXPECT_TRUE(got.Current.Book == expected.Current.Book);
}

// Settings changed on the optional-functions, keys, scan and alert pages reach the radio's bytes.
TEST(LinkE2e, PageSettingsArriveWhereTheRadioKeepsThem) {
  Workspace ws;
  AppState state;
  FillFullCodeplug(state);
  OptionPage options = LoadOptionPage(state);
  ChooseOption(state, options, 5, 2);  // battery save 1:4, 0x0225
  ChooseOption(state, options, 15, 1);  // busy lockout "Repeater", 0x0231
  ChooseSwitch(options, 3, false);      // low battery alert, bit 1 of 0x0230
  options.MessageBoxes = {"O", "K", "", "", "", "", ""};
  ApplyOptionPage(state, options);
  KeyPositions keys = LoadKeyPage(state);
  keys[KeySlot::LongPress] = 12;
  ApplyKeyPage(state, keys);
  ScanSettings scan = ShownScanPage(state);
  scan[ScanSlot::Priority] = 1;
  scan[ScanSlot::Channel1] = 12;
  ApplyScanPage(state, scan);
  AlertSettings alert = ShownAlertPage(state);
  alert[AlertSlot::Channel] = 21;
  alert[AlertSlot::LoneWorkerTime] = 60;
  ApplyAlertPage(state, alert);
  std::string error;
  ASSERT_TRUE(WriteCodeplugFiles(ws.File("pages.dat"), state.Current, state.Channels, error)) << error;
  test::WriteBytes(ws.File("radio.img"), PatternImage(5));
  {
    Sim sim({"--image", ws.File("radio.img"), "--save", ws.File("written.img")});
    const auto w = ws.Cli({"write", "--port", sim.Device(), ws.File("pages.dat"), "--yes"});
    ASSERT_EQ(w.Status, 0) << w.Err;
    EXPECT_EQ(sim.Stop(), 0);
  }
  const Bytes written = test::ReadBytes(ws.File("written.img"));
  ASSERT_EQ(written.size(), kImageSize);
  EXPECT_EQ(written[0x0225], 2);
  EXPECT_EQ(written[0x0231], 1);
  EXPECT_EQ(written[0x0230] & 0x02, 0);
  EXPECT_EQ(written[0x01F0 + KeySlot::LongPress], 12);
  EXPECT_EQ(written[0x03B1], 1);
  EXPECT_EQ(written[0x03BB], 11);  // channels one lower
  EXPECT_EQ(written[0x03A8], 20);
  EXPECT_EQ(written[0x03AC], 60);
  EXPECT_EQ(Bytes(written.begin() + 0x03E0, written.begin() + 0x03E7), (Bytes{'O', 'K', 0, 0, 0, 0, 0}));
}

TEST(LinkE2e, EmbeddedInformation) {
  Workspace ws;
  Bytes radio = PatternImage(3);
  for (std::size_t i = 0x10; i < 0x100; ++i) radio[i] = static_cast<unsigned char>('A' + i % 26);
  for (std::size_t i = 0x4C; i < 0x50; ++i) radio[i] = 0xFF;  // no password
  test::WriteBytes(ws.File("radio.img"), radio);
  Sim sim({"--image", ws.File("radio.img")});
  const auto r = ws.Cli({"info", "--port", sim.Device()});
  ASSERT_EQ(r.Status, 0) << r.Err;
  RadioImage image{};
  std::copy(radio.begin(), radio.end(), image.begin());
  EXPECT_TRUE(Contains(r.Out, "Radio Type: NR-6240\n"));
  for (const auto& field : LabelledEmbeddedInfo(DecodeEmbeddedInfo(image)))
    EXPECT_TRUE(Contains(r.Out, field.Label + ": " + field.Value + "\n")) << field.Label;
}

TEST(LinkE2e, Password) {
  Workspace ws;
  Sim sim({"--password", "12ab"});
  const std::string out = ws.File("out.dat");
  auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", out});
  EXPECT_EQ(r.Status, 1);  // no terminal to ask on
  EXPECT_TRUE(Contains(r.Err, "--password")) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(out));
  r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", out, "--password", "12AB"});
  EXPECT_EQ(r.Status, 1);
  // A wrong password is not a missing one.
  EXPECT_TRUE(Contains(r.Err, "the radio refused the password given with --password")) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(out));
  r = ws.Cli({"info", "--port", sim.Device(), "--password", "12ab"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", out, "--password", "12ab"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_TRUE(std::filesystem::exists(out));
}

TEST(LinkE2e, KilledAndStunnedRadiosCanBeReadButNotWritten) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  const Bytes radio = PatternImage(11);
  test::WriteBytes(ws.File("radio.img"), radio);
  for (const char* flag : {"--killed", "--stunned"}) {
    Sim sim({flag, "--image", ws.File("radio.img"), "--save", ws.File("after.img")});
    const auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", ws.File("r.dat")});
    EXPECT_EQ(r.Status, 0) << r.Err;
    const auto w = ws.Cli({"write", "--port", sim.Device(), full.Dat, "--yes"});
    EXPECT_EQ(w.Status, 1);
    EXPECT_TRUE(Contains(w.Err, std::string(flag) == "--killed" ? "Radio is killed,can't be written!"
                                                                 : "Radio is fainted,can't be written!"))
        << w.Err;
    // Nothing was written, so there is nothing to put back or complete.
    EXPECT_FALSE(Contains(w.Err, "-read-PX-4800.img")) << w.Err;
    EXPECT_FALSE(Contains(w.Err, "partly written")) << w.Err;
    sim.Stop();
    EXPECT_EQ(test::ReadBytes(ws.File("after.img")), radio);
  }
}

TEST(LinkE2e, WrongModelAndVersionAreRefused) {
  Workspace ws;
  {
    Sim sim({"--model", "PX-4900"});
    auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", ws.File("x.dat")});
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(Contains(r.Err, "Model type is wrong. Overwrite?")) << r.Err;
    r = ws.Cli({"info", "--port", sim.Device(), "--lang", "zh"});
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(Contains(r.Err, "机型类型错误。")) << r.Err;
  }
  Sim sim({"--radio-version", "V101"});
  const auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", ws.File("x.dat")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(Contains(r.Err, "Version is wrong. Overwrite?")) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(ws.File("x.dat")));
}

TEST(LinkE2e, RadioThatStopsAnswering) {
  Workspace ws;
  const Bytes radio = PatternImage(5);
  test::WriteBytes(ws.File("radio.img"), radio);
  {
    // Quiet for three requests: the block is given up, Retry restarts and the read ends well.
    Sim sim({"--image", ws.File("radio.img"), "--silent-after", "200", "--silent-for", "3"});
    const auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", ws.File("a.dat"), "--image", ws.File("a.img")});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Err, "-> retry")) << r.Err;
    ExpectSameFrom(test::ReadBytes(ws.File("a.img")), radio, 0x10, kImageSize);
  }
  // Quiet for good: three Retries, then Cancel.
  Sim sim({"--image", ws.File("radio.img"), "--silent-after", "200"});
  const auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", ws.File("b.dat")});
  EXPECT_EQ(r.Status, 1);
  std::size_t retries = 0;
  for (std::size_t at = r.Err.find("-> retry"); at != std::string::npos; at = r.Err.find("-> retry", at + 1))
    ++retries;
  EXPECT_EQ(retries, 3u) << r.Err;
  EXPECT_TRUE(Contains(r.Err, "-> cancel")) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(ws.File("b.dat")));
}

// Lost, damaged and refused replies: a transfer either ends with the exact image or
// fails, leaving nothing behind.
TEST(LinkE2e, FaultyLineNeverGivesAWrongImage) {
  Workspace ws;
  const Bytes radio = PatternImage(9);
  test::WriteBytes(ws.File("radio.img"), radio);
  struct Fault {
    const char* Option;
    const char* Rate;
    const char* Seed;
  };
  // The short embedded-information read takes the high rates, a full read the low ones.
  int exact = 0;
  for (const Fault& f : {Fault{"--drop", "0.25", "1"}, Fault{"--corrupt", "0.3", "2"},
                         Fault{"--drop", "0.5", "3"}, Fault{"--corrupt", "0.6", "4"}}) {
    Sim sim({"--image", ws.File("radio.img"), f.Option, f.Rate, "--seed", f.Seed});
    const auto r = ws.Cli({"info", "--port", sim.Device()});
    if (r.Status == 0) {
      ++exact;
      RadioImage image{};
      std::copy(radio.begin(), radio.end(), image.begin());
      for (const auto& field : LabelledEmbeddedInfo(DecodeEmbeddedInfo(image)))
        EXPECT_TRUE(Contains(r.Out, field.Label + ": " + field.Value + "\n")) << f.Option << f.Rate;
    } else {
      EXPECT_EQ(r.Status, 1) << r.Err;
      EXPECT_TRUE(r.Out.empty());
    }
  }
  for (const Fault& f : {Fault{"--drop", "0.004", "5"}, Fault{"--corrupt", "0.004", "6"}}) {
    Sim sim({"--image", ws.File("radio.img"), f.Option, f.Rate, "--seed", f.Seed});
    const std::string dat = ws.File(std::string("r") + f.Seed + ".dat");
    const std::string img = ws.File(std::string("r") + f.Seed + ".img");
    const auto r = ws.Cli({"read", "--yes", "--port", sim.Device(), "-o", dat, "--image", img});
    if (r.Status == 0) {
      ++exact;
      ExpectSameFrom(test::ReadBytes(img), radio, 0x10, kImageSize);
    } else {
      EXPECT_EQ(r.Status, 1) << r.Err;
      EXPECT_FALSE(std::filesystem::exists(dat));
    }
  }
  EXPECT_GE(exact, 3);  // the faults are survivable, not only detected
}

TEST(LinkE2e, FaultyLineDuringAWrite) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  const Bytes before = test::ReadBytes(full.Dat);
  const Bytes radio = PatternImage(13);
  test::WriteBytes(ws.File("radio.img"), radio);
  struct Fault {
    std::vector<std::string> Options;
  };
  int exact = 0;
  for (const Fault& f : {Fault{{"--nak", "0.2", "--seed", "7"}},
                         Fault{{"--nak", "0.02", "--corrupt", "0.003", "--drop", "0.002", "--seed", "8"}}}) {
    std::vector<std::string> args{"--image", ws.File("radio.img"), "--save", ws.File("w.img")};
    args.insert(args.end(), f.Options.begin(), f.Options.end());
    std::filesystem::remove(ws.File("w.img"));
    Sim sim(args);
    const auto w = ws.Cli({"write", "--port", sim.Device(), full.Dat, "--yes"});
    EXPECT_EQ(sim.Stop(), 0);
    const Bytes written = test::ReadBytes(ws.File("w.img"));
    ExpectSameFrom(written, radio, 0, 0x100);
    if (w.Status == 0) {
      ExpectSameFrom(written, full.Image, 0x100, kImageSize);
    } else {
      EXPECT_EQ(w.Status, 1) << w.Err;
    }
    EXPECT_EQ(test::ReadBytes(full.Dat), before);  // the codeplug file is never touched
    exact += w.Status == 0;
  }
  EXPECT_GE(exact, 1);
}

TEST(LinkE2e, DeviceThatDoesNotExist) {
  Workspace ws;
  const auto r = ws.Cli({"read", "--yes", "--port", "/dev/ttyUSB-nothing", "-o", ws.File("x.dat")});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(Contains(r.Err, "no such device")) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(ws.File("x.dat")));
}

TEST(LinkE2e, DeviceWithoutPermissionNamesTheOwningGroup) {
  Workspace ws;
  Sim sim({});
  ASSERT_FALSE(sim.Device().empty());
  ASSERT_EQ(chmod(sim.Device().c_str(), 0), 0);
  // Root may open anything: the command then runs as nobody.
  const bool root = geteuid() == 0;
  const auto r = ws.Cli({"info", "--port", sim.Device()}, root);
  ASSERT_NE(r.Status, 126) << "cannot drop privileges";
  // The build may sit in a folder that nobody else may enter (a private temporary folder).
  if (root && r.Status == 127) GTEST_SKIP() << "the test programs cannot be run as nobody here";
  EXPECT_EQ(r.Status, 1);
  struct stat info {};
  ASSERT_EQ(stat(sim.Device().c_str(), &info), 0);
  EXPECT_TRUE(Contains(r.Err, "permission denied")) << r.Err;
  const ::group* g = getgrgid(info.st_gid);
  if (g && std::string(g->gr_name) != "root") {
    EXPECT_TRUE(Contains(r.Err, std::string("\"") + g->gr_name + "\"")) << r.Err;
  }
}

// A write cut short has changed the radio: the advice is to write the same file again.
TEST(LinkE2e, WriteCutShortSaysHowToCompleteIt) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  Sim sim({"--silent-after", "60"});
  const auto w = ws.Cli({"write", "--port", sim.Device(), full.Dat, "--yes"});
  EXPECT_EQ(w.Status, 1);
  EXPECT_TRUE(Contains(w.Err, "may now hold a partly written codeplug")) << w.Err;
  EXPECT_TRUE(Contains(w.Err, "writing " + full.Dat + " again completes it")) << w.Err;
  EXPECT_TRUE(Contains(w.Err, "-write-PX-4800.img")) << w.Err;
  EXPECT_FALSE(Contains(w.Err, "image read from a radio")) << w.Err;

  // Nothing sent (no such device): no advice at all.
  const auto none = ws.Cli({"write", "--port", "/dev/ttyUSB-nothing", full.Dat, "--yes"});
  EXPECT_EQ(none.Status, 1);
  EXPECT_FALSE(Contains(none.Err, "partly written")) << none.Err;
}

// The output of a read is checked before half a minute of transfer, not after.
TEST(LinkE2e, ReadChecksItsOutputsBeforeTheTransfer) {
  Workspace ws;
  Sim sim({});
  for (const std::vector<std::string>& out :
       {std::vector<std::string>{"-o", ws.File("nodir/x.dat")},
        std::vector<std::string>{"-o", ws.File("x.dat"), "--image", ws.File("nodir/x.img")},
        std::vector<std::string>{"-o", ws.File("x")}}) {
    std::vector<std::string> args{"read", "--yes", "--port", sim.Device(), "--trace", ws.File("t.txt")};
    args.insert(args.end(), out.begin(), out.end());
    const auto r = ws.Cli(args);
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_TRUE(Contains(r.Err, "nodir") || Contains(r.Err, "ends in .dat")) << r.Err;
    // Nothing went to the radio: the trace was never even opened.
    EXPECT_FALSE(std::filesystem::exists(ws.File("t.txt"))) << r.Err;
  }
  EXPECT_FALSE(std::filesystem::exists(ws.File("x.dat")));
}

// A cable without CTS: RTS/CTS handshaking sends nothing, and the user is told so and
// pointed at the flow-control setting; "none" (option or settings file) works.
TEST(LinkE2e, CableWithoutCtsNeedsNoFlowControl) {
  Workspace ws;
  const Bytes radio = PatternImage(17);
  test::WriteBytes(ws.File("radio.img"), radio);
  Sim sim({"--no-cts", "--image", ws.File("radio.img")});
  const auto stalled = ws.Cli({"info", "--port", sim.Device()});
  EXPECT_EQ(stalled.Status, 1);
  EXPECT_TRUE(Contains(stalled.Err, "clear-to-send")) << stalled.Err;
  EXPECT_TRUE(Contains(stalled.Err, "--flow none")) << stalled.Err;
  EXPECT_FALSE(Contains(stalled.Err, "does not answer")) << stalled.Err;

  const auto read = ws.Cli({"read", "--yes", "--port", sim.Device(), "--flow", "none", "-o", ws.File("a.dat"),
                            "--image", ws.File("a.img")});
  ASSERT_EQ(read.Status, 0) << read.Err;
  ExpectSameFrom(test::ReadBytes(ws.File("a.img")), radio, 0x10, kImageSize);

  std::filesystem::create_directories(ws.File("language"));
  std::ofstream(ws.File("language/mysetup.ini")) << "[language]\nflowControl=none\n";
  EXPECT_EQ(ws.Cli({"info", "--port", sim.Device()}).Status, 0);
  const auto bad = ws.Cli({"info", "--port", sim.Device(), "--flow", "xon"});
  EXPECT_EQ(bad.Status, 2);
  EXPECT_TRUE(Contains(bad.Err, "--flow must be 'none' or 'rtscts'")) << bad.Err;
}

// Writing into a folder that takes no files gives the real reason with the path.
TEST(LinkE2e, ReadOnlyFolderGivesPermissionDenied) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  std::filesystem::create_directories(ws.File("ro"));
  std::filesystem::permissions(ws.File("ro"), std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_exec |
                                                  std::filesystem::perms::group_read |
                                                  std::filesystem::perms::group_exec |
                                                  std::filesystem::perms::others_read |
                                                  std::filesystem::perms::others_exec);
  const bool root = geteuid() == 0;
  const auto r = ws.Cli({"encode", full.Dat, "-o", ws.File("ro/x.img")}, root);
  ASSERT_NE(r.Status, 126) << "cannot drop privileges";
  if (root && r.Status == 127) GTEST_SKIP() << "the test programs cannot be run as nobody here";
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(Contains(r.Err, "cannot write " + ws.File("ro/x.img") + ": Permission denied")) << r.Err;
}

}  // namespace
}  // namespace px

namespace px {
namespace {

// Damaged replies are caught by their checksums and asked again, so the read-back still
// matches; a radio that stores a byte wrong although it acknowledged the block is
// caught only by the read-back, and that is a failure.
TEST(LinkE2e, VerifyAfterWrite) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  {
    Sim sim({"--corrupt", "0.002", "--seed", "3"});
    const auto w = ws.Cli({"write", "--port", sim.Device(), full.Dat, "--yes", "--verify"});
    EXPECT_EQ(w.Status, 0) << w.Err << w.Out;
    EXPECT_TRUE(Contains(w.Out, "Verified")) << w.Out;
  }
  Sim sim({"--store-faults", "0.05", "--seed", "4"});
  const auto w = ws.Cli({"write", "--port", sim.Device(), full.Dat, "--yes", "--verify"});
  EXPECT_EQ(w.Status, 1) << w.Err << w.Out;
  EXPECT_TRUE(Contains(w.Out, "FAILED")) << w.Out;
  EXPECT_TRUE(Contains(w.Out, "Verify failed")) << w.Out;
  EXPECT_TRUE(Contains(w.Out, "first at 0x")) << w.Out;
}

TEST(LinkE2e, FleetWriteGoesOnPastAFailingRadio) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  Sim good({"--save", ws.File("good.img")});
  Sim flaky({"--store-faults", "0.05"});
  Sim killed({"--killed"});
  const auto w = ws.Cli({"write", "--port", good.Device(), "--port", flaky.Device(), "--port",
                         killed.Device(), "--port", ws.File("no-such-port"), full.Dat, "--yes", "--verify"});
  EXPECT_EQ(w.Status, 1) << w.Err << w.Out;
  std::istringstream table(w.Out);
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(table, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 5u) << w.Out;
  EXPECT_TRUE(rows[1].starts_with(good.Device()) && Contains(rows[1], " ok ")) << rows[1];
  EXPECT_TRUE(Contains(rows[2], "FAILED") && Contains(rows[2], "Verify failed")) << rows[2];
  EXPECT_TRUE(Contains(rows[3], "FAILED") && Contains(rows[3], "killed")) << rows[3];
  EXPECT_TRUE(Contains(rows[4], "FAILED")) << rows[4];
  EXPECT_EQ(good.Stop(), 0);
  ExpectSameFrom(test::ReadBytes(ws.File("good.img")), full.Image, 0x100, kImageSize);
}

TEST(LinkE2e, FleetReadGivesOneFilePerPort) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  test::WriteBytes(ws.File("a.img"), full.Image);
  Sim a({"--image", ws.File("a.img")});
  Sim b({"--image", ws.File("a.img")});
  const auto r = ws.Cli({"read", "--yes", "--port", a.Device(), "--port", b.Device(), "-o", ws.File("fleet.dat")});
  ASSERT_EQ(r.Status, 0) << r.Err << r.Out;
  for (const Sim* sim : {&a, &b}) {
    std::string tag = sim->Device().substr(5);
    std::replace(tag.begin(), tag.end(), '/', '-');
    const std::string path = ws.File("fleet-" + tag + ".dat");
    AppState got, expected;
    FillFullCodeplug(expected);
    std::string error;
    ASSERT_TRUE(ReadCodeplugFiles(path, got.Current, got.Channels, error)) << error << "\n" << r.Out;
    EXPECT_TRUE(got.Current.Settings == expected.Current.Settings);
  }
}

// ---- A dealer's fleet: identities per radio, the register, the delivery log ----------

// A codeplug whose DTMF own ID (345) and 5-Tone own ID (12345) are carried by codes: an
// ANI call and the PTT ID begin code on the DTMF page, a PTT ID code on the 5-Tone page.
std::string MakeSignallingPlan(Workspace& rWs) {
  AppState state;
  CreateNewCodeplug(state);
  test::GiveCarriedOwnIds(state);
  const std::string dat = rWs.File("plan.dat");
  std::string error;
  EXPECT_TRUE(WriteCodeplugFiles(dat, state.Current, state.Channels, error)) << error;
  return dat;
}

// A radio memory holding serial number rSerial at 0x0020 and no password.
std::string RadioWithSerial(Workspace& rWs, const std::string& rSerial) {
  const std::string path = rWs.File("radio-" + rSerial + ".img");
  test::WriteBytes(path, test::ImageWithSerial(rSerial));
  return path;
}

struct HeldIds {
  std::string Dtmf, DtmfAni, DtmfPttId, FiveTone, FivePttId;
};

// What a radio's memory holds of its identity, decoded as a read would.
HeldIds IdsHeldIn(const std::string& rImagePath) {
  const Bytes bytes = test::ReadBytes(rImagePath);
  RadioImage image{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
  AppState state;
  DecodeCodeplug(state, image);
  const DtmfSettings& dtmf = state.Current.Settings.Dtmf;
  const FiveToneCode& code = state.Current.Settings.FiveTone.Codes[0];
  return {dtmf.SelfId.Display(), dtmf.CodeMemory[0].Digits.Display(), dtmf.PttIdBeginCode.Digits.Display(),
          state.Current.Settings.FiveTone.PageText.Display(), code.Digits.Display().substr(0, code.CodeBytes[2])};
}

void ExpectIds(const std::string& rImagePath, const std::string& rDtmf, const std::string& rFive) {
  const HeldIds held = IdsHeldIn(rImagePath);
  EXPECT_EQ(held.Dtmf, rDtmf) << rImagePath;
  EXPECT_EQ(held.DtmfAni, "012E" + rDtmf) << rImagePath;
  EXPECT_EQ(held.DtmfPttId, "E" + rDtmf) << rImagePath;
  EXPECT_EQ(held.FiveTone, rFive) << rImagePath;
  EXPECT_EQ(held.FivePttId, "E6" + rFive) << rImagePath;
}

std::vector<std::string> LinesOf(const std::string& rText) {
  std::vector<std::string> lines;
  std::istringstream in(rText);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST(FleetE2e, ThreeRadiosNumberedInPortOrder) {
  Workspace ws;
  const std::string plan = MakeSignallingPlan(ws);
  const char* serials[] = {"SN-A1", "SN-B2", "SN-C3"};
  std::vector<std::unique_ptr<Sim>> sims;
  std::vector<std::string> args{"write", plan, "--yes", "--verify", "--dtmf-id", "101", "--five-tone-id", "24680",
                                "--log", ws.File("log.csv")};
  for (int i = 0; i < 3; ++i) {
    sims.push_back(std::make_unique<Sim>(std::vector<std::string>{
        "--image", RadioWithSerial(ws, serials[i]), "--save", ws.File("after" + std::to_string(i) + ".img")}));
    args.insert(args.end(), {"--port", sims.back()->Device()});
  }
  const auto w = ws.Cli(args);
  ASSERT_EQ(w.Status, 0) << w.Err << w.Out;
  for (auto& sim : sims) EXPECT_EQ(sim->Stop(), 0);
  ExpectIds(ws.File("after0.img"), "101", "24680");
  ExpectIds(ws.File("after1.img"), "102", "24681");
  ExpectIds(ws.File("after2.img"), "103", "24682");

  // The delivery record: a header and a row per radio, in a form a spreadsheet opens.
  const auto log = LinesOf(ReadText(ws.File("log.csv")));
  ASSERT_EQ(log.size(), 4u) << ReadText(ws.File("log.csv"));
  EXPECT_EQ(log[0], "date_time,port,model,version,serial,dtmf_id,five_tone_id,result,backup");
  for (int i = 0; i < 3; ++i) {
    const std::string id = std::to_string(101 + i);
    const auto row = std::find_if(log.begin() + 1, log.end(), [&](const std::string& l) {
      return Contains(l, "," + sims[static_cast<std::size_t>(i)]->Device() + ",");
    });
    ASSERT_NE(row, log.end()) << i;
    EXPECT_TRUE(Contains(*row, std::string(",") + serials[i] + "," + id + "," + std::to_string(24680 + i) + ",verified,"))
        << *row;
    const std::string backup = row->substr(row->rfind(',') + 1);
    EXPECT_EQ(test::ReadBytes(backup).size(), kImageSize) << backup;
  }

  // An ID that would outgrow its digits refuses the whole fleet before anything is sent.
  Sim a({"--save", ws.File("untouched.img")});
  Sim b({});
  const auto over = ws.Cli({"write", plan, "--yes", "--dtmf-id", "999", "--port", a.Device(), "--port", b.Device()});
  EXPECT_EQ(over.Status, 1) << over.Err;
  EXPECT_TRUE(Contains(over.Err, "does not fit")) << over.Err;
}

TEST(FleetE2e, TheRegisterGivesEachRadioItsIdentityOnAnyPort) {
  Workspace ws;
  const std::string plan = MakeSignallingPlan(ws);
  {
    std::ofstream reg(ws.File("radios.csv"));
    reg << "serial,dtmf_id,five_tone_id,customer\r\nSN-A1,201,30571,north\r\nSN-B2,202,30572,south\r\n"
           "SN-C3,203,30573,east\r\n";
  }
  Sim a({"--image", RadioWithSerial(ws, "SN-A1"), "--save", ws.File("a.img")});
  Sim b({"--image", RadioWithSerial(ws, "SN-B2"), "--save", ws.File("b.img")});
  Sim c({"--image", RadioWithSerial(ws, "SN-C3"), "--save", ws.File("c.img")});
  const auto w = ws.Cli({"write", plan, "--yes", "--register", ws.File("radios.csv"), "--port", c.Device(), "--port",
                         a.Device(), "--port", b.Device()});
  ASSERT_EQ(w.Status, 0) << w.Err << w.Out;
  EXPECT_EQ(a.Stop(), 0);
  EXPECT_EQ(b.Stop(), 0);
  EXPECT_EQ(c.Stop(), 0);
  ExpectIds(ws.File("a.img"), "201", "30571");
  ExpectIds(ws.File("b.img"), "202", "30572");
  ExpectIds(ws.File("c.img"), "203", "30573");
  EXPECT_TRUE(Contains(w.Out, "SN-C3")) << w.Out;
}

TEST(FleetE2e, ARadioMissingFromTheRegisterIsNotWritten) {
  Workspace ws;
  const std::string plan = MakeSignallingPlan(ws);
  std::ofstream(ws.File("radios.csv")) << "serial,dtmf_id,five_tone_id\nSN-A1,201,30571\n";
  const std::string strangerImage = RadioWithSerial(ws, "SN-Z9");
  Sim a({"--image", RadioWithSerial(ws, "SN-A1"), "--save", ws.File("a.img")});
  Sim z({"--image", strangerImage, "--save", ws.File("z.img")});
  const auto w = ws.Cli({"write", plan, "--yes", "--register", ws.File("radios.csv"), "--log", ws.File("log.csv"),
                         "--port", a.Device(), "--port", z.Device()});
  EXPECT_EQ(w.Status, 1) << w.Err << w.Out;
  const auto rows = LinesOf(w.Out);
  ASSERT_EQ(rows.size(), 3u) << w.Out;
  EXPECT_TRUE(rows[1].starts_with(a.Device()) && Contains(rows[1], " ok ")) << rows[1];
  EXPECT_TRUE(Contains(rows[2], "FAILED") && Contains(rows[2], "SN-Z9 is not in the register")) << rows[2];
  EXPECT_EQ(a.Stop(), 0);
  EXPECT_EQ(z.Stop(), 0);
  ExpectIds(ws.File("a.img"), "201", "30571");
  EXPECT_EQ(test::ReadBytes(ws.File("z.img")), test::ReadBytes(strangerImage));
  const auto log = LinesOf(ReadText(ws.File("log.csv")));
  ASSERT_EQ(log.size(), 3u);
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& l) {
    return Contains(l, ",SN-Z9,,,failed: serial number SN-Z9 is not in the register");
  })) << ReadText(ws.File("log.csv"));

  // A register with a bad row is refused before any radio is touched.
  std::ofstream(ws.File("bad.csv")) << "serial,dtmf_id,five_tone_id\nSN-A1,201,30571\nSN-A1,202,30572\n";
  Sim fresh({"--save", ws.File("fresh.img")});
  const auto bad = ws.Cli({"write", plan, "--yes", "--register", ws.File("bad.csv"), "--port", fresh.Device()});
  EXPECT_EQ(bad.Status, 1);
  EXPECT_TRUE(Contains(bad.Err, "line 3: serial number SN-A1 is already on line 2")) << bad.Err;
}

// Two spellings of one port are one port; two ports whose paths differ only in their
// punctuation get two files.
TEST(FleetE2e, FleetReadNamesCannotCollide) {
  Workspace ws;
  Sim a({});
  Sim b({});
  const std::string dev = a.Device();
  const std::string dotted = dev.substr(0, dev.rfind('/')) + "/." + dev.substr(dev.rfind('/'));
  const auto twice = ws.Cli({"read", "--yes", "--port", dev, "--port", dotted, "-o", ws.File("r.dat")});
  EXPECT_EQ(twice.Status, 2) << twice.Err;
  EXPECT_TRUE(Contains(twice.Err, "given twice")) << twice.Err;

  std::filesystem::create_directories(ws.File("x"));
  std::filesystem::create_symlink(a.Device(), ws.File("x/y1"));
  std::filesystem::create_symlink(b.Device(), ws.File("xy1"));
  const auto r = ws.Cli({"read", "--yes", "--port", ws.File("x/y1"), "--port", ws.File("xy1"), "-o", ws.File("r.dat"),
                         "--log", ws.File("read.csv")});
  ASSERT_EQ(r.Status, 0) << r.Err << r.Out;
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(ws.File("")))
    if (entry.path().extension() == ".dat") files.insert(entry.path().filename().string());
  EXPECT_EQ(files.size(), 2u) << r.Out;
  EXPECT_EQ(LinesOf(ReadText(ws.File("read.csv"))).size(), 3u);
}

// A script never answers its own question about a radio: without a terminal, read and
// write need --yes, as overwriting a file does.
TEST(FleetE2e, RadioTransfersWithoutATerminalNeedYes) {
  Workspace ws;
  const std::string plan = MakeSignallingPlan(ws);
  const std::string image = RadioWithSerial(ws, "SN-A1");
  Sim sim({"--image", image, "--save", ws.File("after.img")});
  Sim other({});
  const std::vector<std::vector<std::string>> commands{
      {"write", "--port", sim.Device(), plan},
      {"write", "--port", sim.Device(), "--port", other.Device(), plan},
      {"read", "--port", sim.Device(), "-o", ws.File("r.dat")},
      {"read", "--port", sim.Device(), "--port", other.Device(), "-o", ws.File("r.dat")},
  };
  for (const auto& command : commands) {
    const auto r = ws.Cli(command);
    EXPECT_EQ(r.Status, 1) << command[0] << r.Err;
    EXPECT_TRUE(Contains(r.Err, "--yes")) << r.Err;
  }
  EXPECT_FALSE(std::filesystem::exists(ws.File("r.dat")));
  EXPECT_EQ(sim.Stop(), 0);
  EXPECT_EQ(test::ReadBytes(ws.File("after.img")), test::ReadBytes(image));
}

// A radio that goes away in the middle of a write is a radio that does not answer, at
// the block it reached; the cable advice is for a line that sends nothing at all.
TEST(FleetE2e, ARadioThatStopsMidTransferIsNoCableProblem) {
  Workspace ws;
  const std::string plan = MakeSignallingPlan(ws);
  Sim sim({"--baud", "9600"});
  std::thread killer([&sim] {
    std::this_thread::sleep_for(3s);
    sim.Kill();
  });
  const auto w = ws.Cli({"write", "--yes", "--port", sim.Device(), plan});
  killer.join();
  EXPECT_EQ(w.Status, 1) << w.Err;
  EXPECT_TRUE(Contains(w.Err, "The radio does not answer.")) << w.Err;
  EXPECT_TRUE(Contains(w.Err, "It stopped answering at block 0x")) << w.Err;
  EXPECT_FALSE(Contains(w.Err, "clear-to-send")) << w.Err;
  EXPECT_FALSE(Contains(w.Err, "--flow none")) << w.Err;
}

TEST(LinkE2e, FleetSummaryAsJson) {
  Workspace ws;
  const auto full = MakeFullCodeplug(ws);
  test::WriteBytes(ws.File("a.img"), full.Image);
  Sim a({"--image", ws.File("a.img")});
  const std::string missing = ws.File("no-such-port");
  const auto r = ws.Cli({"read", "--port", a.Device(), "--port", missing, "-o", ws.File("fleet.dat"), "--json",
                         "--yes"});
  EXPECT_EQ(r.Status, 1) << r.Err << r.Out;
  const auto json = nlohmann::json::parse(r.Out);
  EXPECT_FALSE(json.at("succeeded").get<bool>());
  ASSERT_EQ(json.at("radios").size(), 2u) << r.Out;
  EXPECT_EQ(json["radios"][0].at("port"), a.Device());
  EXPECT_TRUE(json["radios"][0].at("succeeded").get<bool>());
  EXPECT_EQ(json["radios"][1].at("port"), missing);
  EXPECT_FALSE(json["radios"][1].at("succeeded").get<bool>());
  EXPECT_FALSE(json["radios"][1].at("detail").get<std::string>().empty()) << r.Out;
}

}  // namespace
}  // namespace px
