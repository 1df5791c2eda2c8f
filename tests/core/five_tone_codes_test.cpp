// 5-Tone codes: the stored form and what the radio sends, the special-call kinds, the
// own ID and how codes follow it, the key filter, the standards and the tone-table text.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_state.h"
#include "codeplug/text_formats.h"
#include "edit/five_tone_codes.h"
#include "edit/five_tone_standards.h"
#include "support/temp_dir.h"

namespace px {
namespace {

struct CodeCase {
  const char* Typed;
  const char* OwnId;
  const char* Stored;
  const char* Sent;  // Mid5ToneNoE of the stored form over its whole length
};

TEST(FiveToneCodes, TypedCodesAreStoredWithRepeatDigitsAndSentResolved) {
  const CodeCase cases[] = {
      {"1123", "", "1E23", "1123"},
      {"1111", "", "1E1E", "1111"},
      {"12312", "", "12312", "12312"},
      {"11223", "", "1E2E3", "11223"},
      {"E612345", "12345", "E612345", "E612345"},
      {"E667890", "67890", "E6E7890", "E667890"},
      {"12345D67890", "67890", "12345D67890", "12345D67890"},
      {"12345D11223", "11223", "12345D1E2E3", "12345D11223"},
      {"1234511223", "11223", "123451E2E3", "1234511223"},
      {"1234551234", "51234", "12345E1234", "1234551234"},
      {"12345DSelfID", "", "12345DSelfID", "12345DSelfID"},
  };
  for (const CodeCase& c : cases) {
    const std::string stored = EncodeFiveToneCode(c.Typed, c.OwnId);
    EXPECT_EQ(stored, c.Stored) << c.Typed;
    EXPECT_EQ(Mid5ToneNoE(stored, 1, static_cast<int>(stored.size())), c.Sent) << c.Typed;
  }
}

TEST(FiveToneCodes, Mid5ToneNoETakesThePreviousCharacterOfTheTextItself) {
  struct Case {
    const char* Text;
    int Start;
    int Len;
    const char* Sent;
  } cases[] = {
      {"1E3", 1, 3, "113"}, {"1EE", 1, 3, "11E"}, {"123", 2, 5, "23"}, {"E12", 1, 3, "E12"},
      {"", 1, 5, ""},       {"12345", 0, 2, "1"}, {"E1E2E3EE", 3, 5, "12233"},
  };
  for (const Case& c : cases) EXPECT_EQ(Mid5ToneNoE(c.Text, c.Start, c.Len), c.Sent) << c.Text;
}

TEST(FiveToneCodes, CallTypesInTheOrderTheListShowsThem) {
  struct Case {
    const char* Code;
    FiveToneCallType Type;
  } cases[] = {
      {"E1123E4E4142", FiveToneCallType::Message},
      {"E1234E45", FiveToneCallType::Message},
      {"E1234E4", FiveToneCallType::None},  // too short for a message
      {"E1123E4E12345", FiveToneCallType::Message},  // message bytes never make an ANI call
      {"12345DSelfID", FiveToneCallType::Ani},
      {"12345SelfID", FiveToneCallType::Ani},
      {"12345D12345", FiveToneCallType::Ani},
      {"1234512345", FiveToneCallType::Ani},
      {"12345612345", FiveToneCallType::None},  // a decimal digit cannot part the codes
      {"E612345", FiveToneCallType::PttId},
      {"E6SelfID", FiveToneCallType::PttId},
      {"12345", FiveToneCallType::None},
  };
  for (const Case& c : cases) EXPECT_EQ(CallTypeOf(c.Code, "12345"), c.Type) << c.Code;
}

TEST(FiveToneCodes, OwnIdFilledInAndFollowedWhenItChanges) {
  struct Case {
    const char* Code;
    const char* Filled;    // WithOwnId(code, "67890")
    const char* Followed;  // WithNewOwnId(code, "12345", "67890")
  } cases[] = {
      {"E612345", "E667890", "E667890"},
      {"E2SelfID", "E267890", "E267890"},
      {"12345DSelfID", "12345D67890", "12345DSelfID"},
      {"12345SelfID", "1234567890", "12345SelfID"},
      {"11111D12345", "11111D12345", "11111D67890"},
      {"1111112345", "1111112345", "1111167890"},
      {"11111D1E345", "11111D1E345", "11111D1E345"},  // not the old ID in any form
      // The prefix alone, as made before there was an own ID: OK leaves a code of two
      // characters alone, a new own ID fills it in.
      {"E6", "E6", "E667890"},
      {"E2", "E2", "E267890"},
      {"12345", "12345", "12345"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithOwnId(c.Code, "67890"), c.Filled) << c.Code;
    EXPECT_EQ(WithNewOwnId(c.Code, "12345", "67890"), c.Followed) << c.Code;
  }
  // The own ID change of the list: E612345 -> E667890, stored as E6E7890.
  EXPECT_EQ(EncodeFiveToneCode(WithNewOwnId("E612345", "12345", "67890"), "67890"), "E6E7890");
  // An own ID in repeat form is recognised and replaced whole.
  EXPECT_EQ(WithNewOwnId("12345D1E2E3", "11223", "67890"), "12345D67890");

  EXPECT_EQ(WithNewOwnId("E6", "", "24680"), "E624680") << "made while the own ID was empty";

  for (const char* good : {"00000", "12345"}) EXPECT_TRUE(IsOwnIdComplete(good)) << good;
  for (const char* bad : {"", "1234", "123456", "1234A"}) EXPECT_FALSE(IsOwnIdComplete(bad)) << bad;
}

TEST(FiveToneCodes, CodeInUseFollowsTheLengthByte) {
  FiveToneCode code;
  code.Digits.Assign("12345");
  code.CodeBytes[2] = 3;
  EXPECT_EQ(CodeInUse(code), "123");
  code.CodeBytes[2] = 7;
  EXPECT_EQ(CodeInUse(code), "12345EE");
  code.CodeBytes[2] = 200;
  EXPECT_EQ(CodeInUse(code).size(), 40u);
}

TEST(FiveToneCodes, KeyFilter) {
  EXPECT_EQ(FilterCodeKey('c'), 'C');
  EXPECT_EQ(FilterCodeKey('7'), '7');
  EXPECT_EQ(FilterCodeKey('F'), 'F');
  EXPECT_EQ(FilterCodeKey(8), char{8}) << "backspace passes";
  for (const int swallowed : {int{'G'}, int{'g'}, int{' '}, int{'*'}, 3, 22, 24, 0xE9}) EXPECT_FALSE(FilterCodeKey(swallowed)) << swallowed;
}

TEST(FiveToneStandards, OrderDurationsAndToneTableText) {
  ASSERT_EQ(FiveToneStandards().size(), 14u);
  EXPECT_EQ(FiveToneStandardAt(9).Name, "EEA");
  EXPECT_EQ(FiveToneStandardAt(9).DefaultDurationMs, 40);
  EXPECT_EQ(FiveToneStandardAt(10).DefaultDurationMs, 100);
  EXPECT_EQ(FiveToneStandardAt(11).DefaultDurationMs, 70);
  EXPECT_EQ(FiveToneStandardAt(99).Name, "ZVEI1");
  EXPECT_EQ(ChoiceText(AppState{}, FiveToneStandardChoices(), 13), "CCITT");

  test::TempDir home;
  std::filesystem::create_directories(home.Path() / "language");
  std::filesystem::copy_file(std::filesystem::path(PX_SOURCE_DIR) / "lang/english.ini",
                             home.Path() / "language/english.ini");
  AppState state;
  state.ProgramFolder = home.Path().string();
  EXPECT_EQ(ToneTableText(state, 2),
            "ZVEI3\r\nTone Frequency(Hz)\r\n0 2200\r\n1 970\r\n2 1060\r\n3 1160\r\n4 1270\r\n5 1400\r\n"
            "6 1530\r\n7 1670\r\n8 1830\r\n9 2000\r\nA 885\r\nB \r\nC \r\nD \r\nE 2400\r\nF \r\n"
            "Tone Duration(ms) 70\r\nGroup Code: A\r\nRepeat Code: E\r\n");
}

}  // namespace
}  // namespace px
