#include "ui/print/pdf_text_map.h"

#include <QRawFont>

#include <map>
#include <memory>
#include <set>

namespace px {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of the four hex digits at rAt, or -1.
int FourHex(const QByteArray& rText, qsizetype rAt) {
  if (rAt + 4 > rText.size()) return -1;
  int value = 0;
  for (qsizetype i = rAt; i < rAt + 4; ++i) {
    const int digit = HexValue(rText[i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

// Writes rValue over the four digits at rAt in the case the digits there have.
void PutFourHex(QByteArray& rText, qsizetype rAt, int rValue) {
  bool upper = false;
  for (qsizetype i = rAt; i < rAt + 4; ++i) upper = upper || (rText[i] >= 'A' && rText[i] <= 'F');
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  for (int i = 3; i >= 0; --i) {
    rText[rAt + i] = digits[rValue & 0xF];
    rValue >>= 4;
  }
}

// The positions of the "<XXXX>" tokens of one line.
std::vector<qsizetype> HexTokens(const QByteArray& rText, qsizetype rFrom, qsizetype rTo) {
  std::vector<qsizetype> tokens;
  for (qsizetype at = rText.indexOf('<', rFrom); at >= 0 && at < rTo; at = rText.indexOf('<', at + 1)) {
    const qsizetype close = rText.indexOf('>', at);
    if (close < 0 || close > rTo) break;
    tokens.push_back(close - at == 5 && FourHex(rText, at + 1) >= 0 ? at + 1 : -1);
  }
  return tokens;
}

// One line of a bfrange block: "<src> <src> <dst>" or "<first> <last> [<dst> <dst> ...]".
int MendRangeLine(QByteArray& rPdf, qsizetype rFrom, qsizetype rTo, const std::function<char32_t(char32_t)>& rMend) {
  const std::vector<qsizetype> tokens = HexTokens(rPdf, rFrom, rTo);
  if (tokens.size() < 3 || tokens[0] < 0 || tokens[1] < 0) return 0;
  const bool list = rPdf.indexOf('[', rFrom) >= 0 && rPdf.indexOf('[', rFrom) < rTo;
  // A range naming several glyphs by one start counts up from it: left as it is.
  if (!list && FourHex(rPdf, tokens[0]) != FourHex(rPdf, tokens[1])) return 0;
  int changed = 0;
  for (std::size_t t = 2; t < tokens.size(); ++t) {
    if (tokens[t] < 0) continue;
    const int name = FourHex(rPdf, tokens[t]);
    const char32_t mended = rMend(static_cast<char32_t>(name));
    if (mended == static_cast<char32_t>(name) || mended > 0xFFFF || (mended >= 0xD800 && mended <= 0xDFFF)) continue;
    PutFourHex(rPdf, tokens[t], static_cast<int>(mended));
    ++changed;
  }
  return changed;
}

}  // namespace

int MendToUnicodeMaps(QByteArray& rPdf, const std::function<char32_t(char32_t)>& rMend) {
  static const QByteArray kBegin("beginbfrange");
  static const QByteArray kEnd("endbfrange");
  static const QByteArray kCmapBegin("begincmap");
  static const QByteArray kCmapEnd("endcmap");
  int changed = 0;
  // Only inside the maps: the font programs and page contents are compressed binary.
  for (qsizetype cmap = rPdf.indexOf(kCmapBegin); cmap >= 0; cmap = rPdf.indexOf(kCmapBegin, cmap + 1)) {
    const qsizetype cmapEnd = rPdf.indexOf(kCmapEnd, cmap);
    if (cmapEnd < 0) break;
    for (qsizetype block = rPdf.indexOf(kBegin, cmap); block >= 0 && block < cmapEnd;
         block = rPdf.indexOf(kBegin, block + 1)) {
      const qsizetype blockEnd = rPdf.indexOf(kEnd, block);
      if (blockEnd < 0 || blockEnd > cmapEnd) break;
      qsizetype line = rPdf.indexOf('\n', block);
      while (line >= 0 && line < blockEnd) {
        qsizetype next = rPdf.indexOf('\n', line + 1);
        if (next < 0 || next > blockEnd) next = blockEnd;
        changed += MendRangeLine(rPdf, line + 1, next, rMend);
        line = next == blockEnd ? -1 : next;
      }
    }
    cmap = cmapEnd;
  }
  return changed;
}

std::function<char32_t(char32_t)> SharedGlyphMending(const QString& rShown, const std::vector<QFont>& rFonts) {
  struct Face {
    QRawFont Raw;
    std::map<quint32, char32_t> ShownByGlyph;
  };
  auto faces = std::make_shared<std::vector<Face>>();
  auto shown = std::make_shared<std::set<char32_t>>();
  for (const char32_t c : rShown.toUcs4()) shown->insert(c);
  for (const QFont& font : rFonts) {
    Face face{QRawFont::fromFont(font), {}};
    if (!face.Raw.isValid()) continue;
    for (const char32_t c : *shown) {
      const QList<quint32> glyphs = face.Raw.glyphIndexesForString(QString::fromUcs4(&c, 1));
      if (glyphs.size() == 1 && glyphs.front() != 0) face.ShownByGlyph.emplace(glyphs.front(), c);
    }
    faces->push_back(std::move(face));
  }
  return [faces, shown](char32_t rName) {
    if (shown->count(rName) != 0) return rName;
    for (const Face& face : *faces) {
      const QList<quint32> glyphs = face.Raw.glyphIndexesForString(QString::fromUcs4(&rName, 1));
      if (glyphs.size() != 1 || glyphs.front() == 0) continue;
      const auto match = face.ShownByGlyph.find(glyphs.front());
      if (match != face.ShownByGlyph.end()) return match->second;
    }
    return rName;
  };
}

}  // namespace px
