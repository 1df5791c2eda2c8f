#include "ui/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLocale>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include "app/bands.h"
#include "app/language.h"
#include "edit/startup.h"
#include "edit/channel_clipboard.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "link/image_file.h"
#include "platform/backups.h"
#include "ui/kit/guarded_command.h"
#include "platform/settings_store.h"
#include "ui/kit/apply_language.h"
#include "ui/kit/qt_translations.h"
#include "ui/kit/help_window.h"
#include "ui/main/channel_grid.h"
#include "ui/main/channel_edit_menu.h"
#include "ui/main/channel_workbench.h"
#include "ui/main/ctrl_alone.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_fleet.h"
#include "ui/main/frm_language.h"
#include "ui/main/page_catalogue.h"
#include "ui/main/page_tree.h"
#include "ui/print/frm_print.h"

namespace px {

namespace {

constexpr int kMinWindowSize = 200;  // 3000 twips
constexpr int kSplitterMargin = 2;   // 30 twips

constexpr OwnText kMenuEdit{"&Edit Channel...", "编辑信道(&E)..."};
constexpr OwnText kMenuCopy{"&Copy\tCtrl+C", "复制(&C)\tCtrl+C"};
constexpr OwnText kMenuCut{"Cu&t\tCtrl+X", "剪切(&T)\tCtrl+X"};
constexpr OwnText kMenuPaste{"&Paste\tCtrl+V", "粘贴(&P)\tCtrl+V"};
constexpr OwnText kMenuDelete{"&Delete", "删除(&D)"};
constexpr OwnText kStatusReady{"Ready", "就绪"};
constexpr OwnText kStatusNew{"New codeplug", "已新建写频数据"};
constexpr OwnText kStatusOpened{"Opened %1", "已打开 %1"};
constexpr OwnText kStatusImageOpened{"Opened the image %1 (not saved yet)", "已打开映像 %1（尚未保存）"};
constexpr OwnText kStatusSaved{"Saved %1", "已保存 %1"};
constexpr OwnText kStatusNotSaved{"Not saved", "未保存"};
constexpr OwnText kStatusInitialized{"Initialised to the defaults", "已初始化为默认值"};
constexpr OwnText kStatusRead{"Read from the radio", "已从对讲机读取"};
constexpr OwnText kStatusWritten{"Written to the radio", "已写入对讲机"};
constexpr OwnText kStatusEmbedded{"Embedded information read from the radio", "已从对讲机读取嵌入信息"};
constexpr OwnText kStatusReadFailed{"Read failed: %1", "读频失败：%1"};
constexpr OwnText kStatusWriteFailed{"Write failed: %1", "写频失败：%1"};
constexpr OwnText kStatusEmbeddedFailed{"Embedded information not read: %1", "未读取嵌入信息：%1"};
constexpr OwnText kStatusNotDone{"not done", "未完成"};

// The file name without its folder, as the status bar has room for.
QString FileNameOf(const std::string& rPath) { return QFileInfo(ToQ(rPath)).fileName(); }
constexpr OwnText kFeaturesNotSaved{
    "The signalling switches could not be saved to\n%1\nCheck that the program folder can be written; "
    "until then the next start shows the switches as they were before.",
    "无法保存信令开关到\n%1\n请检查程序文件夹是否可写；在此之前，下次启动将沿用以前的开关。"};



}  // namespace

FrmMain::FrmMain(AppState& rState, QWidget* rParent)
    : QMainWindow(rParent), mState(rState), mMessages(this) {
  setObjectName(QStringLiteral("frmMain"));
  setMinimumSize(kMinWindowSize, kMinWindowSize);
  mMenus = BuildMainMenus(this);
  new HelpKey(mState, this);

  mGrid = new ChannelGrid;
  mTree = new PageTree;
  mSplitter = new QSplitter(Qt::Horizontal);
  mSplitter->setObjectName(QStringLiteral("Splitter"));
  mSplitter->addWidget(mGrid);
  mSplitter->addWidget(mTree);
  mSplitter->setStretchFactor(0, 1);
  mSplitter->setStretchFactor(1, 0);
  mSplitter->setChildrenCollapsible(false);
  setCentralWidget(mSplitter);

  mStatusText = new QLabel;
  mStatusDate = new QLabel;
  mStatusTime = new QLabel;
  mStatusText->setObjectName(QStringLiteral("StatusText"));
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->addWidget(mStatusText, 1);
  statusBar()->addPermanentWidget(mStatusDate);
  statusBar()->addPermanentWidget(mStatusTime);
  auto* clock = new QTimer(this);
  connect(clock, &QTimer::timeout, this, &FrmMain::UpdateClock);
  clock->start(1000);
  UpdateClock();

  mWorkbench = new ChannelWorkbench(mState, this, mGrid, mMenus, mMessages, [this] { ShowListByData(); });
  mEditMenu = new ChannelEditMenu(mState, this, mGrid, mMenus, *mWorkbench, mMessages, [this] { ShowListByData(); });
  ConnectCommands();
  AddFleetCommand(mState, mRadio, mMenus.Program, this);

  // Load: the feature items, the language, the view marks, the contents.
  ShowFeatureItems();
  mMenus.ViewToolBar->setChecked(true);
  mMenus.ViewStatusBar->setChecked(true);
  ApplyWindowLanguage();
  mTreeWidth = std::max(mTree->sizeHint().width(), 170);
}

void FrmMain::ConnectCommands() {
  const MainMenus& m = mMenus;
  connect(m.New, &QAction::triggered, this, &FrmMain::NewFile);
  connect(m.Open, &QAction::triggered, this, &FrmMain::OpenFile);
  connect(m.OpenImage, &QAction::triggered, this, [this] {
    std::optional<std::string> path;
    RunGuarded(mState, mMessages, [&] { path = OpenImageCommand(mState, mMessages, BackupsFolder()); });
    if (path) {
      ShowListByData();
      const QString name = QFileInfo(ToQ(*path)).fileName();
      SetStatus([this, name] { return OwnQ(mState, kStatusImageOpened).arg(name); });
    }
    UpdateTitle();
  });
  connect(m.Save, &QAction::triggered, this, &FrmMain::SaveFile);
  connect(m.SaveAs, &QAction::triggered, this, &FrmMain::SaveFileAs);
  connect(m.Exit, &QAction::triggered, this, &QWidget::close);
  connect(m.ModelInfo, &QAction::triggered, this, [this] {
    bool changed = false;
    mWorkbench->Track(ChangeDescription::OfRows(ChangeKind::ModelLimits, {}),
                      [&] { changed = OpenModelDialog(mState, this); });
    if (changed) ShowListByData();
  });
  connect(m.Print, &QAction::triggered, this, [this] {
    FrmPrint dialog(mState, mRadio.Embedded, this);
    dialog.exec();
  });
  connect(m.EditChannel, &QAction::triggered, this, &FrmMain::EditCurrentChannel);
  connect(m.ComPort, &QAction::triggered, this, [this] { OpenComSetDialog(mState, mRadio, this); });
  connect(m.Language, &QAction::triggered, this, [this] {
    if (OpenLanguageDialog(mState, this)) ApplyWindowLanguage();
  });
  connect(m.Initialize, &QAction::triggered, this, &FrmMain::InitializeCodeplug);
  mRadio.ShowReadCodeplug = [this] { ShowListByData(); };
  connect(m.Read, &QAction::triggered, this, [this] {
    const bool read = RunReadCommand(mState, mRadio, this);
    if (read) {
      mWorkbench->ClearHistory();
      ShowListByData();
    }
    if (mRadio.LastStarted) ReportTransfer(kStatusRead, kStatusReadFailed);
    UpdateTitle();
  });
  connect(m.Write, &QAction::triggered, this, [this] {
    mRadio.VerifyAfterWrite = mWorkbench->VerifyAfterWrite();
    if (RunWriteCommand(mState, mRadio, this)) ShowListByData();
    if (mRadio.LastStarted) ReportTransfer(kStatusWritten, kStatusWriteFailed);
    UpdateTitle();
  });
  connect(m.Password, &QAction::triggered, this, [this] { OpenPasswordDialog(mState, mRadio, this); });
  connect(m.ViewToolBar, &QAction::toggled, m.ToolBar, &QWidget::setVisible);
  connect(m.ViewStatusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
  connect(m.HelpDtmf, &QAction::toggled, this,
          [this](bool rOn) { SetFeature(&FeatureFlags::DtmfEnabled, rOn); });
  connect(m.HelpTwoTone, &QAction::toggled, this,
          [this](bool rOn) { SetFeature(&FeatureFlags::TwoToneEnabled, rOn); });
  connect(m.HelpFiveTone, &QAction::toggled, this,
          [this](bool rOn) { SetFeature(&FeatureFlags::FiveToneEnabled, rOn); });
  connect(m.HelpContents, &QAction::triggered, this, &FrmMain::ShowHelpContents);
  connect(m.About, &QAction::triggered, this, [this] { OpenAboutDialog(mState, this); });

  for (const PageRow& page : PageCatalogue()) {
    if (page.MenuAction == nullptr) continue;
    QAction* item = m.*page.MenuAction;
    item->setEnabled(PageBuilt(page));
    connect(item, &QAction::triggered, this, [this, &page] { OpenPage(page); });
  }

  connect(mGrid, &ChannelGrid::EditRequested, this, &FrmMain::OpenEditor);
  connect(mGrid, &ChannelGrid::CtrlKeyPressed, this, &FrmMain::OnCtrlKey);
  connect(mGrid, &ChannelGrid::DeleteRequested, this, &FrmMain::OnDeleteRow);
  connect(new CtrlAloneWatcher(this), &CtrlAloneWatcher::CtrlAlone, this, &FrmMain::RevealFeatureItems);
  connect(mTree, &PageTree::PageChosen, this, &FrmMain::OnPageChosen);
  connect(mSplitter, &QSplitter::splitterMoved, this, [this](int rPos, int) {
    SizeControls(rPos, false);
  });
}

QString FrmMain::TitleText() const {
  return QStringLiteral("NR_6240[") + ToQ(ProductNameOf(mState.ModelString)) + QLatin1Char(':') +
         ToQ(mState.Band.Text) + QStringLiteral("][") + LangQ(mState, 2012) + QLatin1Char(':') +
         ToQ(mState.FilePath) + QLatin1Char(']');
}

void FrmMain::ShowListByData() {
  UpdateTitle();
  mGrid->ShowListByData(mState);
}

void FrmMain::UpdateTitle() {
  // Qt shows the placeholder as "*" while modified and drops it otherwise, so an
  // unmodified title reads exactly as built.
  setWindowTitle(TitleText() + QStringLiteral("[*]"));
  setWindowModified(IsModified(mState));
}

QString FrmMain::StatusText() const { return mStatusText->text(); }

void FrmMain::SetStatus(std::function<QString()> rText) {
  mStatusSource = std::move(rText);
  const QString text = mStatusSource();
  mStatusText->setText(text);
  mStatusText->setToolTip(text);
}

void FrmMain::ReportTransfer(const OwnText& rDone, const OwnText& rFailed) {
  const bool done = mRadio.LastSucceeded;
  const QString reason = ToQ(mRadio.LastMessage).section(QLatin1Char('\n'), 0, 0).trimmed();
  SetStatus([this, done, reason, &rDone, &rFailed] {
    if (done) return OwnQ(mState, rDone);
    return OwnQ(mState, rFailed).arg(reason.isEmpty() ? OwnQ(mState, kStatusNotDone) : reason);
  });
}

void FrmMain::LoadShowTree() { mTree->LoadShowTree(mState); }

void FrmMain::ReShowGrid(int rIndex, int rRow, int rCol) { mGrid->ReShowGrid(mState, rIndex, rRow, rCol); }

void FrmMain::ReShowFun() {
  for (const PageRow& page : PageCatalogue())
    if (page.MenuAction != nullptr) (mMenus.*page.MenuAction)->setVisible(PageOffered(page, mState));
  LoadShowTree();
}

void FrmMain::ApplyWindowLanguage() {
  ApplyQtLanguage(mState.LanguageIndex);
  ApplyLanguage(this, mState);
  ApplyOwnMenuTexts(mMenus, mState);
  if (mEditMenu) mEditMenu->UpdateTexts();
  if (auto* fleet = findChild<QAction*>(QStringLiteral("MnuProFleet"))) ApplyFleetCommandText(fleet, mState);
  if (!mStatusSource) mStatusSource = [this] { return OwnQ(mState, kStatusReady); };
  SetStatus(mStatusSource);
  UpdateClock();
  mGrid->setProperty("editText", OwnQ(mState, kMenuEdit));
  mGrid->setProperty("copyText", OwnQ(mState, kMenuCopy));
  mGrid->setProperty("cutText", OwnQ(mState, kMenuCut));
  mGrid->setProperty("pasteText", OwnQ(mState, kMenuPaste));
  mGrid->setProperty("deleteText", OwnQ(mState, kMenuDelete));
  ReShowFun();
  ShowListByData();
}

void FrmMain::ShowFeatureItems() {
  const bool revealed = mState.Features.FeatureItemsRevealed != 0;
  if (!revealed) {
    mState.Features.FiveToneEnabled = 0;
    mState.Features.TwoToneEnabled = 0;
    mState.Features.DtmfEnabled = 0;
    mState.Features.RadioOptionFlag = 0;
  }
  const struct {
    QAction* Item;
    std::int16_t Flag;
  } items[] = {{mMenus.HelpDtmf, mState.Features.DtmfEnabled},
               {mMenus.HelpTwoTone, mState.Features.TwoToneEnabled},
               {mMenus.HelpFiveTone, mState.Features.FiveToneEnabled}};
  for (const auto& entry : items) {
    const QSignalBlocker block(entry.Item);
    entry.Item->setChecked(entry.Flag != 0);
    entry.Item->setVisible(revealed);
  }
}

void FrmMain::RevealFeatureItems() {
  if (mState.Features.FeatureItemsRevealed != 0 && mMenus.HelpDtmf->isVisible()) return;
  mState.Features.FeatureItemsRevealed = 1;
  ShowFeatureItems();
}

void FrmMain::SetFeature(std::int16_t FeatureFlags::*rFlag, bool rOn) {
  mState.Features.*rFlag = rOn ? 1 : 0;
  ReShowFun();
}

void FrmMain::SizeControls(int rX, bool rFrmChange) {
  const int total = mSplitter->width();
  if (total <= 0) return;
  int x = rX;
  if (rFrmChange) x = total - mTreeWidth - mSplitter->handleWidth();
  // The grid keeps at least half the window, the tree a sliver.
  x = std::clamp(x, total / 2, std::max(total / 2, total - kSplitterMargin - 60));
  const QSignalBlocker block(mSplitter);
  mSplitter->setSizes({x, std::max(1, total - x - mSplitter->handleWidth())});
  if (!rFrmChange) mTreeWidth = mSplitter->sizes().value(1);
}

void FrmMain::resizeEvent(QResizeEvent* rEvent) {
  QMainWindow::resizeEvent(rEvent);
  SizeControls(0, true);
}

void FrmMain::NewFile() {
  if (NewCommand(mState, mMessages)) {
    mWorkbench->ClearHistory();
    ShowListByData();
    SetStatus([this] { return OwnQ(mState, kStatusNew); });
  }
  UpdateTitle();
}

void FrmMain::OpenFile() {
  // A failed open keeps the codeplug in memory; the grid only follows a success.
  bool opened = false;
  RunGuarded(mState, mMessages, [&] { opened = OpenCommand(mState, mMessages); });
  if (opened) {
    mWorkbench->ClearHistory();
    ShowListByData();
    ReportFileStatus(kStatusOpened);
  }
  UpdateTitle();
}

void FrmMain::SaveFile() {
  if (SaveCommand(mState, mMessages)) ReportFileStatus(kStatusSaved);
  else SetStatus([this] { return OwnQ(mState, kStatusNotSaved); });
  UpdateTitle();
}

void FrmMain::SaveFileAs() {
  if (SaveAsCommand(mState, mMessages)) ReportFileStatus(kStatusSaved);
  else SetStatus([this] { return OwnQ(mState, kStatusNotSaved); });
  UpdateTitle();
}

void FrmMain::ReportFileStatus(const OwnText& rText) {
  const QString name = FileNameOf(mState.FilePath);
  SetStatus([this, name, &rText] { return OwnQ(mState, rText).arg(name); });
}

void FrmMain::InitializeCodeplug() {
  bool changed = false;
  mWorkbench->Track(ChangeDescription::OfRows(ChangeKind::Initialize, {}), [&] {
    mState.Initializing = true;
    changed = NewCommand(mState, mMessages);
    mState.Initializing = false;
  });
  if (changed) {
    ShowListByData();
    SetStatus([this] { return OwnQ(mState, kStatusInitialized); });
  }
}

void FrmMain::EditCurrentChannel() {
  if (mGrid->currentRow() < 0) return;
  if (mGrid->CurrentGridRow() > 0 && mGrid->CurrentGridCol() > 0) OpenEditor(mGrid->CurrentGridRow());
}

void FrmMain::OpenEditor(int rRow) {
  if (rRow < 1 || rRow >= kGridRows) return;
  // Several selected channels open the editor on all of them.
  mEditMenu->EditRows(rRow);
  // The editor may have changed or removed the channel; its row is redrawn either way.
  ReShowGrid(0, rRow, 1);
}

void FrmMain::OnCtrlKey(char rKey, int rRow) { mWorkbench->HandleCtrlKey(rKey, rRow); }

void FrmMain::OnDeleteRow(int rRow) { mWorkbench->DeleteRows(rRow); }

void FrmMain::OnPageChosen(const QString& rKey) {
  if (const PageRow* page = PageByTreeKey(rKey)) OpenPage(*page);
}

void FrmMain::OpenPage(const PageRow& rPage) {
  switch (rPage.Kind) {
    case PageKind::Grid:
      mGrid->setFocus();
      return;
    case PageKind::RadioRead:
      ReadEmbeddedInfo();
      return;
    case PageKind::Dialog:
      // What a page changed reaches the grid, the tree and the title; the modified
      // state follows from the codeplug against its saved copy.
      // The page's change is one step of the undo history, named by the page.
      bool accepted = false;
      mWorkbench->Track(ChangeDescription::OfPage(FromQ(LangQ(mState, CoreOf(rPage).TreeTextId))),
                        [&] { accepted = ExecPageDialog(rPage, mState, this); });
      if (accepted) {
        ShowListByData();
        LoadShowTree();
      }
      return;
  }
}

void FrmMain::ReadEmbeddedInfo() {
  RunEmbeddedInfoCommand(mState, mRadio, this);
  if (mRadio.LastStarted) ReportTransfer(kStatusEmbedded, kStatusEmbeddedFailed);
}

void FrmMain::ShowHelpContents() { ShowHelp(mState, this, QStringLiteral("index")); }

void FrmMain::UpdateClock() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale = mState.LanguageIndex == kChinese ? QLocale(QLocale::Chinese, QLocale::China)
                                                          : QLocale(QLocale::English, QLocale::UnitedKingdom);
  mStatusDate->setText(locale.toString(now.date(), QLocale::ShortFormat));
  mStatusTime->setText(locale.toString(now.time(), QLocale::ShortFormat));
  // Every change of the codeplug shows in the title's marker within a second, whatever
  // made it.
  if (windowTitle().contains(QStringLiteral("[*]"))) setWindowModified(IsModified(mState));
}

bool FrmMain::ConfirmClose() {
  if (!NeedsSaveQuestion(mState)) return true;
  const MsgAnswer answer = mMessages.Ask(LangMsg(mState, 9001), MsgButtons::YesNoCancel, MsgIcon::Warning);
  if (answer == MsgAnswer::Cancel) return false;
  // Yes closes only when the codeplug really reached the disk.
  if (answer == MsgAnswer::Yes) return SaveCommand(mState, mMessages);
  return true;
}

void FrmMain::closeEvent(QCloseEvent* rEvent) {
  if (mClosed) {
    rEvent->accept();
    return;
  }
  if (!ConfirmClose()) {
    rEvent->ignore();
    return;
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible()) window->close();
  }
  if (!isMinimized()) SaveGeometry();
  if (!StopProgram(mState))
    mMessages.Tell(FromQ(OwnQ(mState, kFeaturesNotSaved).arg(ToQ(SettingsPath(mState, kFeatureFile)))), MsgIcon::Warning);
  mClosed = true;
  rEvent->accept();
}

