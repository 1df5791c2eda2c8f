#include "app/language.h"

#include <sys/stat.h>

#include "app/app_state.h"
#include "app/profile.h"
#include "app/program_folder.h"

namespace px {

namespace {

std::string UpperAscii(std::string_view r) {
  std::string s(r);
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

std::string CacheKey(std::string_view rSection, std::string_view rKey) {
  return UpperAscii(rSection) + '\n' + UpperAscii(rKey);
}

}  // namespace

std::string LanguageFileName(int rLanguageIndex) {
  return rLanguageIndex == kChinese ? "chinese.ini" : "english.ini";
}

std::string LanguageFilePath(const AppState& rState) {
  return ProgramPath(rState, "language/" + LanguageFileName(rState.LanguageIndex));
}

void SetLanguage(AppState& rState, int rLanguageIndex) {
  rState.LanguageIndex = static_cast<Int16>(rLanguageIndex == kChinese ? kChinese : kEnglish);
}

std::string LangLookup(const AppState& rState, std::string_view rSection, std::string_view rKey) {
  return rState.LanguageTexts.Lookup(LanguageFilePath(rState), rSection, rKey);
}

std::string OwnTextOf(const AppState& rState, const OwnText& rText) {
  return rState.LanguageIndex == kChinese ? rText.Chinese : rText.English;
}

std::string LangText(const AppState& rState, int rId) {
  return LangLookup(rState, kSectionOther, std::to_string(rId));
}
std::string LangOption(const AppState& rState, int rId) {
  return LangLookup(rState, kSectionOption, std::to_string(rId));
}
std::string LangMsg(const AppState& rState, int rId) {
  return LangLookup(rState, kSectionMsg, std::to_string(rId));
}
std::string LangMsg(const AppState& rState, std::string_view rKey) {
  return LangLookup(rState, kSectionMsg, rKey);
}

std::string LanguageCache::Lookup(const std::string& rPath, std::string_view rSection,
                                  std::string_view rKey) {
  // One look at the file per text: every label of a page, report or diff comes through
  // here, and the file may be edited while the program runs.
  struct stat info {};
  const bool present = ::stat(rPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  const long long stamp =
      present ? static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec : 0;
  const long long length = present ? static_cast<long long>(info.st_size) : -1;

  Entry& entry = mFiles[rPath];
  if (entry.Present != present || entry.Stamp != stamp || entry.Size != length) {
    entry = Entry{};
    entry.Stamp = stamp;
    entry.Size = length;
    if (const auto file = present ? ProfileFile::Load(rPath) : std::nullopt) {
      entry.Present = true;
      // The first of duplicate keys counts, as in a lookup of the file itself.
      for (auto& e : file->Entries()) entry.Texts.emplace(CacheKey(e.Section, e.Key), std::move(e.Value));
    }
  }
  const auto it = entry.Texts.find(CacheKey(rSection, rKey));
  return it == entry.Texts.end() ? std::string() : it->second;
}

}  // namespace px
