#include "codeplug/json_form.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>

#include "codeplug/codeplug_file.h"
#include "codeplug/record_fields.h"

namespace px {
namespace {

using Json = nlohmann::ordered_json;

// Gives every field a value that differs from its default and from its neighbours;
// texts mix NUL, spaces, bytes 0x80..0xFF and ordinary characters.
class Filler {
 public:
  template <class T>
  void Fill(T& rValue) {
    ++mCounter;
    if constexpr (IsFixedText<T>::value) {
      for (std::size_t i = 0; i < T::Size; ++i) {
        static constexpr unsigned char kPattern[] = {0x00, ' ', 0x80, 0xFF, 'A', 0xE9, 0x7F, '9', 0xA0};
        rValue.Bytes[i] = static_cast<char>(kPattern[(i + mCounter) % sizeof kPattern]);
      }
    } else if constexpr (IsStdArray<T>::value) {
      for (auto& e : rValue) Fill(e);
    } else if constexpr (std::same_as<T, double>) {
      static constexpr double kValues[] = {136.0125, 173.9975, 0.1 + 0.2, 4.9e-324};
      rValue = kValues[mCounter % 4];
    } else if constexpr (std::same_as<T, Int16>) {
      static constexpr Int16 kExtremes[] = {-32768, 32767, -1};
      rValue = mCounter % 7 < 3 ? kExtremes[mCounter % 7] : static_cast<Int16>(mCounter * 37);
    } else if constexpr (std::same_as<T, Byte>) {
      rValue = static_cast<Byte>(mCounter % 5 == 0 ? 255 : mCounter * 13 + 1);
    } else {
      VisitFields([&](const char*, auto& rField) { Fill(rField); }, rValue);
    }
  }

 private:
  int mCounter = 0;
};

struct FullCodeplug {
  Codeplug Plug;
  ChannelTable Channels{};
  FullCodeplug() {
    Filler filler;
    filler.Fill(Plug);
    filler.Fill(Channels);
    Plug.ChannelCount = kChannelSlots;
  }
};

// A codeplug and table that a failed conversion must leave exactly as they are.
struct Sentinel {
  Codeplug Plug;
  ChannelTable Channels{};
  Sentinel() {
    Plug.BandIndex = 3;
    Plug.MinRxFreq = 400;
    Channels[0].Number = 77;
    Channels[202].Name.Assign("KEEP");
  }
};

std::string Mutated(const std::function<void(Json&)>& rChange) {
  static const Json kBase = [] {
    FullCodeplug full;
    full.Plug.ChannelCount = 3;
    return Json::parse(CodeplugToJson(full.Plug, full.Channels));
  }();
  Json json = kBase;
  rChange(json);
  return json.dump();
}

TEST(JsonForm, FullCodeplugRoundTripsExactly) {
  const FullCodeplug full;
  const std::string json = CodeplugToJson(full.Plug, full.Channels);

  Codeplug plug;
  ChannelTable channels{};
  std::string error;
  ASSERT_TRUE(CodeplugFromJson(json, plug, channels, error)) << error;
  EXPECT_EQ(plug, full.Plug);
  EXPECT_EQ(channels, full.Channels);
  EXPECT_EQ(SerializeCodeplug(plug), SerializeCodeplug(full.Plug));
  for (int slot = 0; slot < kChannelSlots; ++slot)
    EXPECT_EQ(SerializeChannel(channels[slot]), SerializeChannel(full.Channels[slot])) << slot;
  // Converting again gives the same text.
  EXPECT_EQ(CodeplugToJson(plug, channels), json);
}

TEST(JsonForm, KeysFollowTheRecordsAndOnlyOccupiedSlotsAreListed) {
  FullCodeplug full;
  full.Plug.ChannelCount = 2;
  const Json json = Json::parse(CodeplugToJson(full.Plug, full.Channels));

  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"BandIndex", "MinRxFreq", "MaxRxFreq", "MinTxFreq",
                                            "MaxTxFreq", "Settings", "ChannelCount", "Book",
                                            "FiveToneLastOption", "Channels"}));
  EXPECT_EQ(json["Settings"]["Dtmf"]["CodeMemory"].size(), 16u);
  EXPECT_TRUE(json["Settings"]["Dtmf"]["CodeMemory"][3].contains("Digits"));
  EXPECT_EQ(json["Settings"]["KeyFunctions"].size(), 15u);
  ASSERT_EQ(json["Channels"].size(), 2u);
  EXPECT_EQ(json["Channels"][1]["Number"], full.Channels[1].Number);
  EXPECT_EQ(json["Channels"][1].size(), 43u);

  // Slots beyond the count come back cleared.
  Codeplug plug;
  ChannelTable channels{};
  channels[2].Number = 9;
  std::string error;
  ASSERT_TRUE(CodeplugFromJson(json.dump(), plug, channels, error)) << error;
  EXPECT_EQ(channels[1], full.Channels[1]);
  EXPECT_EQ(channels[2], ChannelRecord{});
}

