#pragma once
// The texts Qt draws itself (file dialogs, message box buttons, the print dialog and
// preview) in the program's language, from the translations the system's Qt ships.

#include <QString>

namespace px {

// Installs Qt's own Chinese translations for language index 2 and removes them for any
// other, once per change. The translator belongs to the application object. Without the
// translation files Qt's windows stay English; false then (and for English).
bool ApplyQtLanguage(int rLanguageIndex);

// The folder the translations are read from: Qt's own translations folder.
QString QtTranslationsFolder();

}  // namespace px
