#include "ui/main/channel_workbench.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>

#include <algorithm>
#include <span>
#include <set>

#include "app/language.h"
#include "app/reason_text.h"
#include "app/text_fill.h"
#include "app/user_interface.h"
#include "edit/channel_clipboard.h"
#include "edit/channel_csv.h"
#include "edit/channel_selection.h"
#include "edit/spreadsheet_text.h"
#include "edit/codeplug_diff.h"
#include "edit/codeplug_ops.h"
#include "edit/import_report.h"
#include "codeplug/file_bytes.h"
#include "codeplug/input_file.h"
#include "link/codeplug_source.h"
#include "ui/kit/guarded_command.h"
#include "platform/settings_store.h"
#include "ui/kit/apply_language.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_compare.h"
#include "ui/main/frm_import_preview.h"
#include "ui/main/main_menus.h"

namespace px {

namespace {

constexpr OwnText kImportText{"Import channels...", "导入信道..."};
constexpr OwnText kExportText{"Export channels...", "导出信道..."};
constexpr OwnText kCompareText{"Compare with...", "与文件比较..."};
constexpr OwnText kVerifyText{"Verify after write", "写入后校验"};
constexpr OwnText kCsvFilter{"Channel list (*.csv)|*.csv", "信道列表 (*.csv)|*.csv"};
constexpr OwnText kCompareFilter{"Codeplug (*.dat *.img)|*.dat;*.img", "数据文件 (*.dat *.img)|*.dat;*.img"};
constexpr OwnText kCannotRead{"%1 cannot be read.", "无法读取 %1。"};
constexpr OwnText kCannotWrite{"%1 cannot be written.", "无法写入 %1。"};
constexpr OwnText kExported{"%1 channels written to %2.", "已将 %1 个信道写入 %2。"};
constexpr OwnText kPasteRefused{"Rows of the pasted list that were left out:", "粘贴的列表中未采用的行："};
constexpr const char* kVerifyKey = "Settings/VerifyAfterWrite";


}  // namespace

ChannelWorkbench::ChannelWorkbench(AppState& rState, QMainWindow* rWindow, ChannelGrid* rGrid,
                                   const MainMenus& rMenus, UserInterface& rUi, std::function<void()> rRedraw)
    : QObject(rWindow), mState(rState), mWindow(rWindow), mGrid(rGrid), mUi(rUi), mRedraw(std::move(rRedraw)),
      mUndo(rState, mRedraw, this) {
  mImport = new QAction(this);
  mImport->setObjectName(QStringLiteral("MnuFileImportChannels"));
  mExport = new QAction(this);
  mExport->setObjectName(QStringLiteral("MnuFileExportChannels"));
  mCompare = new QAction(this);
  mCompare->setObjectName(QStringLiteral("MnuFileCompare"));
  mVerify = new QAction(this);
  mVerify->setObjectName(QStringLiteral("MnuProVerify"));
  mVerify->setCheckable(true);
  mVerify->setChecked(VerifyAfterWrite());

  rMenus.File->insertAction(rMenus.Print, mImport);
  rMenus.File->insertAction(rMenus.Print, mExport);
  rMenus.File->insertAction(rMenus.Print, mCompare);
  rMenus.File->insertSeparator(rMenus.Print);
  rMenus.Edit->insertAction(rMenus.EditChannel, mUndo.UndoAction());
  rMenus.Edit->insertAction(rMenus.EditChannel, mUndo.RedoAction());
  rMenus.Edit->insertSeparator(rMenus.EditChannel);
  rMenus.Program->addSeparator();
  rMenus.Program->addAction(mVerify);

  connect(mImport, &QAction::triggered, this, &ChannelWorkbench::ImportChannels);
  connect(mExport, &QAction::triggered, this, &ChannelWorkbench::ExportChannels);
  connect(mCompare, &QAction::triggered, this, &ChannelWorkbench::CompareWithFile);
  connect(mVerify, &QAction::toggled, this, &ChannelWorkbench::SetVerifyAfterWrite);
  for (QMenu* menu : {rMenus.File, rMenus.Edit, rMenus.Program})
    connect(menu, &QMenu::aboutToShow, this, &ChannelWorkbench::UpdateTexts);
  UpdateTexts();
}

void ChannelWorkbench::UpdateTexts() {
  mImport->setText(OwnQ(mState, kImportText));
  mExport->setText(OwnQ(mState, kExportText));
  mCompare->setText(OwnQ(mState, kCompareText));
  mVerify->setText(OwnQ(mState, kVerifyText));
  mUndo.UpdateTexts();
}

std::vector<int> ChannelWorkbench::SelectedRows(int rRow) const {
  std::set<int> rows;
  for (const QModelIndex& index : mGrid->selectionModel()->selectedIndexes()) rows.insert(index.row() + 1);
  if (!rows.count(rRow)) return {rRow};
  return {rows.begin(), rows.end()};
}

void ChannelWorkbench::Copy(const std::vector<int>& rRows) {
  if (rRows.size() == 1) {
    CopyChannel(mState, rRows.front());
    mClip = {mState.Clipboard};
  } else {
    mClip = CopyChannelRows(mState, rRows);
    mState.ClipboardFilled = true;
    mState.Clipboard = mClip.front();
  }
  // Other programs and spreadsheets get the memory channels as a channel list; rows
  // without a channel give the header alone, so that an older list is not pasted instead.
  mClipText = ExportChannelsCsv(mState, rRows);
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ToQ(mClipText));
}

