#pragma once
// Copying text out of the report's PDF. Qt's PDF writer names each embedded glyph, in the
// font's ToUnicode map, after the lowest code point the font gives that glyph. CJK fonts
// share one glyph between an ideograph and its radical form (无 and U+2F46, 长 and
// U+2ED3), so text copied or searched came out as radicals. The maps are mended after
// the file is written: a name the report never shows, whose glyph is the glyph of a
// character the report does show, becomes that character.

#include <QByteArray>
#include <QFont>
#include <QString>

#include <functional>
#include <vector>

namespace px {

// Replaces the destinations of the single-glyph entries of every ToUnicode map in rPdf by
// rMend(destination). Only four-digit (one UTF-16 unit) names are mended, four digits for
// four, so no offset of the file moves. Returns the number of names changed.
int MendToUnicodeMaps(QByteArray& rPdf, const std::function<char32_t(char32_t)>& rMend);

// The mending for a document showing rShown in rFonts: a code point not in rShown that
// one of the fonts draws with the glyph of a character of rShown becomes that character;
// every other code point stays.
std::function<char32_t(char32_t)> SharedGlyphMending(const QString& rShown, const std::vector<QFont>& rFonts);

}  // namespace px
