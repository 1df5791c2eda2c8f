#include "ui/kit/apply_language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/language.h"
#include "app/messages.h"

namespace px {

namespace {

// The id held in a property, or 0 when it is missing or not a positive number.
int IdOf(const QObject* rObject, const char* rProperty) {
  const QVariant value = rObject->property(rProperty);
  if (!value.isValid()) return 0;
  bool ok = false;
  const int id = value.toString().trimmed().toInt(&ok);
  return ok && id > 0 ? id : 0;
}

QString TextOf(const AppState& rState, const QObject* rObject, int rId) {
  const QString section = rObject->property(kTextSectionProperty).toString();
  if (section.isEmpty()) return LangQ(rState, rId);
  return ToQ(LangLookup(rState, section.toStdString(), std::to_string(rId)));
}

// Tool tips show no mnemonics: "&New" → "New", "新建(&N)" → "新建".
QString ToolTipText(QString rText) {
  rText.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
  rText.remove(QLatin1Char('&'));
  return rText;
}

std::vector<int> IdsOf(const QObject* rObject, const char* rProperty) {
  std::vector<int> ids;
  for (const QVariant& value : rObject->property(rProperty).toList()) {
    bool ok = false;
    const int id = value.toString().trimmed().toInt(&ok);
    ids.push_back(ok ? id : 0);
  }
  return ids;
}

void ApplyToAction(QAction* rAction, const AppState& rState) {
  if (rAction->isSeparator()) return;
  int id = IdOf(rAction, kTextIdProperty);
  if (id == 0) {
    // An item designed with its id as caption keeps the id from now on.
    bool ok = false;
    QString caption = rAction->text();
    caption.remove(QLatin1Char('&'));
    const int captionId = caption.trimmed().toInt(&ok);
    if (ok && captionId > 0) {
      rAction->setProperty(kTextIdProperty, captionId);
      id = captionId;
    }
  }
  if (id > 0) rAction->setText(TextOf(rState, rAction, id));
  const int tip = IdOf(rAction, kToolTipIdProperty);
  if (tip > 0) rAction->setToolTip(ToolTipText(TextOf(rState, rAction, tip)));
}

void ApplyToWidget(QWidget* rWidget, const AppState& rState) {
  const int id = IdOf(rWidget, kTextIdProperty);
  const int tip = IdOf(rWidget, kToolTipIdProperty);
  if (id > 0) {
    const QString text = TextOf(rState, rWidget, id);
    if (auto* label = qobject_cast<QLabel*>(rWidget)) {
      label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(rWidget)) {
      button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(rWidget)) {
      group->setTitle(text);
    } else if (auto* menu = qobject_cast<QMenu*>(rWidget)) {
      menu->setTitle(text);
    } else if (rWidget->isWindow()) {
      rWidget->setWindowTitle(text);
    }
  }
  if (tip > 0) rWidget->setToolTip(ToolTipText(TextOf(rState, rWidget, tip)));

  if (auto* combo = qobject_cast<QComboBox*>(rWidget)) {
    const std::vector<int> ids = IdsOf(combo, kItemTextIdsProperty);
    for (std::size_t i = 0; i < ids.size() && static_cast<int>(i) < combo->count(); ++i) {
      if (ids[i] > 0) combo->setItemText(static_cast<int>(i), TextOf(rState, combo, ids[i]));
    }
  } else if (auto* tabs = qobject_cast<QTabWidget*>(rWidget)) {
    const std::vector<int> ids = IdsOf(tabs, kItemTextIdsProperty);
    const std::vector<int> tips = IdsOf(tabs, kItemToolTipIdsProperty);
    for (int i = 0; i < tabs->count(); ++i) {
      const auto at = static_cast<std::size_t>(i);
      if (at < ids.size() && ids[at] > 0) tabs->setTabText(i, TextOf(rState, tabs, ids[at]));
      if (at < tips.size() && tips[at] > 0) tabs->setTabToolTip(i, TextOf(rState, tabs, tips[at]));
    }
  }
}

void ApplyFont(QWidget* rWindow, const AppState& rState) {
  const QString name = LangQ(rState, kTextFontName);
  bool sizeOk = false;
  const int size = LangQ(rState, kTextFontSize).toInt(&sizeOk);
  if (name.isEmpty() && !sizeOk) return;
  QFont font = rWindow->font();
  if (!name.isEmpty()) font.setFamilies({name});
  if (sizeOk && size > 0) font.setPointSize(size);
  // Children without a font of their own inherit the window's.
  rWindow->setFont(font);
}

}  // namespace

QString LangQ(const AppState& rState, int rId) { return ToQ(LangText(rState, rId)); }
QString OwnQ(const AppState& rState, const OwnText& rText) { return ToQ(OwnTextOf(rState, rText)); }

void SetTextId(QObject* rObject, int rId) { rObject->setProperty(kTextIdProperty, rId); }
void SetToolTipId(QObject* rObject, int rId) { rObject->setProperty(kToolTipIdProperty, rId); }
void SetItemTextIds(QObject* rObject, const QVariantList& rIds) {
  rObject->setProperty(kItemTextIdsProperty, rIds);
}

void ApplyLanguage(QWidget* rWindow, const AppState& rState) {
  if (rWindow == nullptr) return;
  const int titleId = IdOf(rWindow, kTextIdProperty);
  if (titleId > 0) rWindow->setWindowTitle(TextOf(rState, rWindow, titleId));
  ApplyFont(rWindow, rState);

  for (QWidget* child : rWindow->findChildren<QWidget*>()) ApplyToWidget(child, rState);
  // Menus may hold actions owned by another object; each action is done once.
  QSet<QAction*> actions;
  for (QAction* action : rWindow->findChildren<QAction*>()) actions.insert(action);
  for (QWidget* widget : rWindow->findChildren<QWidget*>()) {
    for (QAction* action : widget->actions()) actions.insert(action);
  }
  for (QAction* action : actions) ApplyToAction(action, rState);
  SetDialogButtons(rWindow, rState);
}

void SetDialogButtons(QWidget* rWindow, const AppState& rState) {
  if (rWindow == nullptr) return;
  const struct {
    const char* Name;
    QString Text;
  } buttons[] = {
      {"CommandOK", LangQ(rState, kTextOk)},
      {"CommandCancel", LangQ(rState, kTextCancel)},
      {"CommandClose", ToQ(MessageText(rState, Message::CloseButton))},
      {"CommandHelp", ToQ(MessageText(rState, Message::HelpButton))},
  };
  for (const auto& button : buttons) {
    for (QAbstractButton* widget : rWindow->findChildren<QAbstractButton*>(button.Name)) {
      widget->setText(button.Text);
    }
  }
}

}  // namespace px
