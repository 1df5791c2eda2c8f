#include "edit/undo_history.h"

#include "app/bands.h"
#include "app/language.h"
#include "app/text_fill.h"
#include "edit/channel_rows.h"

namespace px {

namespace {

constexpr OwnText kUndo{"Undo", "撤销"};
constexpr OwnText kRedo{"Redo", "重做"};
constexpr OwnText kUndoWhat{"Undo %1", "撤销%1"};
constexpr OwnText kRedoWhat{"Redo %1", "重做%1"};

struct KindTexts {
  OwnText One;   // %1 the channel
  OwnText Many;  // %1 the count, %2 the first channel
};

KindTexts TextsOf(ChangeKind rKind) {
  switch (rKind) {
    case ChangeKind::Paste:
      return {{"paste channel %1", "粘贴信道 %1"}, {"paste %1 channels from channel %2", "从信道 %2 起粘贴 %1 个信道"}};
    case ChangeKind::Cut:
      return {{"cut channel %1", "剪切信道 %1"}, {"cut %1 channels from channel %2", "从信道 %2 起剪切 %1 个信道"}};
    case ChangeKind::Delete:
      return {{"delete channel %1", "删除信道 %1"}, {"delete %1 channels from channel %2", "从信道 %2 起删除 %1 个信道"}};
    case ChangeKind::EditChannel:
      return {{"edit channel %1", "编辑信道 %1"}, {"edit %1 channels", "编辑 %1 个信道"}};
    case ChangeKind::Initialize:
      return {{"Initialize", "初始化"}, {"Initialize", "初始化"}};
    case ChangeKind::ModelLimits:
      return {{"model limits", "机型频段"}, {"model limits", "机型频段"}};
    case ChangeKind::ImportChannels:
      return {{"import channels", "导入信道"}, {"import channels", "导入信道"}};
    case ChangeKind::Move:
      return {{"move channel %1", "移动信道 %1"}, {"move %1 channels to channel %2", "移动 %1 个信道到信道 %2"}};
    case ChangeKind::Sort:
      return {{"sort channels", "信道排序"}, {"sort channels", "信道排序"}};
    case ChangeKind::Insert:
      return {{"insert a row at channel %1", "在信道 %1 插入一行"}, {"insert %1 rows at channel %2", "在信道 %2 插入 %1 行"}};
    case ChangeKind::Remove:
      return {{"remove channel %1", "移除信道 %1"}, {"remove %1 channels from channel %2", "从信道 %2 起移除 %1 个信道"}};
    case ChangeKind::Page:
      break;
  }
  return {{"%1", "%1"}, {"%1", "%1"}};
}

}  // namespace

CodeplugSnapshot TakeSnapshot(const AppState& rState, bool rWithFile) {
  CodeplugSnapshot snapshot;
  snapshot.Current = rState.Current;
  snapshot.Channels = rState.Channels;
  snapshot.Band = rState.Band;
  if (rWithFile) {
    snapshot.WithFile = true;
    snapshot.SavedCodeplug = rState.SavedCodeplug;
    snapshot.SavedChannels = rState.SavedChannels;
    snapshot.FilePath = rState.FilePath;
    snapshot.Untitled = rState.Untitled;
    snapshot.UnsavedRead = rState.UnsavedRead;
  }
  return snapshot;
}

void RestoreSnapshot(AppState& rState, const CodeplugSnapshot& rSnapshot) {
  rState.Current = rSnapshot.Current;
  rState.Channels = rSnapshot.Channels;
  rState.Band.Index = rSnapshot.Band.Index;
  RebuildBandTexts(rState);
  if (rSnapshot.WithFile) {
    rState.SavedCodeplug = rSnapshot.SavedCodeplug;
    rState.SavedChannels = rSnapshot.SavedChannels;
    rState.FilePath = rSnapshot.FilePath;
    rState.Untitled = rSnapshot.Untitled;
    rState.UnsavedRead = rSnapshot.UnsavedRead;
  }
}

std::string ChangeText(const AppState& rState, const ChangeDescription& rChange) {
  const KindTexts texts = TextsOf(rChange.Kind);
  if (rChange.Kind == ChangeKind::Page) return rChange.Page;
  const std::string first = rChange.Rows.empty() ? "" : RowLabelOf(rChange.Rows.front());
  if (rChange.Rows.size() > 1)
    return FillText(OwnTextOf(rState, texts.Many), {std::to_string(rChange.Rows.size()), first});
  return FillText(OwnTextOf(rState, texts.One), {first});
}

std::string UndoText(const AppState& rState, const ChangeDescription* rChange) {
  if (!rChange) return OwnTextOf(rState, kUndo);
  return FillText(OwnTextOf(rState, kUndoWhat), {ChangeText(rState, *rChange)});
}

std::string RedoText(const AppState& rState, const ChangeDescription* rChange) {
  if (!rChange) return OwnTextOf(rState, kRedo);
  return FillText(OwnTextOf(rState, kRedoWhat), {ChangeText(rState, *rChange)});
}

}  // namespace px
