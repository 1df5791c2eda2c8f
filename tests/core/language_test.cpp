#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "app/app_state.h"
#include "app/language.h"
#include "app/profile.h"
#include "app/program_folder.h"
#include "support/temp_dir.h"

namespace px {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const fs::path kRepo = PX_SOURCE_DIR;

using test::ReadText;

// A program folder holding the shipped language files, as an installation has them.
class InstalledLanguage : public ::testing::Test {
 protected:
  TempDir home;
  AppState state;

  void SetUp() override {
    state.ProgramFolder = home.Path().string();
    fs::create_directories(home.Path() / "language");
    for (const char* name : {"english.ini", "chinese.ini"}) {
      fs::copy_file(kRepo / "lang" / name, home.Path() / "language" / name);
    }
  }
  void WriteLanguageFile(const char* rName, const std::string& rText) {
    std::ofstream(home.Path() / "language" / rName, std::ios::binary | std::ios::trunc) << rText;
  }
};

TEST_F(InstalledLanguage, FilePathFollowsTheIndex) {
  EXPECT_EQ(LanguageFilePath(state), (home.Path() / "language" / "english.ini").string());
  SetLanguage(state, kChinese);
  EXPECT_EQ(state.LanguageIndex, 2);
  EXPECT_EQ(LanguageFilePath(state), (home.Path() / "language" / "chinese.ini").string());
  SetLanguage(state, 0);  // only 2 selects Chinese
  EXPECT_EQ(state.LanguageIndex, 1);
  EXPECT_EQ(LanguageFileName(7), "english.ini");
}

TEST_F(InstalledLanguage, SwitchingLanguageTakesEffectAtOnce) {
  EXPECT_EQ(LangText(state, 1503), "Language");
  EXPECT_EQ(LangText(state, 101), "&OK");
  SetLanguage(state, kChinese);
  EXPECT_EQ(LangText(state, 1503), "语言");
  EXPECT_EQ(LangText(state, 101), "确定(&O)");
  SetLanguage(state, kEnglish);
  EXPECT_EQ(LangText(state, 1503), "Language");
}

TEST_F(InstalledLanguage, SectionsAreSeparate) {
  WriteLanguageFile("english.ini",
                    "[OTHER]\n9001=other\n[OPTION]\n9001=option\n60024= &OK \n"
                    "[MSG]\n9001=msg\n900C=five digits\n");
  EXPECT_EQ(LangText(state, 9001), "other");
  EXPECT_EQ(LangOption(state, 9001), "option");
  EXPECT_EQ(LangMsg(state, 9001), "msg");
  EXPECT_EQ(LangMsg(state, "900c"), "five digits");
  EXPECT_EQ(LangOption(state, 60024), "&OK");
  EXPECT_EQ(LangText(state, 60024), "");
}

TEST_F(InstalledLanguage, ChangedFileIsReadAgain) {
  WriteLanguageFile("english.ini", "[OTHER]\n1503=Language\n");
  EXPECT_EQ(LangText(state, 1503), "Language");
  WriteLanguageFile("english.ini", "[OTHER]\n1503=Choose the language\n");
  EXPECT_EQ(LangText(state, 1503), "Choose the language");
}

TEST(Language, MissingFileGivesEmptyTexts) {
  TempDir home;
  AppState state;
  state.ProgramFolder = home.Path().string();
  EXPECT_EQ(LangText(state, 101), "");
  EXPECT_EQ(LangMsg(state, 9001), "");
  // The file appearing later is noticed.
  fs::create_directories(home.Path() / "language");
  std::ofstream(home.Path() / "language" / "english.ini") << "[OTHER]\n101=OK\n";
  EXPECT_EQ(LangText(state, 101), "OK");
}

TEST(ProgramFolder, PathsJoinWithOneSlash) {
  EXPECT_EQ(JoinProgramPath("/opt/px", "\\language\\mysetup.ini"), "/opt/px/language/mysetup.ini");
  EXPECT_EQ(JoinProgramPath("/opt/px/", "Setting.ini"), "/opt/px/Setting.ini");
  EXPECT_EQ(JoinProgramPath("/opt/px", "/Init/"), "/opt/px/Init/");
  EXPECT_EQ(JoinProgramPath("/", "Setting.ini"), "/Setting.ini");
  EXPECT_EQ(JoinProgramPath("/opt/px", ""), "/opt/px");
  AppState state;
  state.ProgramFolder = "/opt/px";
  EXPECT_EQ(ProgramPath(state, "\\Setting.ini"), "/opt/px/Setting.ini");
}

TEST(ProgramFolder, EnvironmentOverridesTheExecutablesFolder) {
  const char* saved = std::getenv(kProgramHomeVariable);
  const std::string savedValue = saved ? saved : "";
  TempDir dir;
  const std::string exe = dir.File("px4800");
  std::ofstream(exe) << "";

  ::unsetenv(kProgramHomeVariable);
  EXPECT_EQ(FindProgramFolder(exe), fs::canonical(dir.Path()).string());
  ::setenv(kProgramHomeVariable, "", 1);  // empty counts as unset
  EXPECT_EQ(FindProgramFolder(exe), fs::canonical(dir.Path()).string());
  ::setenv(kProgramHomeVariable, "/srv/px4800//", 1);
  EXPECT_EQ(FindProgramFolder(exe), "/srv/px4800");

  if (saved) {
    ::setenv(kProgramHomeVariable, savedValue.c_str(), 1);
  } else {
    ::unsetenv(kProgramHomeVariable);
  }
}

// --- The shipped language files ------------------------------------------------------

struct TextId {
  std::string Section;
  std::string Key;
  std::string Origin;
};

bool operator<(const TextId& a, const TextId& b) {
  return std::tie(a.Section, a.Key) < std::tie(b.Section, b.Key);
}

// The ids the program relies on by role, kept as "SECTION key" lines.
std::set<TextId> ListedIds() {
  std::set<TextId> ids;
  std::istringstream lines(ReadText(kRepo / "tests" / "data" / "text_ids.txt"));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    TextId id;
    fields >> id.Section >> id.Key;
    id.Origin = "text_ids.txt";
    ids.insert(id);
  }
  return ids;
}

