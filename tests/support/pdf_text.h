#pragma once
// The text and facts of a PDF file through poppler's pdftotext / pdfinfo / pdffonts.

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace px::test {

inline std::string CommandOutput(const std::string& rCommand) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(rCommand.c_str(), "r"), pclose);
  if (!pipe) return out;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) out.append(buffer.data(), n);
  return out;
}

// The text of pages rFirst..rLast (all pages when 0), in reading order.
inline std::string PdfText(const std::string& rPath, int rFirst = 0, int rLast = 0) {
  std::string range;
  if (rFirst > 0) range = " -f " + std::to_string(rFirst) + " -l " + std::to_string(rLast);
  return CommandOutput("pdftotext -enc UTF-8" + range + " '" + rPath + "' - 2>&1");
}

// The text of every page with each printed line on a line of its own, cells spaced out,
// pages ending in a form feed.
inline std::string PdfLayoutText(const std::string& rPath) {
  return CommandOutput("pdftotext -enc UTF-8 -layout '" + rPath + "' - 2>&1");
}

inline std::string PdfInfo(const std::string& rPath) { return CommandOutput("pdfinfo '" + rPath + "' 2>&1"); }
inline std::string PdfFonts(const std::string& rPath) { return CommandOutput("pdffonts '" + rPath + "' 2>&1"); }

// True when every font of the file is embedded (the "emb" column of pdffonts).
inline bool PdfFontsAllEmbedded(const std::string& rPath) {
  const std::string fonts = PdfFonts(rPath);
  std::size_t lines = 0;
  std::size_t start = 0;
  bool all = true;
  while (start < fonts.size()) {
    std::size_t end = fonts.find('\n', start);
    if (end == std::string::npos) end = fonts.size();
    const std::string line = fonts.substr(start, end - start);
    start = end + 1;
    if (++lines <= 2 || line.empty()) continue;
    // name type encoding emb sub uni object ID: emb is the fifth word from the end.
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
      const std::size_t from = line.find_first_not_of(' ', at);
      if (from == std::string::npos) break;
      const std::size_t to = line.find(' ', from);
      words.push_back(line.substr(from, to == std::string::npos ? std::string::npos : to - from));
      at = to == std::string::npos ? line.size() : to;
    }
    all = all && words.size() >= 5 && words[words.size() - 5] == "yes";
  }
  return all && lines > 2;
}

inline int PdfPageCount(const std::string& rPath) {
  const std::string info = PdfInfo(rPath);
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

}  // namespace px::test
