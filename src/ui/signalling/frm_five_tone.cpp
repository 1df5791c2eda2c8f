#include "ui/signalling/frm_five_tone.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "app/language.h"
#include "edit/five_tone_standards.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/code_grid.h"
#include "ui/kit/dialog_frame.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/message_service.h"
#include "ui/kit/widget_helpers.h"
#include "ui/signalling/five_tone_widgets.h"
#include "ui/signalling/frm_five_tone_def_ts.h"
#include "ui/signalling/frm_special.h"

namespace px {
namespace {

constexpr int kTextEdit = 1010;
constexpr int kTextPttFrames[2] = {60302, 60303};
constexpr int kTextSideTone = 60312;
constexpr int kTextInfoNumbered = 3005;
constexpr int kGridHeaders[6] = {kTextFiveToneNumber,   kTextFiveToneSpecialCall, kTextFiveToneCode,
                                 kTextFiveToneStandard, kTextFiveToneDuration,    kTextFiveToneName};
constexpr OwnText kSettingsFrame{"System Settings", "系统设置"};
constexpr const char* kOwnIdMessage = "900C";

constexpr int kColType = 1;
constexpr int kColCode = 2;
constexpr int kColStandard = 3;
constexpr int kColDuration = 4;
constexpr int kColName = 5;

QString NameQ(const std::string& rBytes) { return FixedQ(rBytes); }


}  // namespace

Frm5Tone::Frm5Tone(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mPage(OpenFiveTonePage(rState)) {
  setObjectName("Frm5Tone");
  SetOptionTextId(this, kTextFiveTonePage);

  // System settings: own ID and the twelve lists in two columns.
  auto* settings = new QGridLayout;
  settings->setHorizontalSpacing(8);
  mOwnId = NewText(this, "Text2", kOwnIdLength, DialogTextFilter::Accept::Digits);
  mOwnId->installEventFilter(this);
  mOwnId->setMaximumWidth(mOwnId->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
  auto* ownIdLabel = NewLabel(this, kTextFiveToneOwnId);
  settings->addWidget(ownIdLabel, 0, 0, Qt::AlignRight);
  settings->addWidget(mOwnId, 0, 1);
  int place = 1;
  for (const FiveToneList& list : FiveTonePageListTable()) {
    QComboBox* combo = NewChoiceList(this, QString("Combo1_%1").arg(list.Index).toLatin1().constData(), rState, list.Choices);
    combo->setMaxVisibleItems(16);
    mLists[static_cast<std::size_t>(list.Index)] = combo;
    QLabel* label = NewOptionLabel(this, list.LabelId);
    label->setObjectName(QString("Label1_%1").arg(list.Index));
    const int column = place < 7 ? 0 : 2;
    const int row = place < 7 ? place : place - 7;
    settings->addWidget(label, row, column, Qt::AlignRight);
    settings->addWidget(combo, row, column + 1);
    ++place;
  }
  mSideTone = new QCheckBox(this);
  mSideTone->setObjectName("Check1");
  SetOptionTextId(mSideTone, kTextSideTone);
  EnterMovesFocus(mSideTone);
  settings->addWidget(mSideTone, 6, 3);
  settings->setColumnMinimumWidth(1, 90);
  settings->setColumnMinimumWidth(3, 90);
  settings->setColumnStretch(1, 1);
  settings->setColumnStretch(3, 1);
  auto* settingsFrame = new QGroupBox(this);
  settingsFrame->setObjectName("Frame1");
  settingsFrame->setTitle(OwnQ(rState, kSettingsFrame));
  settingsFrame->setLayout(settings);

  // The tone table of the chosen standard and the user-defined table.
  mToneText = new QPlainTextEdit(this);
  mToneText->setObjectName("Text1");
  mToneText->setReadOnly(true);
  {
    // As wide as the widest line of any standard's table, so that nothing wraps.
    int widest = 0;
    for (int i = 0; i < kFiveToneStandardCount; ++i) {
      for (const QString& line : ToQ(ToneTableText(rState, i)).split(QStringLiteral("\r\n")))
        widest = std::max(widest, mToneText->fontMetrics().horizontalAdvance(line));
    }
    mToneText->setFixedWidth(widest + 2 * mToneText->frameWidth() + 2 * static_cast<int>(mToneText->document()->documentMargin()) +
                             mToneText->verticalScrollBar()->sizeHint().width());
    mToneText->setLineWrapMode(QPlainTextEdit::NoWrap);
  }
  auto* editTable = new QPushButton(this);
  editTable->setObjectName("Command4");
  SetTextId(editTable, kTextEdit);
  auto* toneColumn = new QVBoxLayout;
  toneColumn->addWidget(mToneText, 1);
  toneColumn->addWidget(editTable);

  // PTT ID codes, begin and end.
  auto* pttColumn = new QVBoxLayout;
  for (std::size_t i = 0; i < 2; ++i) {
    mPttCode[i] = new QLineEdit(this);
    mPttCode[i]->setObjectName(QString("Text4_%1").arg(i));
    mPttCode[i]->setMaxLength(kPttIdCodeMax);
    DialogTextFilter::Install(mPttCode[i], FiveToneCodeKeys());
    mPttCode[i]->installEventFilter(this);
    mPttCode[i]->setMinimumWidth(mPttCode[i]->fontMetrics().horizontalAdvance(QString(25, QLatin1Char('0'))));
    mPttStandard[i] = NewChoiceList(this, QString("Combo4_%1").arg(i).toLatin1().constData(), rState, FiveToneStandardChoices());
    mPttDuration[i] = NewChoiceList(this, QString("Combo5_%1").arg(i).toLatin1().constData(), rState, FiveToneDurationChoices());
    auto* special = new QPushButton(this);
    special->setObjectName(i == 0 ? "Command2" : "Command3");
    SetOptionTextId(special, kTextFiveToneSpecialCall);
    special->setAutoDefault(false);
    auto* grid = new QGridLayout;
    grid->addWidget(NewOptionLabel(this, kTextFiveToneCode), 0, 0, Qt::AlignRight);
    grid->addWidget(mPttCode[i], 0, 1, 1, 3);
    grid->addWidget(NewOptionLabel(this, kTextFiveToneStandard), 1, 0, Qt::AlignRight);
    grid->addWidget(mPttStandard[i], 1, 1);
    grid->addWidget(NewOptionLabel(this, kTextFiveToneDuration), 1, 2, Qt::AlignRight);
    grid->addWidget(mPttDuration[i], 1, 3);
    grid->addWidget(special, 2, 3);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QString("Frame2_%1").arg(i));
    SetOptionTextId(frame, kTextPttFrames[i]);
    frame->setLayout(grid);
    pttColumn->addWidget(frame);
    const auto target = i == 0 ? SpecialCallTarget::PttIdBegin : SpecialCallTarget::PttIdEnd;
    connect(special, &QPushButton::clicked, this, [this, target] { OpenSpecial(target); });
    connect(mPttStandard[i], &QComboBox::currentIndexChanged, this, [this, i](int rIndex) {
      if (!mLoaded || mShowing || rIndex < 0) return;
      ShowToneTable(rIndex);
      Choose(mPttDuration[i], DefaultDurationPosition(rIndex));
    });
  }

  // Information codes.
  mInfoNumber = NewList(this, "Combo6", {"1", "2", "3", "4", "5", "6", "7", "8"});
  mInfoNumber->setMinimumWidth(mInfoNumber->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 40);
  mFunction = NewChoiceList(this, "Combo7_0", rState, FiveToneDecodeFunctionChoices());
  mResponse = NewChoiceList(this, "Combo7_1", rState, FiveToneResponseChoices());
  mInfoCode = new QLineEdit(this);
  mInfoCode->setObjectName("Text5");
  mInfoCode->setMaxLength(kInfoCodeMax);
  DialogTextFilter::Install(mInfoCode, FiveToneCodeKeys());
  mInfoName = NewText(this, "Text7", kCodeNameMax, DialogTextFilter::Accept::Ascii);
  auto* info = new QGridLayout;
  info->addWidget(mInfoNumber, 0, 1);
  info->addWidget(NewOptionLabel(this, kTextFiveToneDecodeFunction), 1, 0, Qt::AlignRight);
  info->addWidget(mFunction, 1, 1);
  info->addWidget(NewOptionLabel(this, kTextFiveToneDecodeResponse), 2, 0, Qt::AlignRight);
  info->addWidget(mResponse, 2, 1);
  info->addWidget(NewOptionLabel(this, kTextFiveToneCode), 3, 0, Qt::AlignRight);
  info->addWidget(mInfoCode, 3, 1);
  info->addWidget(NewOptionLabel(this, kTextFiveToneInfoName), 4, 0, Qt::AlignRight);
  info->addWidget(mInfoName, 4, 1);
  mInfoFrame = new QGroupBox(this);
  mInfoFrame->setObjectName("Frame3");
  SetOptionTextId(mInfoFrame, kTextFiveToneInfoFrame);
  mInfoFrame->setLayout(info);
  pttColumn->addWidget(mInfoFrame);
  pttColumn->addStretch();

  BuildGrid();
  auto* listSpecial = new QPushButton(this);
  listSpecial->setObjectName("Command1");
  SetOptionTextId(listSpecial, kTextFiveToneSpecialCall);
  listSpecial->setAutoDefault(false);
  auto* gridColumn = new QVBoxLayout;
  gridColumn->addWidget(settingsFrame);
  gridColumn->addWidget(mGrid, 1);
  auto* specialRow = new QHBoxLayout;
  specialRow->addStretch();
  specialRow->addWidget(listSpecial);
  gridColumn->addLayout(specialRow);

  auto* columns = new QHBoxLayout;
  columns->addLayout(gridColumn, 1);
  columns->addLayout(pttColumn);
  columns->addLayout(toneColumn);
  const auto [ok, cancel] = LayOutDialog(this, columns, "CommandOK", "CommandCancel");
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  mCancel = cancel;

  connect(ok, &QPushButton::clicked, this, &Frm5Tone::OnOk);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(editTable, &QPushButton::clicked, this, &Frm5Tone::OpenToneTable);
  connect(listSpecial, &QPushButton::clicked, this, [this] { OpenSpecial(SpecialCallTarget::CodeRow); });
  connect(mLists[kFiveToneStandardList], &QComboBox::currentIndexChanged, this, [this](int rIndex) {
    if (!mLoaded || mShowing || rIndex < 0) return;
    ShowToneTable(rIndex);
    Choose(mLists[kFiveToneDurationList], DefaultDurationPosition(rIndex));
  });
  connect(mLists[kFiveTonePauseDigitList], &QComboBox::currentIndexChanged, this, [this](int rIndex) {
    mLists[kFiveTonePauseTimeList]->setEnabled(rIndex > 0);
  });
  connect(mInfoNumber, &QComboBox::currentIndexChanged, this, &Frm5Tone::OnInfoChosen);
  connect(mFunction, &QComboBox::currentIndexChanged, this, [this] {
    if (!mShowing) OnFunctionChosen();
  });

  ApplyLanguage(this, rState);
  ShowPage();
  mInfoNumber->setCurrentIndex(-1);
  for (QWidget* w : std::initializer_list<QWidget*>{mFunction, mResponse, mInfoCode, mInfoName}) w->setEnabled(false);
  mLoaded = true;
}

void Frm5Tone::BuildGrid() {
  QStringList standards;
  for (const FiveToneStandard& standard : FiveToneStandards()) standards << ToQ(std::string(standard.Name));
  QStringList durations;
  for (std::size_t i = 0; i < FiveToneDurationChoices().size(); ++i)
    durations << ToQ(ChoiceText(mState, FiveToneDurationChoices(), static_cast<int>(i)));
  CodeGridColumn code;
  code.Kind = CodeGridColumn::Editor::Text;
  code.MaxLength = kListedCodeMax;
  code.Rule = FiveToneCodeKeys();
  CodeGridColumn standard;
  standard.Kind = CodeGridColumn::Editor::List;
  standard.Entries = standards;
  CodeGridColumn duration;
  duration.Kind = CodeGridColumn::Editor::List;
  duration.Entries = durations;
  CodeGridColumn name;
  name.Kind = CodeGridColumn::Editor::Text;
  name.MaxLength = kCodeNameMax;
  name.Accept = DialogTextFilter::Accept::Ascii;
  mGrid = new CodeGrid("MSHFlexGrid1", kFiveToneCodes, {{}, {}, code, standard, duration, name}, this);
  mGrid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  mGrid->verticalHeader()->setDefaultSectionSize(mGrid->fontMetrics().height() + 10);
  // The editors carry the names of the page's own controls.
  mCodeEditor = static_cast<QLineEdit*>(mGrid->EditorOf(kColCode));
  mCodeEditor->setObjectName("Text3");
  mCodeEditor->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  mStandardEditor = static_cast<QComboBox*>(mGrid->EditorOf(kColStandard));
  mStandardEditor->setObjectName("Combo2");
  mGrid->EditorOf(kColDuration)->setObjectName("Combo3");
  mGrid->EditorOf(kColName)->setObjectName("Text6");
  mCodeEditor->installEventFilter(this);

  QStringList headers;
  for (const int id : kGridHeaders) headers << ToQ(LangOption(mState, id));
  mGrid->SetHeaders(headers);
  const QFontMetrics metrics = mGrid->fontMetrics();
  auto widen = [this, &metrics](int rCol, const QString& rText) {
    mGrid->setColumnWidth(rCol, std::max(mGrid->columnWidth(rCol), metrics.horizontalAdvance(rText) + 16));
  };
  widen(0, QStringLiteral("000"));
  widen(kColType, QStringLiteral("PTTID"));
  widen(kColType, ToQ(LangOption(mState, 60073)));
  widen(kColCode, QString(5, QLatin1Char('0')) + QString(8, QLatin1Char(' ')) + ToQ(LangOption(mState, 60084)));
  widen(kColCode, QString(16, QLatin1Char('0')));
  widen(kColStandard, QStringLiteral("EURO SIGNAL") + QString(4, QLatin1Char(' ')));
  widen(kColName, QStringLiteral("WWWWWWW"));
  for (int row = 0; row < kFiveToneCodes; ++row) {
    mGrid->SetCellText(row, 0, QString::number(row));
    for (int col = kColType; col <= kColName; ++col)
      mGrid->item(row, col)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  const QSize size = mGrid->SizeFor(12);
  mGrid->setMinimumSize(size.width() + 4, size.height());

  mGrid->SetCommit([this](GridCell rCell, const QString& rText) { OnCellCommitted(rCell, rText); });
  mGrid->SetEnterWalk([this](GridCell rFrom, const QString& rText) { return EnterWalk(rFrom, rText); });
  mGrid->SetEditText([this](GridCell rCell) {
    if (rCell.Column == kColCode) return ToQ(mPage.Rows[static_cast<std::size_t>(rCell.Row)].Edit);
    return mGrid->CellText(rCell.Row, rCell.Column);
  });
  connect(mStandardEditor, &QComboBox::currentIndexChanged, this, [this](int rIndex) {
    const GridCell cell = mGrid->EditedCell();
    if (mShowing || rIndex < 0 || cell.Column != kColStandard) return;
    if (mPage.Rows[static_cast<std::size_t>(cell.Row)].Standard == rIndex) return;
    ChooseRowStandard(mPage, cell.Row + 1, rIndex);
    ShowToneTable(rIndex);
    ShowRow(cell.Row + 1);
  });
  connect(mGrid, &QTableWidget::cellDoubleClicked, this, [this](int rRow, int rCol) {
    if (mLoaded && rCol == kColCode) OnCodeDoubleClicked(rRow + 1);
  });
}

void Frm5Tone::ShowPage() {
  mShowing = true;
  mOwnId->setText(QString::fromStdString(mPage.OwnId));
  for (const FiveToneList& list : FiveTonePageListTable())
    Choose(mLists[static_cast<std::size_t>(list.Index)], mPage.Lists[static_cast<std::size_t>(list.Index)]);
  mLists[kFiveTonePauseTimeList]->setEnabled(PauseTimeEnabled(mPage));
  mSideTone->setChecked(mPage.SideTone);
  for (std::size_t i = 0; i < 2; ++i) {
    mPttCode[i]->setText(QString::fromStdString(mPage.PttId[i].Code));
    Choose(mPttStandard[i], mPage.PttId[i].Standard);
    Choose(mPttDuration[i], mPage.PttId[i].Duration);
  }
  for (int row = 1; row <= kFiveToneCodes; ++row) ShowRow(row);
  mShowing = false;
  ShowToneTable(mPage.Lists[kFiveToneStandardList]);
}

void Frm5Tone::ShowRow(int rRow) {
  const FiveToneCodeRow& cells = mPage.Rows[static_cast<std::size_t>(rRow - 1)];
  const int r = rRow - 1;
  mGrid->SetCellText(r, kColType, ToQ(cells.Type));
  mGrid->SetCellText(r, kColCode, ToQ(cells.Code));
  mGrid->SetCellText(r, kColStandard, ToQ(std::string(FiveToneStandardAt(cells.Standard).Name)));
  mGrid->SetCellText(r, kColDuration, QString::number(cells.DurationMs));
  mGrid->SetCellText(r, kColName, NameQ(cells.Name));
}

void Frm5Tone::ReadInputs() {
  mPage.OwnId = mOwnId->text().toStdString();
  for (const FiveToneList& list : FiveTonePageListTable())
    mPage.Lists[static_cast<std::size_t>(list.Index)] = std::max(0, mLists[static_cast<std::size_t>(list.Index)]->currentIndex());
  mPage.SideTone = mSideTone->isChecked();
  for (std::size_t i = 0; i < 2; ++i) {
    mPage.PttId[i].Code = mPttCode[i]->text().toStdString();
    mPage.PttId[i].Standard = std::max(0, mPttStandard[i]->currentIndex());
    mPage.PttId[i].Duration = std::max(0, mPttDuration[i]->currentIndex());
  }
  ReadInfoInputs();
}

void Frm5Tone::ShowToneTable(int rStandard) {
  QString text = ToQ(ToneTableText(mState, rStandard));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  mToneText->setPlainText(text);
}

// ---- Code list cells ------------------------------------------------------------------

void Frm5Tone::OnCellCommitted(const GridCell& rCell, const QString& rText) {
  const int row = rCell.Row + 1;
  switch (rCell.Column) {
    case kColCode: CommitCodeCell(mState, mPage, row, rText.toStdString()); break;
    case kColStandard: {
      const int standard = mStandardEditor->findText(rText);
      if (standard >= 0 && standard != mPage.Rows[static_cast<std::size_t>(rCell.Row)].Standard)
        ChooseRowStandard(mPage, row, standard);
      break;
    }
    case kColDuration: CommitDurationCell(mPage, row, rText.toInt()); break;
    case kColName: CommitNameCell(mPage, row, FixedFromQ(rText)); break;
    default: break;
  }
  ShowRow(row);
}

// Enter with a code moves one column right, on an empty code (and from the name) to the
// code of the next row, after the last row the first.
GridCell Frm5Tone::EnterWalk(const GridCell& rFrom, const QString& rText) const {
  const bool right = rFrom.Column == kColCode ? !rText.isEmpty() : rFrom.Column < kColName;
  if (right) return {rFrom.Row, rFrom.Column + 1};
  return {(rFrom.Row + 1) % kFiveToneCodes, kColCode};
}

void Frm5Tone::OnCodeDoubleClicked(int rRow) {
  MessageService messages(this);
  if (!ResetSpecialCall(mState, mPage, rRow, messages)) return;
  // The editor on this cell still holds the call that is gone; any other one is kept.
  if (mGrid->EditedCell() == GridCell{rRow - 1, kColCode})
    mGrid->DiscardEdit();
  else
    mGrid->CommitEdit();
  ShowRow(rRow);
}

bool Frm5Tone::eventFilter(QObject* rWatched, QEvent* rEvent) {
  if (rWatched == mOwnId && rEvent->type() == QEvent::FocusOut) {
    OnOwnIdLeft();
  } else if (rWatched == mCodeEditor && rEvent->type() == QEvent::MouseButtonDblClick) {
    const GridCell cell = mGrid->EditedCell();
    if (cell.Valid() && !mPage.Rows[static_cast<std::size_t>(cell.Row)].Type.empty()) {
      OnCodeDoubleClicked(cell.Row + 1);
      return true;
    }
  } else if (rEvent->type() == QEvent::FocusOut && (rWatched == mPttCode[0] || rWatched == mPttCode[1])) {
    auto* box = static_cast<QLineEdit*>(rWatched);
    box->setText(QString::fromStdString(
        EncodeFiveToneCode(CodeAlphabetOnly(box->text().toStdString()), mOwnId->text().toStdString())));
  }
  return QDialog::eventFilter(rWatched, rEvent);
}

// ---- Own ID ---------------------------------------------------------------------------

void Frm5Tone::OnOwnIdLeft() {
  const std::string id = mOwnId->text().toStdString();
  if (id.empty() || mTelling) return;  // an empty box is pointed out by OK only
  // Leaving for Cancel discards the ID: no message that would swallow the click.
  if (QApplication::focusWidget() == mCancel) return;
  if (!IsOwnIdComplete(id)) {
    mTelling = true;
    QTimer::singleShot(0, this, [this] {
      MessageService::TellUser(this, LangMsg(mState, std::string_view(kOwnIdMessage)));
      mOwnId->setFocus();
      mTelling = false;
    });
    return;
  }
  if (id == mPage.Five.PageText.Display()) return;
  mGrid->CommitEdit();
  ReadInputs();
  TakeOverOwnId(mState, mPage, id);
  ShowPage();
}

// ---- Information codes ------------------------------------------------------------------

void Frm5Tone::OnInfoChosen(int rPosition) {
  if (!mLoaded || rPosition < 0) return;
  ReadInfoInputs();
  ChooseInfoCode(mPage, rPosition + 1);
  mInfoFrame->setTitle(LangQ(mState, kTextInfoNumbered) + QString::number(rPosition + 1));
  ShowInfoInputs();
}

void Frm5Tone::ShowInfoInputs() {
  mShowing = true;
  Choose(mFunction, mPage.Info.Function);
  mShowing = false;
  mInfoCode->setText(QString::fromStdString(mPage.Info.Code));
  mInfoName->setText(NameQ(mPage.Info.Name));
  mFunction->setEnabled(true);
  mInfoCode->setEnabled(true);
  OnFunctionChosen();
  Choose(mResponse, mPage.Info.Response);
}

void Frm5Tone::OnFunctionChosen() {
  if (mPage.ShownInfoCode < 1) return;
  const DecodeFunctionEffect effect = DecodeFunctionReaction(mFunction->currentIndex(), mResponse->currentIndex());
  FillChoices(mResponse, mState, FiveToneResponseChoices().first(static_cast<std::size_t>(effect.ResponseEntries)));
  Choose(mResponse, effect.Response);
  mResponse->setEnabled(effect.ResponseEnabled);
  mInfoName->setEnabled(effect.NameEnabled);
  if (effect.NameEmptied) mInfoName->clear();
}

void Frm5Tone::ReadInfoInputs() {
  if (mPage.ShownInfoCode < 1) return;
  mPage.Info.Function = std::max(0, mFunction->currentIndex());
  mPage.Info.Response = std::max(0, mResponse->currentIndex());
  mPage.Info.Code = mInfoCode->text().toStdString();
  mPage.Info.Name = FixedFromQ(mInfoName->text());
}

// ---- Other dialogs and OK ----------------------------------------------------------------

void Frm5Tone::OpenSpecial(SpecialCallTarget rTarget) {
  int row = 0;
  if (rTarget == SpecialCallTarget::CodeRow) {
    row = mGrid->currentRow() + 1;
    if (row < 1) row = 1;
  }
  mGrid->CommitEdit();
  ReadInputs();
  FrmSpecial dialog(mState, mPage, rTarget, row, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (rTarget == SpecialCallTarget::CodeRow) {
    ShowRow(row);
  } else {
    const std::size_t i = rTarget == SpecialCallTarget::PttIdBegin ? 0 : 1;
    mPttCode[i]->setText(QString::fromStdString(mPage.PttId[i].Code));
  }
}

void Frm5Tone::OpenToneTable() {
  Frm5ToneDefTS dialog(mState, mPage.Five, this);
  if (dialog.exec() == QDialog::Accepted) ShowToneTable(mLists[kFiveToneStandardList]->currentIndex());
}

void Frm5Tone::OnOk() {
  if (mTelling) return;  // leaving the own ID box is already pointing it out
  MessageService messages(this);
  const std::string id = mOwnId->text().toStdString();
  if (!IsOwnIdComplete(id)) {
    messages.Tell(LangMsg(mState, std::string_view(kOwnIdMessage)), MsgIcon::Warning);
    mOwnId->setFocus();
    return;
  }
  mGrid->CommitEdit();
  ReadInputs();
  if (id != mPage.Five.PageText.Display()) TakeOverOwnId(mState, mPage, id);
  if (ApplyFiveTonePage(mState, mPage, messages) != FiveToneApplyOutcome::Stored) return;
  accept();
}

}  // namespace px
