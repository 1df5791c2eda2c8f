#include "platform/startup_embedded.h"

#include <QLocale>

namespace px {

EmbeddedInfo StartupEmbeddedInfo(const QDate& rToday) {
  const std::string shown = QLocale::system().toString(rToday, QLocale::ShortFormat).toStdString();
  return StartupEmbeddedInfo(rToday.year(), rToday.month(), rToday.day(), shown);
}

}  // namespace px
