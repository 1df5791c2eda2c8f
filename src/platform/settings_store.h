#pragma once
// The per-user settings store, one for the whole program: its values live under the
// section "Settings" ("Settings/MainLeft", "Settings/VerifyAfterWrite").

#include <QSettings>

namespace px {

QSettings UserSettings();

}  // namespace px
