#include "ui/signalling/frm_five_tone_def_ts.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "edit/five_tone_rules.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/dialog_text_filter.h"

namespace px {
namespace {

constexpr int kRows = 8;

}  // namespace

Frm5ToneDefTS::Frm5ToneDefTS(const AppState& rState, FiveToneSettings& rFive, QWidget* rParent)
    : QDialog(rParent), mFive(rFive) {
  setObjectName("Frm5ToneDefTS");
  SetTextId(this, kTextUserToneTable);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  static constexpr const char* kDigits = "0123456789ABCDEF";
  for (int i = 0; i < 16; ++i) {
    auto* box = new QLineEdit(QString::fromStdString(ToneBoxText(rFive.ToneTable[static_cast<std::size_t>(i)])), this);
    box->setObjectName(QString("Text1_%1").arg(i));
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setMaxLength(8);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 12);
    box->installEventFilter(this);
    EnterMovesFocus(box);
    mBoxes[static_cast<std::size_t>(i)] = box;
    auto* label = new QLabel(QString(QLatin1Char(kDigits[i])), this);
    label->setObjectName(QString("Label1_%1").arg(i));
    const int column = (i / kRows) * 3;
    grid->addWidget(label, i % kRows, column, Qt::AlignRight);
    grid->addWidget(box, i % kRows, column + 1);
    grid->addWidget(new QLabel(QStringLiteral("Hz"), this), i % kRows, column + 2);
  }
  grid->setColumnMinimumWidth(3, 24);

  const auto [ok, cancel] = LayOutDialog(this, grid);
  ok->setDefault(false);
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &Frm5ToneDefTS::OnOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguage(this, rState);
}

bool Frm5ToneDefTS::eventFilter(QObject* rWatched, QEvent* rEvent) {
  auto* box = qobject_cast<QLineEdit*>(rWatched);
  if (box == nullptr) return false;
  switch (rEvent->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(rEvent);
      if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut))
        return true;
      const QString text = key->text();
      return !text.isEmpty() && !IsToneBoxKey(text.at(0).unicode());
    }
    case QEvent::FocusIn:
      if (!box->text().isEmpty()) QTimer::singleShot(0, box, &QLineEdit::selectAll);
      return false;
    case QEvent::FocusOut: box->setText(QString::fromStdString(CorrectToneBoxText(box->text().toStdString()))); return false;
    default: return false;
  }
}

void Frm5ToneDefTS::OnOk() {
  std::array<std::string, 16> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = mBoxes[i]->text().toStdString();
  ApplyToneTable(mFive, texts);
  accept();
}

}  // namespace px
