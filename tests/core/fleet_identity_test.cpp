#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "edit/codeplug_ops.h"
#include "edit/delivery_log.h"
#include "edit/file_commands.h"
#include "edit/fleet_identity.h"
#include "edit/radio_register.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using test::ReadText;

template <std::size_t N>
void SetDtmf(DtmfCodeField<N>& rField, std::string_view rDigits) {
  rField.Digits.Assign(rDigits);
  rField.Length = static_cast<Int16>(rDigits.size());
}

void SetFive(FiveToneCode& rCode, std::string_view rDigits) {
  rCode.Empty = 0;
  rCode.Digits.Assign(rDigits);
  rCode.CodeBytes[2] = static_cast<Byte>(rDigits.size());
}

std::string Digits(const FiveToneCode& rCode) {
  return rCode.Digits.Display().substr(0, rCode.CodeBytes[2]);
}

// A codeplug whose DTMF own ID is 345 (separator "*", stored "E") and whose 5-Tone own ID
// is 12345, with codes that carry each and codes that do not. No digit repeats next to
// itself, so the stored forms are the digits as typed. On the DTMF page every code of the
// ANI form with the page's separator takes the own ID, whatever it held before.
AppState FleetPlan() {
  AppState state;
  CreateNewCodeplug(state);
  DtmfSettings& dtmf = state.Current.Settings.Dtmf;
  dtmf.SelfId.Assign("345");
  dtmf.SeparatorDigit = 14;
  SetDtmf(dtmf.CodeMemory[0], "012E345");  // ANI call to the own ID
  SetDtmf(dtmf.CodeMemory[1], "E345");     // PTT ID of it
  SetDtmf(dtmf.CodeMemory[2], "012F909");  // ANI form with another separator ("#")
  SetDtmf(dtmf.CodeMemory[3], "2468");
  SetDtmf(dtmf.PttIdBeginCode, "E345");
  FiveToneSettings& five = state.Current.Settings.FiveTone;
  five.PageText.Assign("12345");
  five.PageBytes[3] = 5;
  SetFive(five.Codes[0], "E612345");     // PTT ID with the own ID
  SetFive(five.Codes[1], "3579012345");  // ANI call ending with it
  SetFive(five.Codes[2], "9753102468");  // a plain code
  SetFive(five.SpecialCodeA, "E212345");
  return state;
}

TEST(FleetIdentity, CodesCarryingTheOwnIdFollowIt) {
  AppState state = FleetPlan();
  std::string error;
  ASSERT_TRUE(DeriveRadioCodeplug(state, {"678", "24680"}, error)) << error;
  const DtmfSettings& dtmf = state.Current.Settings.Dtmf;
  EXPECT_EQ(dtmf.SelfId.Display(), "678");
  EXPECT_EQ(dtmf.CodeMemory[0].Digits.Display(), "012E678");
  EXPECT_EQ(dtmf.CodeMemory[1].Digits.Display(), "E678");
  EXPECT_EQ(dtmf.CodeMemory[2].Digits.Display(), "012F909");
  EXPECT_EQ(dtmf.CodeMemory[3].Digits.Display(), "2468");
  EXPECT_EQ(dtmf.PttIdBeginCode.Digits.Display(), "E678");
  const FiveToneSettings& five = state.Current.Settings.FiveTone;
  EXPECT_EQ(five.PageText.Display(), "24680");
  EXPECT_EQ(Digits(five.Codes[0]), "E624680");
  EXPECT_EQ(Digits(five.Codes[1]), "3579024680");
  EXPECT_EQ(Digits(five.Codes[2]), "9753102468");
  // "E2" then 24680: the second of two equal digits is stored as the repeat digit "E".
  EXPECT_EQ(Digits(five.SpecialCodeA), "E2E4680");

  // Only the DTMF ID given: the 5-Tone page is left as it was.
  AppState dtmfOnly = FleetPlan();
  ASSERT_TRUE(DeriveRadioCodeplug(dtmfOnly, {"7", std::nullopt}, error)) << error;
  EXPECT_EQ(dtmfOnly.Current.Settings.Dtmf.SelfId.Display(), "007");
  EXPECT_EQ(dtmfOnly.Current.Settings.Dtmf.CodeMemory[0].Digits.Display(), "012E007");
  EXPECT_TRUE(dtmfOnly.Current.Settings.FiveTone == FleetPlan().Current.Settings.FiveTone);
}

TEST(FleetIdentity, AnIdThatDoesNotFitIsRefusedAndChangesNothing) {
  const struct {
    RadioIds Ids;
    const char* Says;
  } cases[] = {
      {{"1234", std::nullopt}, "DTMF ID"},
      {{"12a", std::nullopt}, "DTMF ID"},
      {{"", std::nullopt}, "DTMF ID"},
      {{std::nullopt, "1234"}, "5-Tone ID"},
      {{std::nullopt, "123456"}, "5-Tone ID"},
      {{"123", "1234A"}, "5-Tone ID"},
  };
  for (const auto& c : cases) {
    AppState state = FleetPlan();
    std::string error;
    EXPECT_FALSE(DeriveRadioCodeplug(state, c.Ids, error));
    EXPECT_NE(error.find(c.Says), std::string::npos) << error;
    EXPECT_TRUE(state.Current.Settings == FleetPlan().Current.Settings);
  }
  // The DTMF page's own refusal holds here too: kill equal to stun.
  AppState same = FleetPlan();
  SetDtmf(same.Current.Settings.Dtmf.KillCode, "135");
  SetDtmf(same.Current.Settings.Dtmf.StunCode, "135");
  std::string error;
  EXPECT_FALSE(DeriveRadioCodeplug(same, {"678", std::nullopt}, error));
  EXPECT_EQ(same.Current.Settings.Dtmf.SelfId.Display(), "345");
}

