#include "ui/signalling/five_tone_widgets.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "app/language.h"
#include "edit/five_tone_codes.h"
#include "ui/kit/apply_language.h"

namespace px {

void FillChoices(QComboBox* rList, const AppState& rState, ChoiceTable rTable) {
  rList->clear();
  for (std::size_t i = 0; i < rTable.size(); ++i) rList->addItem(ToQ(ChoiceText(rState, rTable, static_cast<int>(i))));
}

void SetOptionTextId(QObject* rObject, int rId) {
  SetTextId(rObject, rId);
  rObject->setProperty(kTextSectionProperty, QString::fromLatin1(kSectionOption));
}

QLabel* NewOptionLabel(QWidget* rParent, int rId) {
  auto* label = new QLabel(rParent);
  SetOptionTextId(label, rId);
  return label;
}

QString Latin1Q(const std::string& rBytes) {
  return QString::fromLatin1(rBytes.data(), static_cast<qsizetype>(rBytes.size()));
}

std::string FromLatin1(const QString& rText) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(rText.size()));
  for (const QChar c : rText) bytes.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
  return bytes;
}

void CodeKeyFilter::Install(QLineEdit* rEdit) {
  rEdit->installEventFilter(new CodeKeyFilter(rEdit));
  rEdit->setContextMenuPolicy(Qt::NoContextMenu);
  rEdit->setAcceptDrops(false);
}

bool CodeKeyFilter::eventFilter(QObject* rWatched, QEvent* rEvent) {
  if (rEvent->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(rEvent);
  if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut))
    return true;
  const QString text = key->text();
  if (text.isEmpty()) return false;
  const int code = text.at(0).unicode();
  const std::optional<char> accepted = FilterCodeKey(code);
  if (!accepted) return true;
  if (*accepted == static_cast<char>(code)) return false;
  if (auto* edit = qobject_cast<QLineEdit*>(rWatched)) edit->insert(QString(QLatin1Char(*accepted)));
  return true;
}

}  // namespace px
