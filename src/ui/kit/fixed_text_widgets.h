#pragma once
// Fixed texts on widgets. A FixedText<N> holds the raw bytes a file or the radio gave;
// a widget shows each byte as the character of the same code (Latin-1) and reads each
// character back as one byte, so that an OK without a change stores the very bytes that
// were loaded: the byte E9 stays E9, where a trip through UTF-8 would store EF BF BD.
//
// Every dialog uses these, never ToQ / FromQ (UTF-8, for language and program texts),
// for each fixed text it shows or stores back: names, codes, call IDs, embedded texts.
//
//   box->setText(FixedQ(record.Name));            // display form, one byte per character
//   record.Name.Assign(FixedFromQ(box->text()));  // and back
//   AssignFixed(record.Name, box->text());        // the same in one call

#include <cstddef>
#include <string>
#include <string_view>

#include <QString>

#include "codeplug/fixed_text.h"

namespace px {

// rBytes one to one as characters U+0000..U+00FF.
QString FixedQ(std::string_view rBytes);
// The display form of rText (TrimFixedText) one to one.
template <std::size_t N>
QString FixedQ(const FixedText<N>& rText) {
  return FixedQ(rText.Display());
}

// Each character as one byte. A character above U+00FF has no byte; it becomes "?"
// (the text filters keep such characters out of the boxes).
std::string FixedFromQ(const QString& rText);

// rField takes rText, left-aligned and padded with spaces (FixedText::Assign).
template <std::size_t N>
void AssignFixed(FixedText<N>& rField, const QString& rText) {
  rField.Assign(FixedFromQ(rText));
}

}  // namespace px
