#pragma once
// The embedded information the program holds before any radio is read, for a day of the
// calendar, its dates written as the user's locale writes them short.

#include <QDate>

#include "codeplug/embedded_info.h"

namespace px {

EmbeddedInfo StartupEmbeddedInfo(const QDate& rToday);

}  // namespace px
