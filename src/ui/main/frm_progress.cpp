#include "ui/main/frm_progress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace px {

FrmProgress::FrmProgress(const QString& rCaption, const QString& rLabel, QWidget* rParent)
    : QDialog(rParent) {
  setObjectName("FrmProgress");
  setWindowTitle(rCaption);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  auto* caption = new QLabel(rLabel, this);
  caption->setObjectName("Label1");
  mPercent = new QLabel(QStringLiteral("0%"), this);
  mPercent->setObjectName("Label2");
  mPercent->setMinimumWidth(mPercent->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
  mBar = new QProgressBar(this);
  mBar->setObjectName("ProgressBar1");
  mBar->setRange(0, 100);
  mBar->setValue(0);
  mBar->setTextVisible(false);
  mBar->setMinimumWidth(320);

  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(caption);
  row->addSpacing(10);
  row->addWidget(mPercent);
  row->addStretch();
  mCancel = new QPushButton(QStringLiteral("Cancel"), this);
  mCancel->setObjectName("CommandCancel");
  mCancel->setAutoDefault(false);
  connect(mCancel, &QPushButton::clicked, this, &FrmProgress::CancelRequested);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(mCancel);

  auto* top = new QVBoxLayout(this);
  top->addWidget(mBar);
  top->addLayout(row);
  top->addLayout(buttons);
  top->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmProgress::SetProgressValue(int rPercent) {
  const int percent = rPercent < 0 ? 0 : (rPercent > 100 ? 100 : rPercent);
  mBar->setValue(percent);
  mPercent->setText(QString::number(percent) + QStringLiteral("%"));
}

void FrmProgress::SetCancelText(const QString& rText) { mCancel->setText(rText); }

void FrmProgress::DisableCancel() { mCancel->setEnabled(false); }

int FrmProgress::Value() const { return mBar->value(); }

void FrmProgress::Finish() {
  mFinishing = true;
  QDialog::done(QDialog::Accepted);
}

void FrmProgress::closeEvent(QCloseEvent* rEvent) {
  if (mFinishing) {
    QDialog::closeEvent(rEvent);
  } else {
    // The window stays until the transfer has ended; the close button asks it to stop.
    rEvent->ignore();
    if (mCancel->isEnabled()) emit CancelRequested();
  }
}

void FrmProgress::reject() {
  if (mFinishing) {
    QDialog::reject();
  } else if (mCancel->isEnabled()) {
    emit CancelRequested();  // Escape, like Cancel
  }
}

}  // namespace px
