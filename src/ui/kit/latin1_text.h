#pragma once
// Codeplug bytes on widgets, one byte to one character both ways, so that any byte a
// file or a radio holds survives a dialog's OK unchanged.

#include <string>
#include <string_view>

#include <QByteArray>
#include <QString>

namespace px {

inline QString FromLatin1Bytes(std::string_view rBytes) {
  return QString::fromLatin1(rBytes.data(), static_cast<qsizetype>(rBytes.size()));
}

inline std::string ToLatin1Bytes(const QString& rText) {
  const QByteArray bytes = rText.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace px
