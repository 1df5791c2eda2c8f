#include "ui/kit/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/language.h"

namespace px {
namespace {

constexpr const char* kTranslatorName = "pxQtTranslations";
constexpr const char* kLanguageProperty = "pxLanguageIndex";

}  // namespace

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool ApplyQtLanguage(int rLanguageIndex) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return false;
  const int language = rLanguageIndex == kChinese ? kChinese : kEnglish;
  auto* translator = app->findChild<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly);
  if (translator != nullptr && translator->property(kLanguageProperty).toInt() == language)
    return language == kChinese && !translator->isEmpty();
  if (translator == nullptr) {
    translator = new QTranslator(app);
    translator->setObjectName(QLatin1String(kTranslatorName));
  }
  QCoreApplication::removeTranslator(translator);
  translator->setProperty(kLanguageProperty, language);
  // Qt's source texts are English: English needs no translator, whatever language the
  // system's locale names.
  if (language != kChinese) return false;
  // qtbase holds the dialogs' and buttons' texts.
  if (!translator->load(QStringLiteral("qtbase_zh_CN"), QtTranslationsFolder())) return false;
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace px
