#include "ui/kit/dialog_frame.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace px {

DialogButtonPair LayOutDialog(QDialog* rDialog, QLayout* rContent, const char* rFirst, const char* rSecond) {
  DialogButtonPair pair;
  pair.First = new QPushButton(rDialog);
  pair.First->setObjectName(QString::fromLatin1(rFirst));
  pair.Second = new QPushButton(rDialog);
  pair.Second->setObjectName(QString::fromLatin1(rSecond));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(pair.First);
  buttons->addWidget(pair.Second);
  auto* top = new QVBoxLayout(rDialog);
  top->addLayout(rContent);
  top->addSpacing(8);
  top->addLayout(buttons);
  top->setSizeConstraint(QLayout::SetFixedSize);
  return pair;
}

}  // namespace px
