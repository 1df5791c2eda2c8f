#include "ui/kit/fixed_text_widgets.h"

#include <QByteArray>

namespace px {

QString FixedQ(std::string_view rBytes) {
  return QString::fromLatin1(rBytes.data(), static_cast<qsizetype>(rBytes.size()));
}

std::string FixedFromQ(const QString& rText) {
  const QByteArray bytes = rText.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace px
