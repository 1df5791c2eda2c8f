#include "ui/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLocale>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

#include "app/bands.h"
#include "app/language.h"
#include "edit/startup.h"
#include "edit/channel_clipboard.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "ui/kit/apply_language.h"
#include "ui/main/channel_grid.h"
#include "ui/main/channel_workbench.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_language.h"
#include "ui/main/page_tree.h"

namespace px {

namespace {

constexpr int kMinWindowSize = 200;  // 3000 twips
constexpr int kSplitterMargin = 2;   // 30 twips

constexpr OwnText kMenuEdit{"&Edit Channel...", "编辑信道(&E)..."};
constexpr OwnText kMenuCopy{"&Copy\tCtrl+C", "复制(&C)\tCtrl+C"};
constexpr OwnText kMenuCut{"Cu&t\tCtrl+X", "剪切(&T)\tCtrl+X"};
constexpr OwnText kMenuPaste{"&Paste\tCtrl+V", "粘贴(&P)\tCtrl+V"};
constexpr OwnText kMenuDelete{"&Delete", "删除(&D)"};
constexpr OwnText kStatusText{"Status", "Status"};
constexpr OwnText kFeaturesNotSaved{
    "The signalling switches could not be saved to\n%1\nCheck that the program folder can be written; "
    "until then the next start shows the switches as they were before.",
    "无法保存信令开关到\n%1\n请检查程序文件夹是否可写；在此之前，下次启动将沿用以前的开关。"};
constexpr OwnText kNoHelp{"The help file is not available:\n%1", "帮助文件不可用：\n%1"};


const char* const kSettingsOrganization = "px4800-cps";
const char* const kSettingsApplication = "NR_6240";

}  // namespace

FrmMain::FrmMain(AppState& rState, QWidget* rParent)
    : QMainWindow(rParent), mState(rState), mMessages(this) {
  setObjectName(QStringLiteral("frmMain"));
  setMinimumSize(kMinWindowSize, kMinWindowSize);
  mMenus = BuildMainMenus(this);

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
  ConnectCommands();

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
  connect(m.Save, &QAction::triggered, this, &FrmMain::SaveFile);
  connect(m.SaveAs, &QAction::triggered, this, &FrmMain::SaveFileAs);
  connect(m.Exit, &QAction::triggered, this, &QWidget::close);
  connect(m.ModelInfo, &QAction::triggered, this, [this] {
    bool changed = false;
    mWorkbench->Track(ChangeDescription::OfRows(ChangeKind::ModelLimits, {}),
                      [&] { changed = OpenModelDialog(mState, this); });
    if (changed) ShowListByData();
  });
  connect(m.EditChannel, &QAction::triggered, this, &FrmMain::EditCurrentChannel);
  connect(m.EditEmbedded, &QAction::triggered, this,
          [this] { RunEmbeddedInfoCommand(mState, mRadio, this); });
  connect(m.ComPort, &QAction::triggered, this, [this] { OpenComSetDialog(mState, mRadio, this); });
  connect(m.Language, &QAction::triggered, this, [this] {
    if (OpenLanguageDialog(mState, this)) ApplyWindowLanguage();
  });
  connect(m.Initialize, &QAction::triggered, this, &FrmMain::InitializeCodeplug);
  connect(m.Read, &QAction::triggered, this, [this] {
    if (!RunReadCommand(mState, mRadio, this)) return;
    mWorkbench->ClearHistory();
    ShowListByData();
  });
  connect(m.Write, &QAction::triggered, this, [this] {
    mRadio.VerifyAfterWrite = mWorkbench->VerifyAfterWrite();
    if (RunWriteCommand(mState, mRadio, this)) ShowListByData();
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

  // Pages whose dialogs this program does not have yet.
  for (QAction* later : {m.Print, m.EditOptions, m.EditDtmf, m.EditTwoTone, m.EditFiveTone,
                         m.EditScan, m.EditAlert, m.EditKeys, m.EditBook}) {
    later->setEnabled(false);
  }

  connect(mGrid, &ChannelGrid::EditRequested, this, &FrmMain::OpenEditor);
  connect(mGrid, &ChannelGrid::CtrlKeyPressed, this, &FrmMain::OnCtrlKey);
  connect(mGrid, &ChannelGrid::CtrlAlonePressed, this, &FrmMain::RevealFeatureItems);
  connect(mGrid, &ChannelGrid::DeleteRequested, this, &FrmMain::OnDeleteRow);
  connect(mTree, &PageTree::CtrlAlonePressed, this, &FrmMain::RevealFeatureItems);
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
  setWindowTitle(TitleText());
  mGrid->ShowListByData(mState);
}

void FrmMain::LoadShowTree() { mTree->LoadShowTree(mState, AvailablePages()); }

void FrmMain::ReShowGrid(int rIndex, int rRow, int rCol) { mGrid->ReShowGrid(mState, rIndex, rRow, rCol); }

void FrmMain::ReShowFun() {
  mMenus.EditDtmf->setVisible(mState.Features.DtmfEnabled != 0);
  mMenus.EditTwoTone->setVisible(mState.Features.TwoToneEnabled != 0);
  mMenus.EditFiveTone->setVisible(mState.Features.FiveToneEnabled != 0);
  LoadShowTree();
}

QStringList FrmMain::AvailablePages() const { return {QStringLiteral("N1"), QStringLiteral("N9")}; }

void FrmMain::ApplyWindowLanguage() {
  ApplyLanguage(this, mState);
  mStatusText->setText(OwnQ(mState, kStatusText));
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
  }
  setWindowTitle(TitleText());
}

void FrmMain::OpenFile() {
  // A failed open keeps the codeplug in memory; the grid only follows a success.
  if (OpenCommand(mState, mMessages)) {
    mWorkbench->ClearHistory();
    ShowListByData();
  }
  setWindowTitle(TitleText());
}

void FrmMain::SaveFile() {
  SaveCommand(mState, mMessages);
  setWindowTitle(TitleText());
}

void FrmMain::SaveFileAs() {
  SaveAsCommand(mState, mMessages);
  setWindowTitle(TitleText());
}

void FrmMain::InitializeCodeplug() {
  bool changed = false;
  mWorkbench->Track(ChangeDescription::OfRows(ChangeKind::Initialize, {}), [&] {
    mState.Initializing = true;
    changed = NewCommand(mState, mMessages);
    mState.Initializing = false;
  });
  if (changed) ShowListByData();
}

void FrmMain::EditCurrentChannel() {
  if (mGrid->currentRow() < 0) return;
  if (mGrid->CurrentGridRow() > 0 && mGrid->CurrentGridCol() > 0) OpenEditor(mGrid->CurrentGridRow());
}

void FrmMain::OpenEditor(int rRow) {
  if (rRow < 1 || rRow >= kGridRows) return;
  mWorkbench->Track(ChangeDescription::OfRows(ChangeKind::EditChannel, {rRow}),
                    [&] { OpenChannelEditor(mState, rRow, this); });
  // The editor may have changed or removed the channel; its row is redrawn either way.
  ReShowGrid(0, rRow, 1);
}

void FrmMain::OnCtrlKey(char rKey, int rRow) { mWorkbench->HandleCtrlKey(rKey, rRow); }

void FrmMain::OnDeleteRow(int rRow) { mWorkbench->DeleteRows(rRow); }

void FrmMain::OnPageChosen(const QString& rKey) {
  if (rKey == QLatin1String("N1")) {
    mGrid->setFocus();
  } else if (rKey == QLatin1String("N9")) {
    RunEmbeddedInfoCommand(mState, mRadio, this);
  }
}

void FrmMain::ShowHelpContents() {
  const std::string name = mState.LanguageIndex == kChinese ? "NR_6240C.chm" : "NR_6240E.chm";
  const QString path = ToQ(ProgramPath(mState, name));
  if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
  mMessages.Tell(FromQ(OwnQ(mState, kNoHelp).arg(path)), MsgIcon::Information);
}

void FrmMain::UpdateClock() {
  const QDateTime now = QDateTime::currentDateTime();
  mStatusDate->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
  mStatusTime->setText(QLocale::system().toString(now.time(), QLocale::ShortFormat));
}

void FrmMain::keyPressEvent(QKeyEvent* rEvent) {
  if (rEvent->key() == Qt::Key_Control &&
      (rEvent->modifiers() & (Qt::ShiftModifier | Qt::AltModifier)) == 0) {
    RevealFeatureItems();
  }
  QMainWindow::keyPressEvent(rEvent);
}

bool FrmMain::ConfirmClose() {
  if (!IsModified(mState)) return true;
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
    mMessages.Tell(FromQ(OwnQ(mState, kFeaturesNotSaved).arg(ToQ(ProgramPath(mState, kFeatureFile)))), MsgIcon::Warning);
  mClosed = true;
  rEvent->accept();
}

void FrmMain::RestoreGeometry() {
  QSettings settings(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(kSettingsApplication));
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
  QSettings settings(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(kSettingsApplication));
  settings.beginGroup(QStringLiteral("Settings"));
  settings.setValue(QStringLiteral("MainLeft"), QString::number(x()));
  settings.setValue(QStringLiteral("MainTop"), QString::number(y()));
  settings.setValue(QStringLiteral("MainWidth"), QString::number(width()));
  settings.setValue(QStringLiteral("MainHeight"), QString::number(height()));
}

}  // namespace px