void ChannelWorkbench::Paste(int rRow) {
  std::vector<ChannelRecord> channels = mClip;
  bool external = false;
  std::vector<std::string> refused;
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    const std::string text = FromQ(clipboard->text());
    if (!text.empty() && text != mClipText && LooksLikeChannelText(text)) {
      std::string error;
      std::vector<ChannelRecord> fromText = ChannelsFromCsvText(mState, text, refused, error);
      if (error.empty() && !fromText.empty()) {
        channels = std::move(fromText);
        external = true;
      }
    }
  }
  if (!external) {
    refused.clear();
    if (!mState.ClipboardFilled) return;
    if (channels.empty()) channels = {mState.Clipboard};
  }
  if (channels.size() == 1 && !external) {
    mUndo.Track(ChangeDescription::OfRows(ChangeKind::Paste, {rRow}), [&] {
      PasteChannel(mState, rRow);
      RepairChannelReferences(mState);
    });
    return;
  }
  const std::vector<int> targets = PasteTargetRows(rRow, channels.size());
  const int occupied = CountOccupied(mState, targets);
  if (channels.size() > 1 && occupied > 0 &&
      mUi.Ask(ConfirmPasteOverText(mState, targets.size(), rRow, occupied), MsgButtons::YesNo,
              MsgIcon::Question) != MsgAnswer::Yes)
    return;
  mUndo.Track(ChangeDescription::OfRows(ChangeKind::Paste, targets),
              [&] { PasteChannelRows(mState, rRow, channels); });
  if (!refused.empty()) {
    std::string text = OwnTextOf(mState, kPasteRefused);
    for (const std::string& line : refused) text += "\r\n" + line;
    mUi.Tell(text, MsgIcon::Warning);
  }
}

void ChannelWorkbench::HandleCtrlKey(char rKey, int rRow) {
  const std::vector<int> rows = SelectedRows(rRow);
  switch (rKey) {
    case 'C':
      Copy(rows);
      RepairChannelReferences(mState);
      break;
    case 'X':
      mUndo.Track(ChangeDescription::OfRows(ChangeKind::Cut, rows), [&] {
        Copy(rows);
        DeleteChannelRows(mState, rows);
      });
      break;
    case 'V':
      Paste(rRow);
      break;
    default:
      // Any other key with Ctrl held repairs the references, as the grid always did.
      ::px::HandleCtrlKey(mState, rKey, rRow);
      break;
  }
  mGrid->setProperty("pasteEnabled", mState.ClipboardFilled);
  if (rKey == 'X' || rKey == 'V') mRedraw();
}

