#include "app/profile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "codeplug/file_bytes.h"

namespace px {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view r) {
  while (!r.empty() && IsBlank(r.front())) r.remove_prefix(1);
  while (!r.empty() && IsBlank(r.back())) r.remove_suffix(1);
  return r;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionOf(std::string_view rLine) {
  const auto t = Trim(rLine);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// A value in matching quotes loses them, so that a text can keep outer blanks.
std::string_view Unquote(std::string_view r) {
  if (r.size() >= 2 && (r.front() == '"' || r.front() == '\'') && r.back() == r.front()) {
    return r.substr(1, r.size() - 2);
  }
  return r;
}

struct KeyLine {
  std::string_view Key;
  std::string_view Value;
};

// Comment lines start with ";"; a line without "=" holds no key.
std::optional<KeyLine> KeyOf(std::string_view rLine) {
  const auto t = Trim(rLine);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const auto key = Trim(t.substr(0, eq));
  if (key.empty()) return std::nullopt;
  return KeyLine{key, Unquote(Trim(t.substr(eq + 1)))};
}

bool HasLineBreak(std::string_view r) { return r.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

ProfileFile ProfileFile::Parse(std::string_view rText) {
  ProfileFile file;
  if (rText.starts_with(kBom)) {
    file.mBom = true;
    rText.remove_prefix(kBom.size());
  }
  while (!rText.empty()) {
    const auto nl = rText.find('\n');
    std::string_view line = rText.substr(0, nl);
    rText = nl == std::string_view::npos ? std::string_view{} : rText.substr(nl + 1);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
      file.mCrLf = true;
    }
    file.mLines.emplace_back(line);
  }
  return file;
}

std::optional<ProfileFile> ProfileFile::Load(const std::string& rPath) {
  std::ifstream in(rPath, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return Parse(text.str());
}

long ProfileFile::FindKey(std::string_view rSection, std::string_view rKey) const {
  bool inSection = false;
  for (std::size_t i = 0; i < mLines.size(); ++i) {
    if (const auto section = SectionOf(mLines[i])) {
      inSection = SameName(*section, rSection);
      continue;
    }
    if (!inSection) continue;
    if (const auto key = KeyOf(mLines[i]); key && SameName(key->Key, rKey)) {
      return static_cast<long>(i);
    }
  }
  return -1;
}

std::string ProfileFile::Get(std::string_view rSection, std::string_view rKey) const {
  const long i = FindKey(rSection, rKey);
  if (i < 0) return {};
  return std::string(KeyOf(mLines[static_cast<std::size_t>(i)])->Value);
}

bool ProfileFile::Has(std::string_view rSection, std::string_view rKey) const {
  return FindKey(rSection, rKey) >= 0;
}

bool ProfileFile::Set(std::string_view rSection, std::string_view rKey, std::string_view rValue) {
  const auto section = Trim(rSection);
  const auto key = Trim(rKey);
  if (key.empty() || key.find('=') != std::string_view::npos || key.front() == '[' ||
      key.front() == ';' || HasLineBreak(key) || section.find(']') != std::string_view::npos ||
      HasLineBreak(section)) {
    return false;
  }
  std::string value(rValue);
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }

  if (const long i = FindKey(section, key); i >= 0) {
    // Keep the key as the file spells it.
    auto& line = mLines[static_cast<std::size_t>(i)];
    line = std::string(KeyOf(line)->Key) + "=" + value;
    return true;
  }
  const std::string newLine = std::string(key) + "=" + value;

  // After the last non-blank line of the first matching section.
  for (std::size_t i = 0; i < mLines.size(); ++i) {
    const auto name = SectionOf(mLines[i]);
    if (!name || !SameName(*name, section)) continue;
    std::size_t last = i;
    for (std::size_t j = i + 1; j < mLines.size() && !SectionOf(mLines[j]); ++j) {
      if (!Trim(mLines[j]).empty()) last = j;
    }
    mLines.insert(mLines.begin() + static_cast<long>(last) + 1, newLine);
    return true;
  }
  if (!mLines.empty() && !Trim(mLines.back()).empty()) mLines.emplace_back();
  mLines.push_back("[" + std::string(section) + "]");
  mLines.push_back(newLine);
  return true;
}

std::vector<ProfileEntry> ProfileFile::Entries() const {
  std::vector<ProfileEntry> entries;
  std::optional<std::string_view> section;
  for (const auto& line : mLines) {
    if (const auto name = SectionOf(line)) {
      section = name;
      continue;
    }
    if (!section) continue;
    if (const auto key = KeyOf(line)) {
      entries.push_back({std::string(*section), std::string(key->Key), std::string(key->Value)});
    }
  }
  return entries;
}

std::string ProfileFile::Text() const {
  const std::string_view eol = mCrLf ? "\r\n" : "\n";
  std::string text = mBom ? std::string(kBom) : std::string();
  for (const auto& line : mLines) {
    text += line;
    text += eol;
  }
  return text;
}

bool ProfileFile::Save(const std::string& rPath) const {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Replace the file a link points at, not the link.
  fs::path target = rPath;
  if (fs::is_symlink(target, ec)) {
    const auto resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  const std::string text = Text();
  std::string error;
  return ReplaceFileBytes(target.string(), {reinterpret_cast<const Byte*>(text.data()), text.size()}, error);
}

std::string ReadProfileString(const std::string& rPath, std::string_view rSection,
                              std::string_view rKey) {
  const auto file = ProfileFile::Load(rPath);
  return file ? file->Get(rSection, rKey) : std::string();
}

bool WriteProfileString(const std::string& rPath, std::string_view rSection,
                        std::string_view rKey, std::string_view rValue) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(rPath, ec);
  ProfileFile file;
  if (exists) {
    auto loaded = ProfileFile::Load(rPath);
    // An existing file we cannot read is left alone rather than replaced.
    if (!loaded) return false;
    file = std::move(*loaded);
  }
  if (!file.Set(rSection, rKey, rValue)) return false;
  return file.Save(rPath);
}

}  // namespace px
