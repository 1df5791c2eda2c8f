#include "ui/signalling/frm_commu_book.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/kit/guarded_command.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/code_grid.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/message_service.h"

namespace px {
namespace {

constexpr int kTextCaption = 1800;
constexpr int kTextImport = 1802;
constexpr int kTextExport = 1803;
constexpr int kVisibleRows = 16;

KeyRule BookKeyRule(int rColumn) {
  return [rColumn](char rChar) {
    const int passed = FilterBookKey(rColumn, static_cast<unsigned char>(rChar));
    return passed < 0 ? '\0' : static_cast<char>(passed);
  };
}

// 500, 1000 and 1500 twips, widened a little so that the Chinese headers fit.
std::vector<CodeGridColumn> BookColumns() {
  std::vector<CodeGridColumn> columns(kBookColumns);
  columns[kBookColPosition].Width = 48;
  for (int c : {kBookColCallId, kBookColName}) {
    columns[c].Kind = CodeGridColumn::Editor::Text;
    columns[c].MaxLength = BookCellMaxLength(c);
    columns[c].Rule = BookKeyRule(c);
  }
  columns[kBookColCallId].Width = 80;
  columns[kBookColName].Width = 112;
  return columns;
}

QPushButton* NewButton(QWidget* rParent, const char* rName, int rTextId) {
  auto* button = new QPushButton(rParent);
  button->setObjectName(QString::fromLatin1(rName));
  button->setAutoDefault(false);
  if (rTextId > 0) SetTextId(button, rTextId);
  return button;
}

}  // namespace

FrmCommuBook::FrmCommuBook(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mWork(OpenBookWork(rState)) {
  setObjectName(QStringLiteral("FrmCommuBook"));
  SetTextId(this, kTextCaption);

  mGrid = new CodeGrid("MSFlexGrid1", kBookEntries, BookColumns(), this);
  QStringList headers;
  for (const std::string& text : BookHeaderTexts(rState)) headers << ToQ(text);
  mGrid->SetHeaders(headers);
  mGrid->setAlternatingRowColors(true);
  mGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  mGrid->setFixedSize(mGrid->SizeFor(kVisibleRows));
  mGrid->SetCommit([this](GridCell rCell, const QString& rText) {
    const std::string shown = CommitBookCell(mWork.Entries, rCell.Row, rCell.Column, FixedFromQ(rText));
    mGrid->SetCellText(rCell.Row, rCell.Column, FixedQ(shown));
  });

  auto* import = NewButton(this, "CommandInput", kTextImport);
  auto* exportButton = NewButton(this, "CommandOutput", kTextExport);
  auto* ok = NewButton(this, "CommandOK", 0);
  auto* cancel = NewButton(this, "CommandCancel", 0);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(import);
  buttons->addWidget(exportButton);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* top = new QHBoxLayout(this);
  top->addWidget(mGrid);
  top->addLayout(buttons);
  top->setSizeConstraint(QLayout::SetFixedSize);

  ShowBookData();
  connect(import, &QPushButton::clicked, this, &FrmCommuBook::Import);
  connect(exportButton, &QPushButton::clicked, this, &FrmCommuBook::Export);
  connect(ok, &QPushButton::clicked, this, &FrmCommuBook::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguage(this, rState);
}

void FrmCommuBook::ShowBookData() {
  const auto rows = px::ShowBookData(mWork.Entries);
  for (int r = 0; r < kBookEntries; ++r) {
    const BookRowTexts& row = rows[static_cast<std::size_t>(r)];
    mGrid->SetCellText(r, kBookColPosition, FixedQ(row.Position));
    mGrid->SetCellText(r, kBookColCallId, FixedQ(row.CallId));
    mGrid->SetCellText(r, kBookColName, FixedQ(row.Name));
  }
}

void FrmCommuBook::Import() {
  // An open editor would write its old text over the imported entry when it closes.
  mGrid->CommitEdit();
  MessageService messages(this);
  bool imported = false;
  RunGuarded(mState, messages, [&] { imported = ImportBookFile(mState, mWork, messages); });
  if (imported) ShowBookData();
}

void FrmCommuBook::Export() {
  mGrid->CommitEdit();
  MessageService messages(this);
  ExportBookFile(mState, mWork, messages);
}

void FrmCommuBook::Confirm() {
  mGrid->CommitEdit();
  ApplyBookWork(mState, mWork);
  accept();
}

}  // namespace px
