#include "ui/main/frm_model.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "app/bands.h"
#include "edit/channel_rows.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/dialog_text_filter.h"

namespace px {

namespace {

constexpr int kTextModelCaption = 2300;
constexpr int kTextModelLabel = 2301;
constexpr int kTextBandLabel = 2302;

QString LimitText(double rMhz) { return QString::number(rMhz, 'f', 5); }

}  // namespace

FrmModel::FrmModel(AppState& rState, QWidget* rParent) : QDialog(rParent), mState(rState) {
  setObjectName("FrmModel");
  SetTextId(this, kTextModelCaption);

  auto* modelLabel = new QLabel(this);
  modelLabel->setObjectName("Label1");
  SetTextId(modelLabel, kTextModelLabel);
  mModel = new QComboBox(this);
  mModel->setObjectName("Combo1_0");
  mModel->addItem(ToQ(ProductNameOf(rState.ModelString)));
  mModel->setCurrentIndex(0);
  mModel->setEnabled(false);

  auto* bandLabel = new QLabel(this);
  bandLabel->setObjectName("Label2");
  SetTextId(bandLabel, kTextBandLabel);
  mBand = new QComboBox(this);
  mBand->setObjectName("Combo1_1");
  for (const auto& text : BandTexts()) mBand->addItem(ToQ(text));
  // The list is for reference only; it shows the band the program is set to.
  mBand->setCurrentIndex(rState.Band.Index >= 0 && rState.Band.Index < kBandCount ? rState.Band.Index : 0);
  mBand->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  const std::array<double, 4> limits{rState.Current.MinRxFreq, rState.Current.MaxRxFreq,
                                     rState.Current.MinTxFreq, rState.Current.MaxTxFreq};
  for (int i = 0; i < 4; ++i) {
    mText[i] = new QLineEdit(this);
    mText[i]->setObjectName(QString("Text1_%1").arg(i));
    mText[i]->setMaxLength(10);
    mText[i]->setText(LimitText(limits[static_cast<std::size_t>(i)]));
    mText[i]->setMinimumWidth(fontMetrics().horizontalAdvance("0000.000000"));
    DialogTextFilter::Install(mText[i], DialogTextFilter::Accept::Frequency);
  }

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->addWidget(modelLabel, 0, 0, Qt::AlignRight);
  grid->addWidget(mModel, 0, 1, 1, 4);
  grid->addWidget(bandLabel, 1, 0, Qt::AlignRight);
  grid->addWidget(mBand, 1, 1, 1, 4);
  const int rowIds[2] = {kTextRxFrequency, kTextTxFrequency};
  for (int row = 0; row < 2; ++row) {
    auto* label = new QLabel(this);
    label->setObjectName(QString("Label%1").arg(3 + row));
    SetTextId(label, rowIds[row]);
    grid->addWidget(label, 2 + row, 0, Qt::AlignRight);
    grid->addWidget(mText[row * 2], 2 + row, 1);
    grid->addWidget(new QLabel(QStringLiteral("-"), this), 2 + row, 2);
    grid->addWidget(mText[row * 2 + 1], 2 + row, 3);
    grid->addWidget(new QLabel(QStringLiteral("MHz"), this), 2 + row, 4);
  }

  const auto [ok, cancel] = LayOutDialog(this, grid);
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);

  connect(ok, &QPushButton::clicked, this, &FrmModel::OnOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguage(this, rState);
}

void FrmModel::OnOk() {
  std::array<std::string, 4> texts;
  for (int i = 0; i < 4; ++i) texts[static_cast<std::size_t>(i)] = FromQ(mText[i]->text());
  ApplyModelDialogLimits(mState, texts);
  for (int i = 0; i < 4; ++i) mText[i]->setText(ToQ(texts[static_cast<std::size_t>(i)]));
  mAccepted = true;
  accept();
}

}  // namespace px
