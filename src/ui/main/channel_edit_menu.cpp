#include "ui/main/channel_edit_menu.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/language.h"
#include "app/user_interface.h"
#include "edit/undo_history.h"
#include "ui/kit/apply_language.h"
#include "ui/main/channel_grid.h"
#include "ui/main/channel_workbench.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/main_menus.h"

namespace px {

namespace {

struct ItemText {
  const char* Name;
  OwnText Text;
};

constexpr ItemText kItems[] = {
    {"MnuEditCut", {"Cu&t", "剪切(&T)"}},
    {"MnuEditCopy", {"&Copy", "复制(&C)"}},
    {"MnuEditPaste", {"&Paste", "粘贴(&P)"}},
    {"MnuEditDelete", {"&Delete", "删除(&D)"}},
    {"MnuEditRemove", {"&Remove Rows", "移除行(&R)"}},
    {"MnuEditSelectAll", {"Select &All", "全选(&A)"}},
    {"MnuEditMoveUp", {"Move &Up", "上移(&U)"}},
    {"MnuEditMoveDown", {"Move Do&wn", "下移(&W)"}},
    {"MnuEditInsert", {"&Insert Rows", "插入行(&I)"}},
    {"MnuEditSortRx", {"By &Receive Frequency", "按接收频率(&R)"}},
    {"MnuEditSortName", {"By &Name", "按名称(&N)"}},
    {"MnuEditFind", {"&Find...", "查找(&F)..."}},
};
constexpr OwnText kSortText{"&Sort Channels", "信道排序(&S)"};
constexpr OwnText kFindTitle{"Find Channel", "查找信道"};
constexpr OwnText kFindLabel{"Name or receive frequency:", "名称或接收频率："};
constexpr OwnText kFindNext{"Find &Next", "查找下一个(&N)"};
constexpr OwnText kClose{"Close", "关闭"};
constexpr OwnText kNotFound{"No channel matches \"%1\".", "没有与 \"%1\" 相符的信道。"};

}  // namespace

ChannelEditMenu::ChannelEditMenu(AppState& rState, QWidget* rWindow, ChannelGrid* rGrid, const MainMenus& rMenus,
                                 ChannelWorkbench& rWorkbench, UserInterface& rUi, std::function<void()> rRedraw)
    : QObject(rWindow), mState(rState), mWindow(rWindow), mGrid(rGrid), mWorkbench(rWorkbench), mUi(rUi),
      mRedraw(std::move(rRedraw)) {
  // The grid's items sit above the page items; their shortcuts act while the grid has
  // the focus, so typing in another box of the window keeps its own Ctrl+C and Delete.
  auto* menu = new QMenu(rWindow);
  QAction* first = rMenus.EditChannel;
  auto add = [&](const char* rName, const QKeySequence& rKey) {
    QAction* action = Add(menu, rName, rKey);
    rMenus.Edit->insertAction(first, action);
    return action;
  };
  QAction* cut = add("MnuEditCut", QKeySequence(Qt::CTRL | Qt::Key_X));
  QAction* copy = add("MnuEditCopy", QKeySequence(Qt::CTRL | Qt::Key_C));
  QAction* paste = add("MnuEditPaste", QKeySequence(Qt::CTRL | Qt::Key_V));
  QAction* erase = add("MnuEditDelete", QKeySequence(Qt::Key_Delete));
  QAction* remove = add("MnuEditRemove", QKeySequence(Qt::CTRL | Qt::Key_Delete));
  QAction* all = add("MnuEditSelectAll", QKeySequence(Qt::CTRL | Qt::Key_A));
  rMenus.Edit->insertSeparator(first);
  QAction* up = add("MnuEditMoveUp", QKeySequence(Qt::ALT | Qt::Key_Up));
  QAction* down = add("MnuEditMoveDown", QKeySequence(Qt::ALT | Qt::Key_Down));
  QAction* insert = add("MnuEditInsert", QKeySequence(Qt::Key_Insert));
  mSortMenu = new QMenu(rWindow);
  mSortMenu->setObjectName(QStringLiteral("MnuEditSort"));
  mSortMenu->menuAction()->setObjectName(QStringLiteral("MnuEditSort"));
  rMenus.Edit->insertMenu(first, mSortMenu);
  QAction* byRx = Add(mSortMenu, "MnuEditSortRx", {});
  QAction* byName = Add(mSortMenu, "MnuEditSortName", {});
  QAction* find = add("MnuEditFind", QKeySequence(Qt::CTRL | Qt::Key_F));
  find->setShortcutContext(Qt::WindowShortcut);
  rMenus.Edit->insertSeparator(first);

  const auto row = [this] { return mGrid->currentRow() >= 0 ? mGrid->CurrentGridRow() : 0; };
  connect(cut, &QAction::triggered, this, [this, row] { if (row() > 0) mWorkbench.HandleCtrlKey('X', row()); });
  connect(copy, &QAction::triggered, this, [this, row] { if (row() > 0) mWorkbench.HandleCtrlKey('C', row()); });
  connect(paste, &QAction::triggered, this, [this, row] { if (row() > 0) mWorkbench.HandleCtrlKey('V', row()); });
  connect(erase, &QAction::triggered, this, [this, row] { if (row() > 0) mWorkbench.DeleteRows(row()); });
  connect(remove, &QAction::triggered, this, &ChannelEditMenu::Remove);
  connect(all, &QAction::triggered, mGrid, &QAbstractItemView::selectAll);
  connect(up, &QAction::triggered, this, [this] { MoveBy(-1); });
  connect(down, &QAction::triggered, this, [this] { MoveBy(+1); });
  connect(insert, &QAction::triggered, this, &ChannelEditMenu::Insert);
  connect(byRx, &QAction::triggered, this, [this] { Sort(SortKey::RxFrequency); });
  connect(byName, &QAction::triggered, this, [this] { Sort(SortKey::Name); });
  connect(find, &QAction::triggered, this, &ChannelEditMenu::ShowFind);
  connect(mGrid, &ChannelGrid::RowsDropped, this, &ChannelEditMenu::MoveTo);
  connect(rMenus.Edit, &QMenu::aboutToShow, this, &ChannelEditMenu::UpdateTexts);
  UpdateTexts();
}

QAction* ChannelEditMenu::Add(QMenu* rMenu, const char* rName, const QKeySequence& rShortcut) {
  QAction* action = rMenu->addAction(QString::fromLatin1(rName));
  action->setObjectName(QString::fromLatin1(rName));
  if (!rShortcut.isEmpty()) {
    action->setShortcut(rShortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    mGrid->addAction(action);
  }
  mActions << action;
  return action;
}

QAction* ChannelEditMenu::Action(const char* rName) const {
  for (QAction* action : mActions)
    if (action->objectName() == QLatin1String(rName)) return action;
  return nullptr;
}

void ChannelEditMenu::UpdateTexts() {
  for (const ItemText& item : kItems)
    if (QAction* action = Action(item.Name)) action->setText(OwnQ(mState, item.Text));
  mSortMenu->setTitle(OwnQ(mState, kSortText));
}

std::vector<int> ChannelEditMenu::SelectedMemoryRows() const {
  std::vector<int> rows;
  if (mGrid->currentRow() < 0) return rows;
  for (const int row : mWorkbench.SelectedRows(mGrid->CurrentGridRow()))
    if (IsMemoryChannel(row)) rows.push_back(row);
  return rows;
}

void ChannelEditMenu::ShowRows(const std::vector<int>& rRows) {
  mRedraw();
  if (rRows.empty()) return;
  mGrid->SetCurrentCell(rRows.front(), std::max(1, mGrid->CurrentGridCol()));
  QItemSelectionModel* selection = mGrid->selectionModel();
  for (const int row : rRows)
    selection->select(mGrid->model()->index(row - 1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  mGrid->scrollTo(mGrid->model()->index(rRows.front() - 1, 0));
}

namespace {

// Runs rOperation as one step of the history, named by the rows it reports.
template <class F>
ChannelOpResult Tracked(AppState& rState, ChannelWorkbench& rWorkbench, ChangeKind rKind, F&& rOperation) {
  const CodeplugSnapshot before = TakeSnapshot(rState);
  ChannelOpResult result = rOperation();
  if (result.Refusal.empty()) rWorkbench.RecordChange(before, ChangeDescription::OfRows(rKind, result.Rows));
  return result;
}

}  // namespace

void ChannelEditMenu::MoveBy(int rDelta) {
  const std::vector<int> rows = SelectedMemoryRows();
  if (rows.empty()) return;
  const ChannelOpResult result =
      Tracked(mState, mWorkbench, ChangeKind::Move, [&] { return MoveChannelsBy(mState, rows, rDelta); });
  if (!result.Refusal.empty()) {
    QApplication::beep();  // at the top or bottom already: nothing to say
    return;
  }
  ShowRows(result.Rows);
}

void ChannelEditMenu::MoveTo(const QList<int>& rRows, int rTarget) {
  std::vector<int> rows;
  for (const int row : rRows)
    if (IsMemoryChannel(row)) rows.push_back(row);
  if (rows.empty() || !IsMemoryChannel(rTarget)) return;
  const ChannelOpResult result =
      Tracked(mState, mWorkbench, ChangeKind::Move, [&] { return MoveChannelsTo(mState, rows, rTarget); });
  if (!result.Refusal.empty()) {
    mUi.Tell(result.Refusal, MsgIcon::Warning);
    return;
  }
  ShowRows(result.Rows);
}

void ChannelEditMenu::Insert() {
  const std::vector<int> rows = SelectedMemoryRows();
  if (rows.empty()) return;
  // As many empty rows as are selected, at the first of them.
  const int count = static_cast<int>(rows.size());
  const ChannelOpResult result =
      Tracked(mState, mWorkbench, ChangeKind::Insert, [&] { return InsertRows(mState, rows.front(), count); });
  if (!result.Refusal.empty()) {
    mUi.Tell(result.Refusal, MsgIcon::Warning);
    return;
  }
  ShowRows(result.Rows);
}

void ChannelEditMenu::Remove() {
  const std::vector<int> rows = SelectedMemoryRows();
  if (rows.empty()) return;
  const int channels = CountChannelsIn(mState, rows);
  if (channels > 0 && mUi.Ask(ConfirmRemoveText(mState, rows.size(), channels), MsgButtons::YesNo,
                              MsgIcon::Question) != MsgAnswer::Yes)
    return;
  const ChannelOpResult result = Tracked(mState, mWorkbench, ChangeKind::Remove, [&] {
    ChannelOpResult removed = RemoveRows(mState, rows);
    removed.Rows = rows;  // named in the history by what was removed
    return removed;
  });
  if (!result.Refusal.empty()) {
    mUi.Tell(result.Refusal, MsgIcon::Warning);
    return;
  }
  ShowRows({rows.front()});
}

void ChannelEditMenu::Sort(SortKey rKey) {
  Tracked(mState, mWorkbench, ChangeKind::Sort, [&] {
    ChannelOpResult sorted = SortChannels(mState, rKey);
    sorted.Rows.clear();
    return sorted;
  });
  ShowRows({1});
}

bool ChannelEditMenu::FindNext(const std::string& rText) {
  const int after = mGrid->currentRow() >= 0 && IsMemoryChannel(mGrid->CurrentGridRow()) ? mGrid->CurrentGridRow() : 0;
  const int row = FindChannel(mState, rText, after);
  if (row == 0) return false;
  mGrid->SetCurrentCell(row, std::max(1, mGrid->CurrentGridCol()));
  mGrid->scrollTo(mGrid->model()->index(row - 1, 0));
  return true;
}

void ChannelEditMenu::ShowFind() {
  if (!mFind) {
    mFind = new QDialog(mWindow);
    mFind->setObjectName(QStringLiteral("FrmFind"));
    auto* label = new QLabel(mFind);
    label->setObjectName(QStringLiteral("FindLabel"));
    auto* text = new QLineEdit(mFind);
    text->setObjectName(QStringLiteral("FindText"));
    auto* status = new QLabel(mFind);
    status->setObjectName(QStringLiteral("FindStatus"));
    auto* next = new QPushButton(mFind);
    next->setObjectName(QStringLiteral("FindNext"));
    next->setDefault(true);
    auto* close = new QPushButton(mFind);
    close->setObjectName(QStringLiteral("FindClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(mFind);
    layout->addWidget(label);
    layout->addWidget(text);
    layout->addWidget(status);
    layout->addLayout(buttons);
    connect(next, &QPushButton::clicked, this, [this, text, status] {
      const std::string wanted = FromQ(text->text());
      status->setText(FindNext(wanted) ? QString() : OwnQ(mState, kNotFound).arg(text->text()));
    });
    connect(close, &QPushButton::clicked, mFind, &QDialog::hide);
  }
  // Texts follow the language of the moment.
  mFind->setWindowTitle(OwnQ(mState, kFindTitle));
  mFind->findChild<QLabel*>(QStringLiteral("FindLabel"))->setText(OwnQ(mState, kFindLabel));
  mFind->findChild<QPushButton*>(QStringLiteral("FindNext"))->setText(OwnQ(mState, kFindNext));
  mFind->findChild<QPushButton*>(QStringLiteral("FindClose"))->setText(OwnQ(mState, kClose));
  mFind->findChild<QLabel*>(QStringLiteral("FindStatus"))->clear();
  mFind->show();
  mFind->raise();
  mFind->activateWindow();
  auto* text = mFind->findChild<QLineEdit*>(QStringLiteral("FindText"));
  text->setFocus();
  text->selectAll();
}

bool ChannelEditMenu::EditRows(int rRow) {
  std::vector<int> rows;
  if (mGrid->currentRow() >= 0) rows = mWorkbench.SelectedRows(rRow);
  std::vector<int> memory;
  for (const int row : rows)
    if (IsMemoryChannel(row) && CountChannelsIn(mState, {row}) > 0) memory.push_back(row);
  if (rows.size() < 2 || memory.size() < 2 || std::find(memory.begin(), memory.end(), rRow) == memory.end()) {
    bool changed = false;
    mWorkbench.Track(ChangeDescription::OfRows(ChangeKind::EditChannel, {rRow}),
                     [&] { changed = OpenChannelEditor(mState, rRow, mWindow); });
    return changed;
  }
  bool changed = false;
  mWorkbench.Track(ChangeDescription::OfRows(ChangeKind::EditChannel, memory),
                   [&] { changed = OpenChannelsEditor(mState, memory, mWindow); });
  mRedraw();
  return changed;
}

}  // namespace px
