#pragma once
// Private-profile ("ini") files: sections in [brackets], "key=value" lines.
// Section and key names match without regard to ASCII case; values are returned with
// surrounding blanks removed, then without one pair of matching surrounding quotes
// (" or '), and an absent key reads as empty text. Lines starting with ";" are comments. Writing a key
// keeps every other line of the file as it was, in its order. Files are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace px {

struct ProfileEntry {
  std::string Section;  // as written in the file
  std::string Key;
  std::string Value;    // trimmed
};

// A profile file held in memory as its lines, so that a write changes only the one
// line it must.
class ProfileFile {
 public:
  ProfileFile() = default;
  // Accepts "\n" and "\r\n" line ends and a leading UTF-8 byte-order mark.
  static ProfileFile Parse(std::string_view rText);
  // nullopt when the file cannot be read.
  static std::optional<ProfileFile> Load(const std::string& rPath);

  // The trimmed value, or "" when the section or key is absent.
  std::string Get(std::string_view rSection, std::string_view rKey) const;
  bool Has(std::string_view rSection, std::string_view rKey) const;
  // Replaces the value of the first matching key, or adds the key at the end of the
  // first matching section, or adds the section at the end of the file.
  // False, leaving the file unchanged, for names that a profile line cannot hold (an
  // empty key, "=" in a key, "]" in a section, line breaks). Line breaks in the value
  // become blanks.
  bool Set(std::string_view rSection, std::string_view rKey, std::string_view rValue);
  // Every key line in file order, duplicates included.
  std::vector<ProfileEntry> Entries() const;

  // The file text; lines end with "\r\n" when the parsed text used them, "\n" otherwise.
  std::string Text() const;
  // Writes to a temporary file beside rPath, then renames it over rPath.
  bool Save(const std::string& rPath) const;

 private:
  // Index of the value line of the key, or -1.
  long FindKey(std::string_view rSection, std::string_view rKey) const;

  std::vector<std::string> mLines;
  bool mCrLf = false;
  bool mBom = false;
};

// One-call forms: read a key from the file; write a key into the file, creating the
// file, section and key as needed. WriteProfileString returns false when the file
// could not be written; the file is then unchanged.
std::string ReadProfileString(const std::string& rPath, std::string_view rSection,
                              std::string_view rKey);
bool WriteProfileString(const std::string& rPath, std::string_view rSection,
                        std::string_view rKey, std::string_view rValue);

}  // namespace px