void FrmMain::RestoreGeometry() {
  QSettings settings = UserSettings();
  settings.beginGroup(QStringLiteral("Settings"));
  const QRect available = screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
  // Without stored values: a comfortable size centred on the screen.
  const int width = std::min(available.width(), std::max(1000, available.width() * 9 / 10));
  const int height = std::min(available.height(), std::max(600, available.height() * 9 / 10));
  QRect rect(settings.value(QStringLiteral("MainLeft"), available.x() + (available.width() - width) / 2).toInt(),
             settings.value(QStringLiteral("MainTop"), available.y() + (available.height() - height) / 2).toInt(),
             settings.value(QStringLiteral("MainWidth"), width).toInt(),
             settings.value(QStringLiteral("MainHeight"), height).toInt());
  rect.setWidth(std::clamp(rect.width(), kMinWindowSize, std::max(kMinWindowSize, available.width())));
  rect.setHeight(std::clamp(rect.height(), kMinWindowSize, std::max(kMinWindowSize, available.height())));
  // A window stored on a screen that is gone comes back onto this one.
  if (!available.intersects(rect)) rect.moveTopLeft(available.topLeft());
  resize(rect.size());
  move(rect.topLeft());
}

void FrmMain::SaveGeometry() {
  QSettings settings = UserSettings();
  settings.beginGroup(QStringLiteral("Settings"));
  settings.setValue(QStringLiteral("MainLeft"), QString::number(x()));
  settings.setValue(QStringLiteral("MainTop"), QString::number(y()));
  settings.setValue(QStringLiteral("MainWidth"), QString::number(width()));
  settings.setValue(QStringLiteral("MainHeight"), QString::number(height()));
}

}  // namespace px
