#include "ui/signalling/frm_two_tone.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "ui/kit/apply_language.h"
#include "ui/kit/code_grid.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/widget_helpers.h"

namespace px {

namespace {

constexpr int kVisibleRows = 16;
// The timing lists, top to bottom.
constexpr std::size_t kTimingSlots[] = {TwoToneSlot::FirstToneTime, TwoToneSlot::SecondToneTime,
                                        TwoToneSlot::LongToneTime, TwoToneSlot::ToneGap, TwoToneSlot::ResetTime};

// Name cells take any character up to code 127 but "\" and "~".
char NameKey(char rKey) { return rKey == '\\' || rKey == '~' || rKey == 0x7F ? 0 : rKey; }

std::vector<CodeGridColumn> GridColumns() {
  using Editor = CodeGridColumn::Editor;
  std::vector<CodeGridColumn> columns(4);
  columns[kTwoToneColumnNumber].Width = 48;
  for (int c : {kTwoToneColumnFirst, kTwoToneColumnSecond}) {
    columns[static_cast<std::size_t>(c)].Kind = Editor::Text;
    columns[static_cast<std::size_t>(c)].MaxLength = kTwoToneToneLength;
    columns[static_cast<std::size_t>(c)].Accept = DialogTextFilter::Accept::Frequency;
    columns[static_cast<std::size_t>(c)].Width = 96;
  }
  CodeGridColumn& name = columns[kTwoToneColumnName];
  name.Kind = Editor::Text;
  name.MaxLength = kTwoToneNameLength;
  name.Rule = NameKey;
  name.Width = 96;
  return columns;
}

}  // namespace

Frm2Tone::Frm2Tone(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mFields(this, rState, TwoToneFields()) {
  setObjectName("Frm2Tone");
  BuildInputs();
  LayOut();
  ApplyLanguage(this, rState);
  setWindowTitle(ToQ(LangOption(rState, 60051)));
  if (auto* ok = findChild<QPushButton*>("CommandOK")) ok->setText(ToQ(LangOption(rState, 60024)));
  if (auto* cancel = findChild<QPushButton*>("CommandCancel")) cancel->setText(ToQ(LangOption(rState, 60025)));
  mGrid->SetHeaders({ToQ(LangOption(rState, 60053)), ToQ(LangOption(rState, 60054)),
                     ToQ(LangOption(rState, 60055)), ToQ(LangOption(rState, 60304))});
  mGrid->setFixedSize(mGrid->SizeFor(kVisibleRows));

  mPage = OpenTwoTonePage(rState);
  LoadInputs();
  mLoaded = true;
}

void Frm2Tone::BuildInputs() {
  const int toneWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 16;
  for (int t = 0; t < kTwoToneTones; ++t) {
    auto* box = NewText(this, ("Text2_" + std::to_string(t)).c_str(), kTwoToneToneLength,
                        DialogTextFilter::Accept::Frequency);
    box->setFixedWidth(toneWidth);
    box->installEventFilter(this);
    mTones[static_cast<std::size_t>(t)] = box;
  }
  for (const std::size_t slot : kTimingSlots) mFields.List(slot)->setMaxVisibleItems(16);

  mGrid = new CodeGrid("MSHFlexGrid1", kTwoToneEntries, GridColumns(), this);
  for (int k = 0; k < kTwoToneEntries; ++k) mGrid->SetCellText(k, kTwoToneColumnNumber, QString::number(k));
  mGrid->SetEnterRule([this](GridCell rWanted) {
    if (!mLoaded) return rWanted;
    const auto row = static_cast<std::size_t>(rWanted.Row);
    return GridCell{rWanted.Row, EnteredColumn(mPage.Rows[row], rWanted.Column)};
  });
  mGrid->SetEnterWalk([](GridCell rFrom, const QString& rText) {
    const TwoToneCell next = EnterWalk({rFrom.Row, rFrom.Column}, FixedFromQ(rText));
    return GridCell{next.Row, next.Column};
  });
  mGrid->SetCommit([this](GridCell rCell, const QString& rText) {
    if (!mLoaded) return;
    const auto row = static_cast<std::size_t>(rCell.Row);
    TwoToneRow& shown = mPage.Rows[row];
    CommitTwoToneCell(mPage.Scratch.Entries[row], shown, rCell.Column, FixedFromQ(rText));
    mGrid->SetCellText(rCell.Row, kTwoToneColumnFirst, FixedQ(shown.First));
    mGrid->SetCellText(rCell.Row, kTwoToneColumnSecond, FixedQ(shown.Second));
    mGrid->SetCellText(rCell.Row, kTwoToneColumnName, FixedQ(shown.Name));
  });

  connect(mFields.List(TwoToneSlot::Format), &QComboBox::currentIndexChanged, this, &Frm2Tone::EnableToneBoxes);
}

void Frm2Tone::LayOut() {
  auto* settings = new QGridLayout;
  settings->setHorizontalSpacing(8);
  const auto addRow = [&](QLabel* rLabel, QWidget* rInput) {
    const int row = settings->rowCount();
    settings->addWidget(rLabel, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    settings->addWidget(rInput, row, 1, Qt::AlignLeft);
  };
  addRow(mFields.Label(TwoToneSlot::Format), mFields.List(TwoToneSlot::Format));
  for (int t = 0; t < kTwoToneTones; ++t) {
    // "Tone " and the letter; the letter is no language text.
    auto* label = new QLabel(ToQ(LangOption(mState, 60056)) + QLatin1Char(static_cast<char>('A' + t)), this);
    label->setObjectName(QStringLiteral("Label2_%1").arg(t));
    addRow(label, mTones[static_cast<std::size_t>(t)]);
  }
  for (const std::size_t slot : kTimingSlots) addRow(mFields.Label(slot), mFields.List(slot));
  addRow(mFields.Label(TwoToneSlot::DecodeOption), mFields.List(TwoToneSlot::DecodeOption));
  settings->addWidget(mFields.Switch(TwoToneSlot::SideTone), settings->rowCount(), 1);
  settings->setRowStretch(settings->rowCount(), 1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(settings);
  columns->addSpacing(16);
  columns->addWidget(mGrid, 0, Qt::AlignTop);
  const DialogButtonPair buttons = LayOutDialog(this, columns);
  for (QPushButton* button : {buttons.First, buttons.Second}) button->setAutoDefault(false);
  connect(buttons.First, &QPushButton::clicked, this, &Frm2Tone::OnOk);
  connect(buttons.Second, &QPushButton::clicked, this, &QDialog::reject);

  std::vector<QWidget*> order{mFields.List(TwoToneSlot::Format)};
  for (QLineEdit* box : mTones) order.push_back(box);
  for (const std::size_t slot : kTimingSlots) order.push_back(mFields.List(slot));
  for (QWidget* widget : std::initializer_list<QWidget*>{mFields.List(TwoToneSlot::DecodeOption),
                                                         mFields.Switch(TwoToneSlot::SideTone), mGrid, buttons.First,
                                                         buttons.Second})
    order.push_back(widget);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Frm2Tone::LoadInputs() {
  const TwoTonePageInputs& in = mPage.Inputs;
  mFields.Load(mPage.Scratch.Header);
  for (std::size_t t = 0; t < mTones.size(); ++t) mTones[t]->setText(FixedQ(in.Tones[t]));
  for (int k = 0; k < kTwoToneEntries; ++k) {
    const TwoToneRow& row = mPage.Rows[static_cast<std::size_t>(k)];
    mGrid->SetCellText(k, kTwoToneColumnFirst, FixedQ(row.First));
    mGrid->SetCellText(k, kTwoToneColumnSecond, FixedQ(row.Second));
    mGrid->SetCellText(k, kTwoToneColumnName, FixedQ(row.Name));
  }
  EnableToneBoxes();
}

void Frm2Tone::EnableToneBoxes() {
  for (int t = 0; t < kTwoToneTones; ++t)
    mTones[static_cast<std::size_t>(t)]->setEnabled(ToneBoxEnabled(mFields.Value(TwoToneSlot::Format), t));
}

bool Frm2Tone::eventFilter(QObject* rWatched, QEvent* rEvent) {
  if (rEvent->type() == QEvent::FocusOut) {
    for (QLineEdit* box : mTones)
      if (rWatched == box) box->setText(FixedQ(LeaveToneBox(FixedFromQ(box->text()))));
  }
  return QDialog::eventFilter(rWatched, rEvent);
}

TwoTonePage Frm2Tone::Page() const {
  TwoTonePage page = mPage;
  TwoTonePageInputs& in = page.Inputs;
  mFields.Store(page.Scratch.Header);
  for (std::size_t t = 0; t < mTones.size(); ++t) in.Tones[t] = FixedFromQ(mTones[t]->text());
  return page;
}

void Frm2Tone::OnOk() {
  mGrid->CommitEdit();
  ApplyTwoTonePage(mState, Page());
  accept();
}

}  // namespace px
