#include "platform/settings_store.h"

namespace px {

QSettings UserSettings() { return QSettings(QStringLiteral("px4800-cps"), QStringLiteral("NR_6240")); }

}  // namespace px
