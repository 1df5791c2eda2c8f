#include "ui/settings/frm_emg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/bands.h"
#include "app/language.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/help_window.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/message_service.h"

namespace px {

namespace {

constexpr OwnText kCaption{"Embedded Message", "嵌入信息"};
constexpr OwnText kFrame{"Dealer Information", "经销商信息"};
constexpr OwnText kRadioType{"Radio Type", "机型"};
constexpr OwnText kMaintainedSecond{"Description", ""};

// Label of Text1(i).
constexpr OwnText kBoxLabels[12] = {
    {"Area Code", "销售区号"},         {"Serial Number", "序列号"},
    {"Producted Date", "出厂日期"},    {"Maintained Date", "维修日期"},
    {"Maintained", "维修原因"},        {"Version", "固件版本"},
    {"Manufacture Code", "生产批号"},  {"User Code", "客户代码"},
    {"Dealer Code", "经销商代码"},     {"Stock Date", "入库时间"},
    {"Sell Date", "销售时间"},         {"Seller", "经手人"},
};

}  // namespace

FrmEMG::FrmEMG(const AppState& rState, const EmbeddedInfo& rInfo, QWidget* rParent)
    : QDialog(rParent), mState(rState) {
  setObjectName("FrmEMG");
  setWindowTitle(OwnQ(rState, kCaption));

  const QString values[12] = {
      FixedQ(rInfo.AreaCode),        FixedQ(rInfo.SerialNumber),    FixedQ(rInfo.ProductionDate),
      FixedQ(rInfo.MaintenanceDate), FixedQ(rInfo.MaintenanceReason), ToQ(rInfo.EmbeddedVersion),
      FixedQ(rInfo.ManufactureCode), FixedQ(rInfo.UserCode),        FixedQ(rInfo.DealerCode),
      FixedQ(rInfo.StockDate),       FixedQ(rInfo.SellDate),        FixedQ(rInfo.Seller),
  };
  QLineEdit* boxes[12] = {};
  for (int i = 0; i < 12; ++i) {
    if (i == 4) continue;
    boxes[i] = new QLineEdit(values[i], this);
    boxes[i]->setObjectName(QString("Text1_%1").arg(i));
    boxes[i]->setMinimumWidth(boxes[i]->fontMetrics().horizontalAdvance(QString(18, QLatin1Char('0'))));
  }
  auto* reason = new QPlainTextEdit(values[4], this);
  reason->setObjectName("Text1_4");
  reason->setFixedHeight(reason->fontMetrics().lineSpacing() * 4 + 12);

  auto label = [this](const QString& rText, int rIndex) {
    auto* l = new QLabel(rText, this);
    l->setObjectName(QString("Label1_%1").arg(rIndex));
    return l;
  };

  auto* model = new QComboBox(this);
  model->setObjectName("Combo1_0");
  model->addItem(ToQ(ProductNameOf(rState.ModelString)));
  model->setCurrentIndex(0);

  // Left column, top to bottom as the radio's papers list them.
  auto* main = new QGridLayout;
  main->setHorizontalSpacing(16);
  int row = 0;
  for (int index : {0, 6, 7}) {
    main->addWidget(label(OwnQ(rState, kBoxLabels[index]), index), row, 0, Qt::AlignRight);
    main->addWidget(boxes[index], row++, 1);
  }
  auto* typeLabel = new QLabel(OwnQ(rState, kRadioType), this);
  typeLabel->setObjectName("Label2_0");
  main->addWidget(typeLabel, row, 0, Qt::AlignRight);
  main->addWidget(model, row++, 1);
  for (int index : {1, 2, 3, 5}) {
    main->addWidget(label(OwnQ(rState, kBoxLabels[index]), index), row, 0, Qt::AlignRight);
    main->addWidget(boxes[index], row++, 1);
  }

  auto* frame = new QGroupBox(OwnQ(rState, kFrame), this);
  frame->setObjectName("Frame1");
  auto* dealer = new QGridLayout(frame);
  dealer->setHorizontalSpacing(16);
  int dealerRow = 0;
  for (int index : {8, 9, 10, 11}) {
    dealer->addWidget(label(OwnQ(rState, kBoxLabels[index]), index), dealerRow, 0, Qt::AlignRight);
    dealer->addWidget(boxes[index], dealerRow++, 1);
  }
  dealer->setRowStretch(dealerRow, 1);

  auto* reasonLabels = new QVBoxLayout;
  reasonLabels->addWidget(label(OwnQ(rState, kBoxLabels[4]), 4), 0, Qt::AlignRight);
  auto* second = new QLabel(OwnQ(rState, kMaintainedSecond), this);
  second->setObjectName("Label3_4");
  reasonLabels->addWidget(second, 0, Qt::AlignRight);
  reasonLabels->addStretch();
  auto* reasonRow = new QHBoxLayout;
  reasonRow->addLayout(reasonLabels);
  reasonRow->addSpacing(16);
  reasonRow->addWidget(reason, 1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(main);
  columns->addSpacing(16);
  columns->addWidget(frame, 0, Qt::AlignTop);

  auto* content = new QVBoxLayout;
  content->addLayout(columns);
  content->addLayout(reasonRow);
  const auto [close, help] = LayOutDialog(this, content, "CommandClose", "CommandHelp");
  close->setDefault(true);

  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, &FrmEMG::OnHelp);
  ApplyLanguage(this, rState);
}

void FrmEMG::OnHelp() { ShowHelp(mState, this, HelpTopicOf(objectName())); }

}  // namespace px