TEST(JsonForm, TextBytesBecomeCodePointsOfTheSameValue) {
  Codeplug plug;
  plug.ChannelCount = 1;
  plug.Settings.Options.PowerOnPassword.SetDefaultEmpty();
  ChannelTable channels{};
  const char raw[7] = {'\0', ' ', '\x80', '\xFF', '\xE9', 'a', ' '};
  std::copy(std::begin(raw), std::end(raw), channels[0].Name.Bytes.begin());

  const std::string text = CodeplugToJson(plug, channels);
  EXPECT_NE(text.find(R"("Name": "\u0000 )" "\xC2\x80\xC3\xBF\xC3\xA9" R"(a ")"), std::string::npos);
  const Json json = Json::parse(text);
  EXPECT_EQ(json["Channels"][0]["Name"].get<std::string>(),
            std::string("\0 \xC2\x80\xC3\xBF\xC3\xA9" "a ", 10));
  // The empty text of the defaults: one NUL, then spaces.
  EXPECT_EQ(json["Settings"]["Options"]["PowerOnPassword"].get<std::string>(), std::string("\0     ", 6));

  Codeplug back;
  ChannelTable backChannels{};
  std::string error;
  ASSERT_TRUE(CodeplugFromJson(text, back, backChannels, error)) << error;
  EXPECT_EQ(backChannels[0].Name, channels[0].Name);
}

TEST(JsonForm, DoublesKeepTheirExactBitsIncludingNonFiniteOnes) {
  Codeplug plug;
  plug.ChannelCount = 0;
  plug.MinRxFreq = -0.0;
  plug.MaxRxFreq = std::bit_cast<double>(std::uint64_t{0x7FF800000000ABCD});  // NaN with payload
  plug.MinTxFreq = -std::numeric_limits<double>::infinity();
  plug.MaxTxFreq = 173.99750000000003;
  const ChannelTable channels{};

  const std::string text = CodeplugToJson(plug, channels);
  const Json json = Json::parse(text);
  EXPECT_TRUE(json["MaxTxFreq"].is_number());
  EXPECT_EQ(json["MaxRxFreq"], "0x7FF800000000ABCD");
  EXPECT_EQ(json["MinTxFreq"], "0xFFF0000000000000");

  Codeplug back;
  ChannelTable backChannels{};
  std::string error;
  ASSERT_TRUE(CodeplugFromJson(text, back, backChannels, error)) << error;
  EXPECT_EQ(SerializeCodeplug(back), SerializeCodeplug(plug));
}

TEST(JsonForm, BoundaryValuesAreAccepted) {
  const std::string text = Mutated([](Json& j) {
    j["BandIndex"] = -32768;
    j["Settings"]["Dtmf"]["AniOn"] = 32767;
    j["Settings"]["KeyFunctions"][0] = 0;
    j["Settings"]["KeyFunctions"][1] = 255;
    j["MinRxFreq"] = 136;  // an integer is a valid double
    j["ChannelCount"] = 0;
    j["Channels"] = Json::array();
  });
  Codeplug plug;
  ChannelTable channels{};
  std::string error;
  ASSERT_TRUE(CodeplugFromJson(text, plug, channels, error)) << error;
  EXPECT_EQ(plug.BandIndex, -32768);
  EXPECT_EQ(plug.Settings.Dtmf.AniOn, 32767);
  EXPECT_EQ(plug.Settings.KeyFunctions[1], 255);
  EXPECT_EQ(plug.MinRxFreq, 136.0);
  EXPECT_EQ(plug.ChannelCount, 0);
}