// The calls of LangText/LangOption/LangMsg in a source text whose id is a literal.
void CollectIds(const std::string& rText, const std::string& rOrigin, std::set<TextId>& rIds) {
  static const std::regex call(
      R"(\bLang(Text|Option|Msg)\s*\([^,()]*,\s*(\d+|"[0-9A-Za-z]+")\s*\))");
  for (auto it = std::sregex_iterator(rText.begin(), rText.end(), call);
       it != std::sregex_iterator(); ++it) {
    const std::string kind = (*it)[1];
    std::string key = (*it)[2];
    if (key.front() == '"') key = key.substr(1, key.size() - 2);
    const char* section =
        kind == "Text" ? kSectionOther : kind == "Option" ? kSectionOption : kSectionMsg;
    rIds.insert({section, key, rOrigin});
  }
}

// Every such call under src/, scanned once.
const std::set<TextId>& IdsUsedBySources() {
  static const std::set<TextId> ids = [] {
    std::set<TextId> found;
    for (const auto& entry : fs::recursive_directory_iterator(kRepo / "src")) {
      const auto ext = entry.path().extension();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      CollectIds(ReadText(entry.path()), fs::relative(entry.path(), kRepo).string(), found);
    }
    return found;
  }();
  return ids;
}

TEST(TextIdScan, FindsLiteralIdsInEachSection) {
  std::set<TextId> ids;
  CollectIds("a = LangText(rState, 1503) + LangOption( state ,60024);\n"
             "Ask(LangMsg(mState, \"900C\")); LangMsg(s, 9001); LangText(s, rId); Lang(s, 7);",
             "sample", ids);
  std::set<std::string> keys;
  for (const auto& id : ids) keys.insert(id.Section + " " + id.Key);
  EXPECT_EQ(keys, (std::set<std::string>{"OTHER 1503", "OPTION 60024", "MSG 900C", "MSG 9001"}));
}

bool IsValidUtf8(const std::string& r) {
  for (std::size_t i = 0; i < r.size();) {
    const auto c = static_cast<unsigned char>(r[i]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > r.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(r[i + k]) >> 6) != 2) return false;
    }
    i += n;
  }
  return true;
}

class ShippedLanguageFile : public ::testing::TestWithParam<const char*> {
 protected:
  ProfileFile File() const {
    const auto file = ProfileFile::Load((kRepo / "lang" / GetParam()).string());
    EXPECT_TRUE(file.has_value());
    return file.value_or(ProfileFile{});
  }
};

TEST_P(ShippedLanguageFile, HoldsEveryIdTheProgramNeeds) {
  const auto file = File();
  std::set<TextId> needed = ListedIds();
  const auto used = IdsUsedBySources();
  needed.insert(used.begin(), used.end());
  EXPECT_GT(needed.size(), 300u);
  for (const auto& id : needed) {
    EXPECT_NE(file.Get(id.Section, id.Key), "")
        << GetParam() << " lacks [" << id.Section << "] " << id.Key << " (used in " << id.Origin << ")";
  }
}

