#include "ui/settings/page_form.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/kit/dialog_frame.h"
#include "ui/kit/dialog_text_filter.h"

namespace px {

QGridLayout* NewFormGrid() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);  // about the 100 twips between a label and its list
  grid->setColumnStretch(1, 1);
  return grid;
}

void AddFormRow(QGridLayout* rGrid, QLabel* rLabel, QComboBox* rList) {
  const int row = rGrid->rowCount();
  rGrid->addWidget(rLabel, row, 0, Qt::AlignRight | Qt::AlignVCenter);
  rList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  rGrid->addWidget(rList, row, 1);
}

void LayOutPageDialog(QDialog* rDialog, QLayout* rContent, const std::function<void()>& rOnOk) {
  const DialogButtonPair buttons = LayOutDialog(rDialog, rContent);
  for (QPushButton* button : {buttons.First, buttons.Second}) {
    button->setAutoDefault(false);  // Enter moves on; it never presses a button
    EnterMovesFocus(button);
  }
  QObject::connect(buttons.First, &QPushButton::clicked, rDialog, rOnOk);
  QObject::connect(buttons.Second, &QPushButton::clicked, rDialog, &QDialog::reject);
}

}  // namespace px
