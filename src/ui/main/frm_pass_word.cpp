#include "ui/main/frm_pass_word.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "link/transfer.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/dialog_text_filter.h"

namespace px {

namespace {

constexpr int kTextCaption = 3100;
constexpr int kTextLabel = 3101;
constexpr int kPasswordLength = 4;

}  // namespace

FrmPassWord::FrmPassWord(const AppState& rState, const std::string& rCurrent, QWidget* rParent)
    : QDialog(rParent) {
  setObjectName("FrmPassWord");
  SetTextId(this, kTextCaption);

  auto* label = new QLabel(this);
  label->setObjectName("Label1");
  SetTextId(label, kTextLabel);
  mText = new QLineEdit(this);
  mText->setObjectName("Text1");
  mText->setMaxLength(kPasswordLength);
  mText->setText(ToQ(rCurrent));
  mText->setMinimumWidth(mText->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")));
  DialogTextFilter::Install(mText, DialogTextFilter::Accept::Ascii);

  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(label);
  row->addSpacing(12);
  row->addWidget(mText);
  row->addStretch();
  const auto [ok, cancel] = LayOutDialog(this, row);
  ok->setDefault(true);

  connect(ok, &QPushButton::clicked, this, [this] {
    mAccepted = true;
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguage(this, rState);
}

std::string FrmPassWord::Entry() const { return CleanPasswordEntry(FromQ(mText->text())); }

std::optional<std::string> AskPasswordWithDialog(const AppState& rState,
                                                 const std::string& rCurrent, QWidget* rParent) {
  FrmPassWord dialog(rState, rCurrent, rParent);
  dialog.exec();
  if (!dialog.Accepted()) return std::nullopt;
  return dialog.Entry();
}

}  // namespace px
