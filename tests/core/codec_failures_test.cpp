// Every value an encoder cannot convert stops the encoding with that encoder's message,
// and no encoder writes outside its own area whatever the codeplug holds.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "app/language.h"
#include "link/codec.h"
#include "support/full_codeplug.h"
#include "support/scripted_ui.h"

namespace px {
namespace {

struct FailureCase {
  const char* Name;
  std::function<void(AppState&)> Spoil;
  const char* Message;
};

const char* const kChannels = "SetCommDataByFrequencyError";
const char* const kOptions = "SetCommDataByOptionError";
const char* const kFiveTone = "SetCommDataBy5ToneError";
const char* const kDtmf = "SetCommDataByDTMFError";

ChannelRecord& Ch(AppState& s, int rNumber) { return s.Channels[static_cast<std::size_t>(rNumber - 1)]; }
FiveToneSettings& Five(AppState& s) { return s.Current.Settings.FiveTone; }

const FailureCase kCases[] = {
    {"ByteFieldOf300", [](AppState& s) { Ch(s, 3).StepIndex = 300; }, kChannels},
    {"NegativeByteField", [](AppState& s) { Ch(s, 3).ScramblerIndex = -1; }, kChannels},
    {"NonDigitInFrequency", [](AppState& s) { Ch(s, 9).RxFreq.Assign("01450X000"); }, kChannels},
    {"BlankOffset", [](AppState& s) { Ch(s, 9).OffsetFreq.Assign(""); }, kChannels},
    {"PttIdCodeNotHex", [](AppState& s) { Ch(s, 9).PttIdCode.Assign("12G45"); }, kChannels},
    {"DcsAbove511", [](AppState& s) { Ch(s, 4).DcsIndexB = 512; }, kChannels},
    {"BandwidthWiderThanItsBits", [](AppState& s) { Ch(s, 4).BandwidthIndex = 4; }, kChannels},
    {"SwitchOf2", [](AppState& s) { Ch(s, 4).Talkaround = 2; }, kChannels},
    {"UnknownOffsetDirection", [](AppState& s) { Ch(s, 4).OffsetDirection = 3; }, kChannels},
    {"ChannelNumberOutsideTable", [](AppState& s) { Ch(s, 4).Number = 204; }, kChannels},
    {"BandLimitNotANumber", [](AppState& s) { s.Current.MaxTxFreq = std::nan(""); }, kChannels},
    {"BandLimitTooLarge", [](AppState& s) { s.Current.MinRxFreq = 10000; }, kChannels},
    {"OptionValueOf300", [](AppState& s) { s.Current.Settings.Options.OptionValues[7] = 300; }, kOptions},
    {"OptionSwitchOf2", [](AppState& s) { s.Current.Settings.Options.OptionValues[13] = 2; }, kOptions},
    {"AniOnOf2", [](AppState& s) { s.Current.Settings.Dtmf.AniOn = 2; }, kOptions},
    {"PageTextShorterThanLength", [](AppState& s) { Five(s).PageText.Assign("123"); }, kFiveTone},
    {"PageTextNotDecimal", [](AppState& s) { Five(s).PageText.Assign("12A45"); }, kFiveTone},
    {"OwnIdLengthBeyondArea", [](AppState& s) {
       Five(s).PageText.Assign("123456");
       Five(s).PageBytes[3] = 6;
     }, kFiveTone},
    {"SpecialCodeOf30Digits", [](AppState& s) {
       Five(s).SpecialCodeA.CodeBytes[2] = 30;
       Five(s).SpecialCodeA.Digits.Assign(std::string(30, '1'));
     }, kFiveTone},
    {"SpecialCodeOf25Digits", [](AppState& s) { Five(s).SpecialCodeB.CodeBytes[2] = 25; }, kFiveTone},
    {"ListedCodeOf41Digits", [](AppState& s) { Five(s).Codes[99].CodeBytes[2] = 41; }, kFiveTone},
    {"InfoCodeOf14Digits", [](AppState& s) { Five(s).InfoCodes[7].CodeBytes[2] = 14; }, kFiveTone},
    {"FiveToneDigitNotHex", [](AppState& s) { Five(s).Codes[5].Digits.Assign("12G"); }, kFiveTone},
    {"PageWordOf300", [](AppState& s) { Five(s).PageWords[3] = 300; }, kFiveTone},
    {"DtmfDigitOutsideHex", [](AppState& s) { s.Current.Settings.Dtmf.CodeMemory[2].Digits.Assign("1*3"); }, kDtmf},
    {"DtmfNegativeLength", [](AppState& s) { s.Current.Settings.Dtmf.KillCode.Length = -1; }, kDtmf},
    {"DtmfValueOf300", [](AppState& s) { s.Current.Settings.Dtmf.PauseTime = 300; }, kDtmf},
};

class EncodeFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EncodeFailureTest, StopsWithTheEncodersMessage) {
  AppState state;
  FillFullCodeplug(state);
  GetParam().Spoil(state);
  RadioImage image{};
  test::ScriptedUi ui;
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  ASSERT_EQ(ui.Questions.size(), 1u);
  // The routine's name first, then what failed on a line of its own.
  EXPECT_EQ(ui.Questions[0].Text.rfind(std::string(GetParam().Message) + "\r\n", 0), 0u)
      << ui.Questions[0].Text;
  EXPECT_EQ(ui.Questions[0].Buttons, MsgButtons::Ok);
  // The later encoders did not run: the book comes last and stays blank.
  EXPECT_EQ(image[0x1C08], 0x00);
}

INSTANTIATE_TEST_SUITE_P(Codec, EncodeFailureTest, ::testing::ValuesIn(kCases),
                         [](const auto& rInfo) { return std::string(rInfo.param.Name); });

TEST(EncodeFailureOrder, ChannelFailureSkipsOptionsAndSignalling) {
  AppState state;
  FillFullCodeplug(state);
  Ch(state, 200).StepIndex = 300;
  RadioImage image{};
  test::ScriptedUi ui;
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  EXPECT_EQ(image[0x01F0], 1);     // key functions ran first
  EXPECT_EQ(image[0x0220], 0x00);  // options did not
  EXPECT_EQ(image[0x0320], 0x00);  // nor did the 5-Tone page
}

TEST(EncodeFailureOrder, FiveToneFailureSkipsTwoToneDtmfAndBook) {
  AppState state;
  FillFullCodeplug(state);
  Five(state).Codes[0].CodeBytes[2] = 200;
  RadioImage image{};
  test::ScriptedUi ui;
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  EXPECT_EQ(image[0x0220], 2);     // options ran
  EXPECT_EQ(image[0x0300], 0x00);  // 2-Tone did not
  EXPECT_EQ(image[0x02E0], 0x00);  // nor DTMF
}

TEST(EncodeBounds, LongSpecialCodeNeverReachesItsNeighbours) {
  AppState state;
  FillFullCodeplug(state);
  FiveToneCode& a = Five(state).SpecialCodeA;
  a.CodeBytes[2] = 40;
  a.Digits.Assign(std::string(40, '7'));
  RadioImage image{};
  test::ScriptedUi ui;
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  for (std::size_t at = 0x0370; at < 0x0380; ++at) EXPECT_EQ(image[at], 0x00) << at;
  for (std::size_t at = 0x0380; at < 0x0384; ++at) EXPECT_EQ(image[at], 0xFF) << at;

  // 24 digits is the most that fits, and it stays inside its 16 bytes.
  a.CodeBytes[2] = 24;
  ui.Questions.clear();
  ASSERT_TRUE(EncodeCodeplug(state, image, ui));
  EXPECT_EQ(image[0x036F], 0x77);
  EXPECT_EQ(image[0x0370], 0x00);
}

TEST(EncodeBounds, CountsBeyondTheirFieldsAreClampedOrRefused) {
  AppState state;
  FillFullCodeplug(state);
  // A DTMF length above its maximum counts as no code, as the radio expects.
  state.Current.Settings.Dtmf.CodeMemory[3].Length = 200;
  state.Current.Settings.Dtmf.StunCode.Length = 15;
  // A channel count beyond the table is bounded by the table.
  state.Current.ChannelCount = 999;
  RadioImage image{};
  test::ScriptedUi ui;
  ASSERT_TRUE(EncodeCodeplug(state, image, ui));
  EXPECT_EQ(image[0x043C], 0);
  EXPECT_EQ(image[0x0430], 0x00);
  EXPECT_EQ(image[0x02FF], 0);
  EXPECT_EQ(image[0x0440], 0x4B);  // the next memory is untouched by it
}

TEST(EncodeBounds, DtmfCorrectionsAreKeptEvenWhenALaterCodeFails) {
  AppState state;
  FillFullCodeplug(state);
  state.Current.Settings.Dtmf.SeparatorDigit = 99;
  state.Current.Settings.Dtmf.StunCode.Digits.Assign("#");
  state.Current.Settings.Dtmf.StunCode.Length = 1;
  RadioImage image{};
  test::ScriptedUi ui;
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  EXPECT_EQ(state.Current.Settings.Dtmf.SeparatorDigit, 14);
}

// A failure names where (the channel as the grid shows it, or the page), the field and
// the value, in the user's language.
TEST(EncodeFailureText, NamesTheChannelTheFieldAndTheValue) {
  AppState state;
  FillFullCodeplug(state);
  Ch(state, 9).RxFreq.Assign("01450X000");
  RadioImage image{};
  test::ScriptedUi ui;
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_EQ(ui.Questions[0].Text.rfind("SetCommDataByFrequencyError\r\nChannel 8: RxFreq \"01450X000\"", 0), 0u)
      << ui.Questions[0].Text;

  FillFullCodeplug(state);
  Ch(state, 3).StepIndex = 300;
  ui.Questions.clear();
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  EXPECT_NE(ui.Questions[0].Text.find("Channel 2: StepIndex \"300\": does not fit a byte"), std::string::npos)
      << ui.Questions[0].Text;

  FillFullCodeplug(state);
  Ch(state, 4).OffsetDirection = 3;
  SetLanguage(state, kChinese);
  ui.Questions.clear();
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  ASSERT_EQ(ui.Questions.size(), 1u);
  EXPECT_NE(ui.Questions[0].Text.find("信道 3：OffsetDirection \"3\""), std::string::npos)
      << ui.Questions[0].Text;

  FillFullCodeplug(state);
  SetLanguage(state, kEnglish);
  state.Current.MaxTxFreq = 10000;
  ui.Questions.clear();
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  EXPECT_NE(ui.Questions[0].Text.find("Channels: MaxTxFreq \"10000\""), std::string::npos)
      << ui.Questions[0].Text;

  FillFullCodeplug(state);
  state.Current.Settings.Options.OptionValues[7] = 300;
  ui.Questions.clear();
  EXPECT_FALSE(EncodeCodeplug(state, image, ui));
  EXPECT_NE(ui.Questions[0].Text.find("Optional functions: "), std::string::npos) << ui.Questions[0].Text;
  EXPECT_NE(ui.Questions[0].Text.find("300"), std::string::npos) << ui.Questions[0].Text;
}

}  // namespace
}  // namespace px
