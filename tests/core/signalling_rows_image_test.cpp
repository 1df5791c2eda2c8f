// The DTMF and 2-Tone settings reach the radio's bytes through their field rows: every
// byte where the radio keeps it, and back.

#include <gtest/gtest.h>

#include <array>

#include "link/codec.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

struct SignallingRowsImage : ::testing::Test {
  AppState state;
  RadioImage image{};
  test::ScriptedUi ui;
  Codeplug& plug = state.Current;

  SignallingRowsImage() { plug.ChannelCount = 0; }
  void Encode() { ASSERT_TRUE(EncodeCodeplug(state, image, ui)) << ui.Questions.at(0).Text; }
  Codeplug Decoded() const {
    AppState out;
    DecodeCodeplug(out, image);
    return out.Current;
  }
};

TEST_F(SignallingRowsImage, DtmfValuesLieWhereTheRadioKeepsThem) {
  auto& d = plug.Settings.Dtmf;
  d.SeparatorDigit = 11;
  d.GroupDigit = 13;
  d.DecodeResponse = 2;
  d.PreSendDelay = 40;
  d.FirstDigitDelay = 50;
  d.ResetTime = 60;
  d.SideTone = 1;
  d.PostSendDelay = 70;
  d.PauseTime = 80;
  Encode();
  const struct {
    std::size_t At;
    int Value;
  } bytes[] = {{0x02E0, 11}, {0x02E1, 13}, {0x02E2, 2},  {0x02E3, 40}, {0x02E4, 50},
               {0x02E5, 60}, {0x02ED, 1},  {0x02EE, 70}, {0x02EF, 80}};
  for (const auto& b : bytes) EXPECT_EQ(image[b.At], b.Value) << std::hex << b.At;
  const DtmfSettings back = Decoded().Settings.Dtmf;
  const auto values = [](const DtmfSettings& r) {
    return std::array<int, 9>{r.SeparatorDigit, r.GroupDigit, r.DecodeResponse, r.PreSendDelay, r.FirstDigitDelay,
                              r.ResetTime,      r.SideTone,   r.PostSendDelay,  r.PauseTime};
  };
  EXPECT_EQ(values(back), values(d));
}

TEST_F(SignallingRowsImage, TwoToneHeaderKeepsTheRadiosByteOrder) {
  auto& header = plug.Settings.TwoTone.Header;
  for (std::size_t i = 0; i < header.size(); ++i) header[i] = static_cast<Byte>(100 + i);
  header[4] = 9;  // a decode format
  header[11] = 1;
  Encode();
  // The header byte the radio keeps at 0x0300 + k.
  constexpr std::size_t kOrder[24] = {1, 0, 3, 2, 6, 5, 8, 7, 10, 20, 21, 22, 23, 9, 11, 4, 13, 12, 15, 14, 17, 16, 19, 18};
  for (std::size_t k = 0; k < 24; ++k) EXPECT_EQ(image[0x0300 + k], header[kOrder[k]]) << k;
  EXPECT_EQ(Decoded().Settings.TwoTone.Header, header);
}

}  // namespace
}  // namespace px