TEST_P(ShippedLanguageFile, IsUtf8WithUsableFont) {
  EXPECT_TRUE(IsValidUtf8(ReadText(kRepo / "lang" / GetParam())));
  const auto file = File();
  EXPECT_NE(file.Get(kSectionOther, "20"), "");
  EXPECT_EQ(file.Get(kSectionOther, "21"), "9");
}

TEST_P(ShippedLanguageFile, HasNoDuplicateOrStrayKeys) {
  std::set<std::string> seen;
  for (const auto& e : File().Entries()) {
    EXPECT_TRUE(e.Section == kSectionOther || e.Section == kSectionOption || e.Section == kSectionMsg)
        << e.Section;
    EXPECT_TRUE(seen.insert(e.Section + " " + e.Key).second) << "duplicate " << e.Section << " " << e.Key;
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedLanguageFile,
                         ::testing::Values("english.ini", "chinese.ini"));

TEST(ShippedLanguageFiles, HoldTheSameKeys) {
  auto keys = [](const char* rName) {
    std::set<std::string> set;
    for (const auto& e : ProfileFile::Load((kRepo / "lang" / rName).string())->Entries())
      set.insert(e.Section + " " + e.Key);
    return set;
  };
  EXPECT_EQ(keys("english.ini"), keys("chinese.ini"));
}

TEST(ShippedLanguageFiles, UnitsKeepTheirLeadingBlank) {
  const auto file = ProfileFile::Load((kRepo / "lang" / "english.ini").string());
  ASSERT_TRUE(file);
  EXPECT_EQ("30" + file->Get(kSectionOther, "1780"), "30 ms");
  EXPECT_EQ(file->Get(kSectionOption, "60056") + "A", "Tone A");
}

// An installed program reads beside its data and writes to the user's configuration; a
// program folder with its own language files, or PX4800_HOME, keeps everything in one.
TEST(ProgramFolder, InstalledProgramReadsFromShareAndWritesToTheUsersConfiguration) {
  const char* savedHome = std::getenv(kProgramHomeVariable);
  const std::string savedHomeValue = savedHome ? savedHome : "";
  const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdgValue = savedXdg ? savedXdg : "";
  ::unsetenv(kProgramHomeVariable);
  TempDir prefix;
  const fs::path root = fs::canonical(prefix.Path());
  fs::create_directories(root / "bin");
  fs::create_directories(root / "share/px4800-cps/language");
  std::ofstream(root / "bin/px4800-cps") << "";
  std::ofstream(root / "share/px4800-cps/language/english.ini") << "[OTHER]\n";
  std::ofstream(root / "share/px4800-cps/language/mysetup.ini") << "[language]\nIsFirstRun=1\n";
  ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);

  const ProgramFolders installed = LocateProgramFolders((root / "bin/px4800-cps").string());
  EXPECT_EQ(installed.Program, (root / "share/px4800-cps").string());
  EXPECT_EQ(installed.Settings, (root / "config/px4800-cps").string());
  SeedSettingsFolder(installed);
  EXPECT_TRUE(fs::exists(root / "config/px4800-cps/language/mysetup.ini"));
  // The user's own copy is never replaced by the shipped one.
  std::ofstream(root / "config/px4800-cps/language/mysetup.ini", std::ios::trunc) << "mine";
  SeedSettingsFolder(installed);
  EXPECT_EQ(test::ReadBytes((root / "config/px4800-cps/language/mysetup.ini").string()).size(), 4u);

  AppState state;
  state.ProgramFolder = installed.Program;
  state.SettingsFolder = installed.Settings;
  EXPECT_EQ(ProgramPath(state, "language/english.ini"), (root / "share/px4800-cps/language/english.ini").string());
  EXPECT_EQ(SettingsPath(state, "Setting.ini"), (root / "config/px4800-cps/Setting.ini").string());

  // Language files beside the executable: a build or portable folder.
  fs::create_directories(root / "bin/language");
  std::ofstream(root / "bin/language/english.ini") << "[OTHER]\n";
  const ProgramFolders portable = LocateProgramFolders((root / "bin/px4800-cps").string());
  EXPECT_EQ(portable.Program, (root / "bin").string());
  EXPECT_EQ(portable.Settings, portable.Program);
  fs::remove_all(root / "bin/language");
  ::setenv(kProgramHomeVariable, (root / "home").c_str(), 1);
  const ProgramFolders pointed = LocateProgramFolders((root / "bin/px4800-cps").string());
  EXPECT_EQ(pointed.Program, (root / "home").string());
  EXPECT_EQ(pointed.Settings, pointed.Program);

  if (savedHome) ::setenv(kProgramHomeVariable, savedHomeValue.c_str(), 1); else ::unsetenv(kProgramHomeVariable);
  if (savedXdg) ::setenv("XDG_CONFIG_HOME", savedXdgValue.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace px