struct Malformed {
  const char* What;
  std::function<void(Json&)> Change;
  const char* Error;  // the whole message, or its start when it ends in "..."
};

TEST(JsonForm, MalformedInputNamesTheFieldAndChangesNothing) {
  const std::string text24 = std::string(23, '1');
  const std::vector<Malformed> cases = {
      {"text too short", [&](Json& j) { j["Settings"]["Dtmf"]["CodeMemory"][3]["Digits"] = text24; },
       "Settings.Dtmf.CodeMemory[3].Digits: text must be 24 characters, not 23"},
      {"text too long", [](Json& j) { j["Channels"][2]["PttIdCode"] = "123456"; },
       "Channels[2].PttIdCode: text must be 5 characters, not 6"},
      {"character above U+00FF", [](Json& j) { j["Channels"][0]["Name"] = "ab\xC4\x80    "; },
       "Channels[0].Name: character 3 is above U+00FF"},
      {"text given as number", [](Json& j) { j["Settings"]["Dtmf"]["SelfId"] = 123; },
       "Settings.Dtmf.SelfId: must be a text"},
      {"number given as text", [](Json& j) { j["BandIndex"] = "7"; },
       "BandIndex: must be a number -32768..32767"},
      {"boolean for a number", [](Json& j) { j["Channels"][1]["InUse"] = true; },
       "Channels[1].InUse: must be a number -32768..32767"},
      {"int16 above range", [](Json& j) { j["Settings"]["FiveTone"]["ToneTable"][15] = 32768; },
       "Settings.FiveTone.ToneTable[15]: number outside -32768..32767"},
      {"int16 below range", [](Json& j) { j["Book"][127]["Index"] = -32769; },
       "Book[127].Index: number outside -32768..32767"},
      {"huge number", [](Json& j) { j["ChannelCount"] = std::uint64_t{18446744073709551615u}; },
       "ChannelCount: number outside -32768..32767"},
      {"byte above range", [](Json& j) { j["Settings"]["KeyFunctions"][0] = 256; },
       "Settings.KeyFunctions[0]: number outside 0..255"},
      {"negative byte", [](Json& j) { j["FiveToneLastOption"] = -1; },
       "FiveToneLastOption: number outside 0..255"},
      {"fraction for an integer", [](Json& j) { j["Settings"]["Scan"][3] = 1.5; },
       "Settings.Scan[3]: must be a whole number 0..255"},
      {"double as text", [](Json& j) { j["MinRxFreq"] = "136"; }, "MinRxFreq: must be a number..."},
      {"finite double as bits", [](Json& j) { j["MinRxFreq"] = "0x4061000000000000"; },
       "MinRxFreq: must be a number..."},
      {"array too short", [](Json& j) { j["Settings"]["KeyFunctions"].erase(14); },
       "Settings.KeyFunctions: array must have 15 elements, not 14"},
      {"array too long", [](Json& j) { j["Settings"]["FiveTone"]["Codes"].push_back(j["Settings"]["FiveTone"]["Codes"][0]); },
       "Settings.FiveTone.Codes: array must have 100 elements, not 101"},
      {"record for an array", [](Json& j) { j["Settings"]["Alert"] = Json::object(); },
       "Settings.Alert: must be an array"},
      {"array for a record", [](Json& j) { j["Settings"]["TwoTone"]["Entries"][31] = Json::array(); },
       "Settings.TwoTone.Entries[31]: must be an object"},
      {"unknown field", [](Json& j) { j["Settings"]["Dtmf"]["Volume"] = 3; },
       "Settings.Dtmf.Volume: unknown field"},
      {"unknown top-level field", [](Json& j) { j["Comment"] = "x"; }, "Comment: unknown field"},
      {"unknown channel field", [](Json& j) { j["Channels"][1]["TxFreq"] = "x"; },
       "Channels[1].TxFreq: unknown field"},
      {"missing field", [](Json& j) { j["Settings"]["Options"].erase("OptionValue24"); },
       "Settings.Options.OptionValue24: missing field"},
      {"missing nested record", [](Json& j) { j["Settings"]["FiveTone"].erase("SpecialCodeB"); },
       "Settings.FiveTone.SpecialCodeB: missing field"},
      {"missing channel field", [](Json& j) { j["Channels"][2].erase("PttIdDecode"); },
       "Channels[2].PttIdDecode: missing field"},
      {"missing channel list", [](Json& j) { j.erase("Channels"); }, "Channels: missing field"},
      {"channel list not an array", [](Json& j) { j["Channels"] = 3; }, "Channels: must be an array"},
      {"fewer channels than the count", [](Json& j) { j["Channels"].erase(2); },
       "Channels: holds 2 channels but ChannelCount is 3"},
      {"more channels than the count", [](Json& j) { j["ChannelCount"] = 2; },
       "Channels: holds 3 channels but ChannelCount is 2"},
      {"count above the table", [](Json& j) { j["ChannelCount"] = 204; },
       "ChannelCount: must be 0..203, not 204"},
      {"negative count", [](Json& j) { j["ChannelCount"] = -1; }, "ChannelCount: must be 0..203, not -1"},
      {"not an object", [](Json& j) { j = Json::array({1, 2}); }, "top level: must be an object"},
  };

  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.What);
    const Sentinel before;
    Sentinel after;
    std::string error;
    EXPECT_FALSE(CodeplugFromJson(Mutated(c.Change), after.Plug, after.Channels, error));
    const std::string expected = c.Error;
    if (expected.ends_with("..."))
      EXPECT_TRUE(error.starts_with(expected.substr(0, expected.size() - 3))) << error;
    else
      EXPECT_EQ(error, expected);
    EXPECT_EQ(after.Plug, before.Plug);
    EXPECT_EQ(after.Channels, before.Channels);
  }
}