TEST(FleetIdentity, NumberingKeepsTheDigitCount) {
  const struct {
    RadioIds Start;
    int Index;
    std::optional<RadioIds> Expected;
  } cases[] = {
      {{"101", "24680"}, 0, RadioIds{"101", "24680"}},
      {{"101", "24680"}, 2, RadioIds{"103", "24682"}},
      {{"009", "09999"}, 1, RadioIds{"010", "10000"}},
      {{"998", "99990"}, 1, RadioIds{"999", "99991"}},
      {{"998", "99990"}, 2, std::nullopt},  // 1000 has four digits
      {{"100", "99999"}, 1, std::nullopt},
      {{std::nullopt, "00000"}, 7, RadioIds{std::nullopt, "00007"}},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto got = NumberedIds(c.Start, c.Index, error);
    EXPECT_EQ(got, c.Expected) << c.Index << " " << error;
    if (!c.Expected) {
      EXPECT_NE(error.find("does not fit"), std::string::npos) << error;
    }
  }
}

TEST(RadioRegister, RowsAreFoundBySerialNumber) {
  std::vector<std::string> errors;
  const auto reg = ParseRegister(
      "\xEF\xBB\xBFSerial, five_tone_id ,dtmf_id,customer\r\n"
      "SN-0001,24680,101,\"Depot, north\"\r\n"
      "\r\n"
      ",,,\n"
      " SN-0002 ,13579,7,\n",
      errors);
  ASSERT_TRUE(reg) << errors.front();
  ASSERT_EQ(reg->Entries.size(), 2u);
  const RegisterEntry* second = reg->Find("SN-0002  ");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Line, 5);
  EXPECT_EQ(second->Ids, (RadioIds{"007", "13579"}));
  EXPECT_EQ(reg->Find("SN-0001")->Ids, (RadioIds{"101", "24680"}));
  EXPECT_EQ(reg->Find("SN-0003"), nullptr);
}

TEST(RadioRegister, BadRowsAreRefusedWithTheirLine) {
  const struct {
    const char* Text;
    std::vector<std::string> Errors;
  } cases[] = {
      {"", {"line 1: the register is empty"}},
      {"serial,dtmf_id\nA,101\n", {"line 1: the header has no column 'five_tone_id'"}},
      {"serial,dtmf_id,five_tone_id\nA,101,24680\nB,102,24681\nA,103,24682\n",
       {"line 4: serial number A is already on line 2"}},
      {"serial,dtmf_id,five_tone_id\n,101,24680\n", {"line 2: no serial number"}},
      {"serial,dtmf_id,five_tone_id\nA,1011,24680\nB,,2468\n",
       {"line 2: the DTMF ID", "line 3: the DTMF ID", "line 3: the 5-Tone ID"}},
      {"serial,dtmf_id,five_tone_id\nA,101,24680\nB,102,\"2468\n", {"line 3: a quoted field is not closed"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> errors;
    EXPECT_FALSE(ParseRegister(c.Text, errors)) << c.Text;
    ASSERT_EQ(errors.size(), c.Errors.size()) << c.Text << (errors.empty() ? "" : errors.front());
    for (std::size_t i = 0; i < errors.size(); ++i)
      EXPECT_TRUE(errors[i].starts_with(c.Errors[i])) << errors[i];
  }
}

TEST(DeliveryLog, RowsAreAppendedUnderOneHeader) {
  test::TempDir dir;
  const std::string path = dir.File("log.csv");
  DeliveryRecord first{"2026-12-09 10:00:00", "/dev/ttyUSB0", "PX-4800", "V100", "SN-1", "101", "24680",
                       "verified", "/b/w1.img"};
  DeliveryRecord second = first;
  second.Result = "failed: the radio does not answer, \"block\" 0x0200";
  std::string error;
  ASSERT_TRUE(AppendDeliveryLog(path, {first}, error)) << error;
  ASSERT_TRUE(AppendDeliveryLog(path, {second}, error)) << error;
  EXPECT_EQ(ReadText(path),
            "date_time,port,model,version,serial,dtmf_id,five_tone_id,result,backup\r\n"
            "2026-12-09 10:00:00,/dev/ttyUSB0,PX-4800,V100,SN-1,101,24680,verified,/b/w1.img\r\n"
            "2026-12-09 10:00:00,/dev/ttyUSB0,PX-4800,V100,SN-1,101,24680,"
            "\"failed: the radio does not answer, \"\"block\"\" 0x0200\",/b/w1.img\r\n");
  EXPECT_FALSE(AppendDeliveryLog(dir.File("no/such/folder/log.csv"), {first}, error));
  EXPECT_NE(error.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace px
