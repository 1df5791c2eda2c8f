#pragma once
// Interface texts from the language files "<program folder>/language/english.ini" and
// "chinese.ini". Sections: "OTHER" (captions, list entries, most messages, the font as
// ids 20 and 21), "OPTION" (ids from 60000, the option and signalling pages) and "MSG"
// (ids from 9000, questions and status messages). A missing file or key gives "".

#include <map>
#include <string>
#include <string_view>

namespace px {

struct AppState;

inline constexpr int kEnglish = 1;
inline constexpr int kChinese = 2;

inline constexpr const char* kSectionOther = "OTHER";
inline constexpr const char* kSectionOption = "OPTION";
inline constexpr const char* kSectionMsg = "MSG";

// Ids with a fixed role.
inline constexpr int kTextFontName = 20;
inline constexpr int kTextFontSize = 21;
inline constexpr int kTextOk = 101;
inline constexpr int kTextCancel = 102;

// "chinese.ini" for index 2, "english.ini" for any other index.
std::string LanguageFileName(int rLanguageIndex);
// The language file of the current language index.
std::string LanguageFilePath(const AppState& rState);
// Sets the language index (anything but 2 means English); the next lookup uses the
// other file.
void SetLanguage(AppState& rState, int rLanguageIndex);

// A text the language files do not carry, in both languages.
struct OwnText {
  const char* English;
  const char* Chinese;
};
// Chinese for language index 2, English for any other.
std::string OwnTextOf(const AppState& rState, const OwnText& rText);

std::string LangText(const AppState& rState, int rId);    // section "OTHER"
std::string LangOption(const AppState& rState, int rId);  // section "OPTION"
std::string LangMsg(const AppState& rState, int rId);     // section "MSG"
// A few keys are not decimal numbers ("900C").
std::string LangMsg(const AppState& rState, std::string_view rKey);
std::string LangLookup(const AppState& rState, std::string_view rSection, std::string_view rKey);

// Parsed language files, so that the hundreds of lookups of a window do not each
// read the file. A file is read again when its path, size or time stamp changes.
class LanguageCache {
 public:
  std::string Lookup(const std::string& rPath, std::string_view rSection, std::string_view rKey);

 private:
  struct Entry {
    std::map<std::string, std::string> Texts;  // "section\nid" with the section in upper case
    bool Present = false;
    long long Stamp = 0;
    long long Size = -1;
  };
  std::map<std::string, Entry> mFiles;
};

}  // namespace px
