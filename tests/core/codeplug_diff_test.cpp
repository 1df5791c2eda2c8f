#include <gtest/gtest.h>

#include <algorithm>

#include "codeplug/number_text.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_rows.h"
#include "edit/codeplug_diff.h"
#include "edit/codeplug_ops.h"
#include "support/full_codeplug.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

namespace px {
namespace {

ChannelRecord& ChannelAt(AppState& rState, int rNumber) {
  return rState.Channels[static_cast<std::size_t>(FindChannelSlot(rState.Current, rState.Channels, rNumber))];
}

std::vector<std::string> Lines(const AppState& rA, const AppState& rB) {
  std::vector<std::string> lines;
  for (const auto& d : DiffCodeplugs(rA, rB)) lines.push_back(DifferenceLine(d));
  return lines;
}

bool Has(const std::vector<std::string>& rLines, const std::string& rLine) {
  return std::find(rLines.begin(), rLines.end(), rLine) != rLines.end();
}

TEST(CodeplugDiff, SameCodeplugsHaveNoDifference) {
  AppState a;
  FillFullCodeplug(a);
  const AppState b = a;
  EXPECT_TRUE(DiffCodeplugs(a, b).empty());
}

TEST(CodeplugDiff, KnownChangesAreListedInTheirShownForms) {
  test::TempDir home;
  test::MakeProgramFolder(home.Path());
  AppState a;
  a.ProgramFolder = home.Path().string();
  FillFullCodeplug(a);
  AppState b = a;
  ChannelAt(b, 13).RxFreq.Assign("014552500");     // channel 12
  ChannelAt(b, 13).OffsetDirection = 0;
  ChannelAt(b, 21).Talkaround = 1 - ChannelAt(b, 21).Talkaround;  // channel 20, no column
  DeleteChannel(b, 51);                              // channel 50
  b.Current.Settings.Scan[11] = 11;
  b.Current.MaxTxFreq = 174;
  ASSERT_NE(a.Current.MaxTxFreq, 174);

  const auto lines = Lines(a, b);
  const std::string header = ChannelHeaderTexts(a)[kColRx];
  const std::string shownRx = ChannelRowOf(a, ChannelAt(a, 13))[kColRx];
  EXPECT_TRUE(Has(lines, "channel 12 " + header + ": " + shownRx + " \xE2\x86\x92 145.52500"))
      << ::testing::PrintToString(lines);
  const std::string talk = std::to_string(ChannelAt(a, 21).Talkaround);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
    return l.starts_with("channel 20 ") && l.ends_with(talk + " \xE2\x86\x92 " + std::to_string(1 - std::stoi(talk)));
  })) << ::testing::PrintToString(lines);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
    return l.starts_with("channel 50: ") && l.ends_with("(no channel)");
  }));
  // A page's change in the words and shown values of its dialog, not as a raw byte: the
  // second priority channel shows as the grid's row label.
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
    return l.starts_with(LangText(a, 2400) + " ") && l.ends_with(" \xE2\x86\x92 10");
  })) << ::testing::PrintToString(lines);
  EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Settings.Scan"); }));
  EXPECT_TRUE(Has(lines, "MaxTxFreq: " + FormatPlainNumber(a.Current.MaxTxFreq) + " \xE2\x86\x92 174"));
  // The transmit column shows the offset change; no raw OffsetDirection line beside it.
  EXPECT_FALSE(std::any_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.find("OffsetDirection") != std::string::npos; }));
}

TEST(CodeplugDiff, ATonePickedButNotShownIsStillADifference) {
  AppState a;
  a.Current.ChannelCount = 1;
  a.Channels[0].Number = 5;
  a.Channels[0].InUse = 1;
  a.Channels[0].RxFreq.Assign("014500000");
  AppState b = a;
  b.Channels[0].CtcssIndexA = 9;  // no encode tone in use: the grid shows none either way
  const auto differences = DiffCodeplugs(a, b);
  ASSERT_EQ(differences.size(), 1u);
  EXPECT_EQ(differences[0].Where, "channel 4 CtcssIndexA");
  EXPECT_EQ(differences[0].After, "9");
}

}  // namespace
}  // namespace px
