// px4800 show --json: every page's settings under the field names of the page
// declarations, with the stored value and the text the dialog shows, from a file and
// from standard input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "support/cli_run.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

namespace px {
namespace {

using nlohmann::json;

class ShowJson : public ::testing::Test {
 protected:
  // The shipped language files, for the labels and texts.
  ShowJson() { test::MakeProgramFolder(mDir.Path()); }

  test::CliResult Run(const std::string& rArgs, const std::string& rInput = "") {
    std::ofstream(mDir.File("stdin.bin"), std::ios::binary | std::ios::trunc) << rInput;
    const std::string dir = mDir.Path().string();
    const std::string cmd = "cd '" + dir + "' && PX4800_HOME='" + dir + "' timeout 120 '" PX_CLI "' " + rArgs +
                            " <stdin.bin >stdout.txt 2>stderr.txt";
    const int raw = std::system(cmd.c_str());
    test::CliResult r;
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.Out = test::ReadText(mDir.File("stdout.txt"));
    r.Err = test::ReadText(mDir.File("stderr.txt"));
    return r;
  }
  json Show(const std::string& rArgs, const std::string& rInput = "") {
    const test::CliResult r = Run(rArgs, rInput);
    EXPECT_EQ(r.Status, 0) << rArgs << ": " << r.Err;
    return json::parse(r.Out);  // throws, and so fails, on anything but JSON
  }
  // A codeplug with the settings below changed from a new one's, as its JSON form.
  std::string Planned() {
    EXPECT_EQ(Run("new -o new.dat").Status, 0);
    json plug = json::parse(Run("to-json new.dat").Out);
    json& settings = plug.at("Settings");
    settings.at("Options").at("OptionValues")[4] = 2;   // battery save, third entry
    settings.at("Options").at("OptionValues")[9] = 3;   // time-out timer 3 min
    settings.at("Options").at("OptionValues")[15] = 1;  // key beep on
    settings.at("KeyFunctions")[6] = 2;                 // P2 long press: the third function
    settings.at("Scan")[0] = 1;                         // scanning on
    settings.at("Scan")[3] = 20;                        // look-back A 2.0 s (tenths)
    settings.at("Scan")[9] = 4;                         // wait 100 ms (units of 25 ms)
    settings.at("Scan")[10] = 7;                        // a group no control shows
    settings.at("Alert")[3] = 30;                       // alarm time 30 s
    plug.at("Channels")[0]["Name"] = "CAF\u00c9   ";      // a byte above 127, as the grid shows it
    return plug.dump();
  }

  static const json& Field(const json& rShow, const std::string& rPage, const std::string& rName) {
    for (const json& field : rShow.at("pages").at(rPage).at("fields"))
      if (field.at("name") == rName) return field;
    ADD_FAILURE() << "no field " << rName << " on page " << rPage;
    static const json none = json::object();
    return none;
  }

  test::TempDir mDir;
};

TEST_F(ShowJson, HoldsEveryPageWithItsFieldNamesValuesAndShownTexts) {
  std::ofstream(mDir.File("plan.json")) << Planned();
  ASSERT_EQ(Run("from-json plan.json -o plan.dat").Status, 0);
  const json show = Show("show plan.dat --json");

  struct Expected {
    const char* Page;
    const char* Name;
    int Value;
    const char* Text;
  };
  const Expected expected[] = {
      {"options", "Options.BatterySave", 2, "1:4"},
      {"options", "Options.TimeOutTimer", 3, "3 min"},
      {"options", "Options.KeyBeep", 1, "ON"},
      {"options", "Options.LowBatteryAlert", 0, "OFF"},
      {"keys", "Keys.P2Long", 2, "Scan"},
      {"keys", "Keys.P1Short", 0, "None"},
      {"scan", "Scan.Mode", 1, "ON"},
      {"scan", "Scan.LookBackA", 20, "2.0"},
      {"scan", "Scan.WaitTime", 4, "100"},
      {"scan", "Scan.Group1", 7, "7"},
      {"alert", "Alert.AlarmTime", 30, "30"},
  };
  for (const Expected& e : expected) {
    const json& field = Field(show, e.Page, e.Name);
    EXPECT_EQ(field.value("value", -1), e.Value) << e.Name;
    EXPECT_EQ(field.value("text", std::string("?")), e.Text) << e.Name;
    EXPECT_FALSE(field.value("label", std::string()).empty()) << e.Name;
  }
  EXPECT_EQ(Field(show, "options", "Options.BatterySave").at("label"), "Battery Save");

  // Every page, also those not declared as fields yet, comes with its report rows or tables.
  for (const char* page : {"options", "keys", "dtmf", "twotone", "fivetone", "scan", "alert", "book"}) {
    ASSERT_TRUE(show.at("pages").contains(page)) << page;
    const json& shown = show.at("pages").at(page);
    EXPECT_FALSE(shown.at("rows").empty() && shown.at("tables").empty()) << page;
    EXPECT_TRUE(shown.at("fields").is_array()) << page;
  }
  bool ani = false;
  for (const json& row : show.at("pages").at("dtmf").at("rows")) ani = ani || row.at("label") == "ANI";
  EXPECT_TRUE(ani);
  EXPECT_FALSE(show.at("pages").at("book").at("tables").empty());

  // Channels by their grid columns; a new codeplug holds the default channel.
  ASSERT_FALSE(show.at("channels").empty());
  for (const char* column : {"slot", "row", "rx", "tx", "name", "power", "decode", "encode"})
    EXPECT_TRUE(show.at("channels")[0].contains(column)) << column;
  EXPECT_EQ(show.at("channel_count").get<int>(), static_cast<int>(show.at("channels").size()));
  EXPECT_EQ(show.at("channels")[0].at("name"), "CAF\u00c9");
}

TEST_F(ShowJson, StandardInputAndLanguageKeepTheShape) {
  const std::string plan = Planned();
  std::ofstream(mDir.File("plan.json")) << plan;
  ASSERT_EQ(Run("from-json plan.json -o plan.dat").Status, 0);
  json fromFile = Show("show plan.dat --json");
  json fromInput = Show("show - --json", plan);
  EXPECT_EQ(fromInput.at("codeplug"), "-");
  fromFile.erase("codeplug");
  fromInput.erase("codeplug");
  EXPECT_EQ(fromFile, fromInput);

  // Chinese labels and texts, the same names and values.
  const json chinese = Show("show plan.dat --json --lang zh");
  const json& field = Field(chinese, "options", "Options.BatterySave");
  EXPECT_EQ(field.at("value"), 2);
  EXPECT_NE(field.at("label"), "Battery Save");
  EXPECT_EQ(chinese.at("pages").at("options").at("fields").size(),
            fromFile.at("pages").at("options").at("fields").size());

  // A broken input is an error on standard error, not half a document.
  const test::CliResult broken = Run("show - --json", "{");
  EXPECT_EQ(broken.Status, 1);
  EXPECT_TRUE(broken.Out.empty());
  EXPECT_FALSE(broken.Err.empty());
}

}  // namespace
}  // namespace px