void ChannelWorkbench::DeleteRows(int rRow) {
  const std::vector<int> rows = SelectedRows(rRow);
  if (rows.size() > 1 &&
      mUi.Ask(ConfirmDeleteText(mState, rows.size()), MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
    return;
  mUndo.Track(ChangeDescription::OfRows(ChangeKind::Delete, rows), [&] { DeleteChannelRows(mState, rows); });
  mRedraw();
}

void ChannelWorkbench::ImportChannels() {
  const auto path = mUi.ChooseFileToOpen(OwnTextOf(mState, kCsvFilter), "");
  if (path) RunGuarded(mState, mUi, [&] { ImportChannelsFrom(*path); });
}

bool ChannelWorkbench::ImportChannelsFrom(const std::string& rPath) {
  // A pipe, a device or a file beyond any channel list is refused before it is read.
  const InputFile file = ReadInputFile(rPath, kCsvCeiling);
  if (file.Result != InputRead::Read) {
    mUi.Tell(FillText(OwnTextOf(mState, kCannotRead), {rPath}) + "\r\n" + LocalReason(mState, file.Error),
             MsgIcon::Critical);
    return false;
  }
  const ChannelImportPlan plan = PlanChannelImport(mState, std::string(file.Bytes.begin(), file.Bytes.end()));
  if (!plan.Error.empty()) {
    mUi.Tell(rPath + "\r\n" + WithShortenedQuotes(plan.Error), MsgIcon::Critical);
    return false;
  }
  FrmImportPreview preview(mState, plan, mWindow);
  if (preview.exec() != QDialog::Accepted) return false;
  mUndo.Track(ChangeDescription::OfRows(ChangeKind::ImportChannels, {}), [&] { ApplyChannelImport(mState, plan); });
  mRedraw();
  return true;
}

void ChannelWorkbench::ExportChannels() {
  const auto path = mUi.ChooseFileToSave(OwnTextOf(mState, kCsvFilter), "channels.csv");
  if (!path) return;
  const std::string text = ExportChannelsCsv(mState);
  std::string error;
  const auto* bytes = reinterpret_cast<const Byte*>(text.data());
  if (!ReplaceFileBytes(*path, std::span(bytes, text.size()), error)) {
    mUi.Tell(FillText(OwnTextOf(mState, kCannotWrite), {*path}) + "\r\n" + LocalReason(mState, error),
             MsgIcon::Critical);
    return;
  }
  const auto lines = std::count(text.begin(), text.end(), '\n') - 1;
  mUi.Tell(FillText(OwnTextOf(mState, kExported), {std::to_string(lines), *path}));
}

void ChannelWorkbench::CompareWithFile() {
  const auto path = mUi.ChooseFileToOpen(OwnTextOf(mState, kCompareFilter), "");
  if (!path) return;
  RunGuarded(mState, mUi, [&] { CompareWith(*path); });
}

void ChannelWorkbench::CompareWith(const std::string& rPath) {
  AppState other;
  other.ProgramFolder = mState.ProgramFolder;
  other.LanguageIndex = mState.LanguageIndex;
  std::string error;
  if (!LoadCodeplugOrImage(rPath, other, error)) {
    mUi.Tell(LocalReason(mState, error), MsgIcon::Critical);
    return;
  }
  FrmCompare window(mState, rPath, DiffCodeplugs(mState, other), mWindow);
  window.exec();
}

bool ChannelWorkbench::VerifyAfterWrite() const { return UserSettings().value(QString::fromLatin1(kVerifyKey), false).toBool(); }

void ChannelWorkbench::SetVerifyAfterWrite(bool rOn) { UserSettings().setValue(QString::fromLatin1(kVerifyKey), rOn); }

}  // namespace px
