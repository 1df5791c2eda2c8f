#include "ui/signalling/frm_commu_book.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/kit/apply_language.h"
#include "ui/kit/message_service.h"

namespace px {
namespace {

constexpr int kTextCaption = 1800;
constexpr int kTextImport = 1802;
constexpr int kTextExport = 1803;
// 500, 1000 and 1500 twips, widened a little so that the Chinese headers fit.
constexpr int kColumnWidths[kBookColumns] = {48, 80, 112};

// Stored bytes shown one to one.
QString Shown(const std::string& rBytes) {
  return QString::fromLatin1(rBytes.data(), static_cast<qsizetype>(rBytes.size()));
}

QPushButton* NewButton(QWidget* rParent, const char* rName, int rTextId) {
  auto* button = new QPushButton(rParent);
  button->setObjectName(QString::fromLatin1(rName));
  button->setAutoDefault(false);
  if (rTextId > 0) SetTextId(button, rTextId);
  return button;
}

void MoveFocusOn(QWidget* rFrom) {
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(rFrom, &tab);
}

}  // namespace

FrmCommuBook::FrmCommuBook(AppState& rState, QWidget* rParent)
    : QDialog(rParent), mState(rState), mWork(OpenBookWork(rState)) {
  setObjectName(QStringLiteral("FrmCommuBook"));
  SetTextId(this, kTextCaption);

  mGrid = new QTableWidget(kBookEntries, kBookColumns, this);
  mGrid->setObjectName(QStringLiteral("MSFlexGrid1"));
  mGrid->verticalHeader()->hide();
  mGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  mGrid->setAlternatingRowColors(true);
  QStringList headers;
  for (const std::string& text : BookHeaderTexts(rState)) headers << ToQ(text);
  mGrid->setHorizontalHeaderLabels(headers);
  mGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  mGrid->verticalHeader()->setDefaultSectionSize(mGrid->fontMetrics().height() + 6);
  int width = 0;
  for (int c = 0; c < kBookColumns; ++c) {
    mGrid->setColumnWidth(c, kColumnWidths[c]);
    width += kColumnWidths[c];
  }
  mGrid->setFixedWidth(width + mGrid->verticalScrollBar()->sizeHint().width() + 2 * mGrid->frameWidth());
  mGrid->setMinimumHeight(16 * mGrid->verticalHeader()->defaultSectionSize());
  mGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  mEditor = new QLineEdit(mGrid->viewport());
  mEditor->setObjectName(QStringLiteral("Text1"));
  mEditor->setAlignment(Qt::AlignCenter);
  mEditor->setContextMenuPolicy(Qt::NoContextMenu);
  mEditor->installEventFilter(this);
  mEditor->hide();

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

  ShowBookData();
  connect(mGrid, &QTableWidget::currentCellChanged, this,
          [this](int rRow, int rColumn, int, int) { EnterCell(rRow, rColumn); });
  connect(mGrid, &QTableWidget::cellClicked, this, &FrmCommuBook::EnterCell);
  connect(mGrid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceEditor(); });
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
    const QString texts[kBookColumns] = {Shown(row.Position), Shown(row.CallId), Shown(row.Name)};
    for (int c = 0; c < kBookColumns; ++c) {
      QTableWidgetItem* item = mGrid->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        mGrid->setItem(r, c, item);
      }
      item->setText(texts[c]);
    }
  }
  if (mEditRow >= 0) mEditor->setText(mGrid->item(mEditRow, mEditColumn)->text());
}

void FrmCommuBook::EnterCell(int rRow, int rColumn) {
  if (rRow == mEditRow && rColumn == mEditColumn && mEditor->isVisible()) return;
  CommitCell();
  mEditor->hide();
  mEditRow = -1;
  const int length = BookCellMaxLength(rColumn);
  if (rRow < 0 || rRow >= kBookEntries || length == 0) return;
  mEditRow = rRow;
  mEditColumn = rColumn;
  mEditor->setMaxLength(length);
  mEditor->setText(mGrid->item(rRow, rColumn)->text());
  PlaceEditor();
  mEditor->show();
  mEditor->setFocus();
  QTimer::singleShot(0, mEditor, [this] { mEditor->selectAll(); });
}

void FrmCommuBook::PlaceEditor() {
  if (mEditRow < 0) return;
  mEditor->setGeometry(mGrid->visualItemRect(mGrid->item(mEditRow, mEditColumn)));
}

void FrmCommuBook::CommitCell() {
  if (mEditRow < 0) return;
  const QByteArray bytes = mEditor->text().toLatin1();
  const std::string shown = CommitBookCell(mWork.Entries, mEditRow, mEditColumn, bytes.toStdString());
  mGrid->item(mEditRow, mEditColumn)->setText(Shown(shown));
}

bool FrmCommuBook::eventFilter(QObject* rWatched, QEvent* rEvent) {
  if (rWatched != mEditor || rEvent->type() != QEvent::KeyPress) return QDialog::eventFilter(rWatched, rEvent);
  auto* key = static_cast<QKeyEvent*>(rEvent);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    MoveFocusOn(mEditor);
    return true;
  }
  if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
      key->matches(QKeySequence::Cut))
    return true;
  const QString text = key->text();
  if (text.isEmpty()) return false;  // arrows, Home, End
  const int code = text.at(0).unicode();
  const int passed = FilterBookKey(mEditColumn, code > 255 ? 255 : code);
  if (passed < 0) return true;
  if (passed == code) return false;
  mEditor->insert(QString(QChar(passed)));
  return true;
}

void FrmCommuBook::Import() {
  MessageService messages(this);
  if (ImportBookFile(mState, mWork, messages)) ShowBookData();
}

void FrmCommuBook::Export() {
  CommitCell();
  MessageService messages(this);
  ExportBookFile(mState, mWork, messages);
}

void FrmCommuBook::Confirm() {
  CommitCell();
  ApplyBookWork(mState, mWork);
  accept();
}

}  // namespace px