TEST(JsonForm, TextThatIsNotJsonIsRefused) {
  for (const std::string text : {"", "{", "{\"BandIndex\": 7,}", "[1, 2", "\xFF"}) {
    const Sentinel before;
    Sentinel after;
    std::string error;
    EXPECT_FALSE(CodeplugFromJson(text, after.Plug, after.Channels, error));
    EXPECT_TRUE(error.starts_with("not valid JSON")) << error;
    EXPECT_EQ(after.Plug, before.Plug);
    EXPECT_EQ(after.Channels, before.Channels);
  }
}

// A number beyond a double stops the parser itself: refused like any bad value, with the
// field it stood in, never as an exception.
TEST(JsonForm, NumbersTooLargeForADoubleAreRefusedWithTheirField) {
  const std::string base = Mutated([](Json&) {});
  const auto replaced = [&](const std::string& rKey, const std::string& rNumber) {
    const std::size_t at = base.find("\"" + rKey + "\":");
    std::size_t value = at + rKey.size() + 3;
    std::size_t end = base.find_first_of(",}]", value);
    return base.substr(0, value) + rNumber + base.substr(end);
  };
  struct Case {
    std::string Text;
    const char* Field;
  };
  const Case cases[] = {
      {replaced("MinRxFreq", "1e999"), "MinRxFreq: the number 1e999 is too large"},
      {replaced("ChannelCount", "-1e400"), "ChannelCount: the number -1e400 is too large"},
      {"1e999", "the JSON text: the number 1e999"},
  };
  for (const Case& c : cases) {
    const Sentinel before;
    Sentinel after;
    std::string error;
    EXPECT_NO_THROW(EXPECT_FALSE(CodeplugFromJson(c.Text, after.Plug, after.Channels, error)));
    EXPECT_NE(error.find(c.Field), std::string::npos) << error;
    EXPECT_EQ(after.Plug, before.Plug);
  }
  // Inside the channels the slot is named as well.
  std::string inChannel = base;
  const std::size_t channels = inChannel.find("\"Channels\"");
  const std::size_t step = inChannel.find("\"StepIndex\":", inChannel.find("\"Number\"", channels + 1));
  const std::size_t second = inChannel.find("\"StepIndex\":", step + 1);
  inChannel.replace(second + 12, inChannel.find_first_of(",}", second + 12) - second - 12, "9e9999");
  std::string error;
  Sentinel after;
  EXPECT_FALSE(CodeplugFromJson(inChannel, after.Plug, after.Channels, error));
  EXPECT_NE(error.find("Channels[1].StepIndex: the number 9e9999"), std::string::npos) << error;
}

}  // namespace
}  // namespace px
