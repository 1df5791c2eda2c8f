#pragma once
// What undo and redo need of the core: the codeplug as it stood before and after a
// change (the whole codeplug is small), and the texts that say what a change was.
// Whether the codeplug counts as modified follows from the contents alone, so undoing
// back to the saved state makes it unmodified again.

#include <string>
#include <vector>

#include "app/app_state.h"

namespace px {

struct CodeplugSnapshot {
  Codeplug Current;
  ChannelTable Channels{};
  BandState Band;
  // Initialize starts an untitled codeplug and a new saved copy; its undo puts the file
  // side back too. Every other change leaves the file side alone.
  bool WithFile = false;
  Codeplug SavedCodeplug;
  ChannelTable SavedChannels{};
  std::string FilePath;
  bool Untitled = true;
  // A read result never saved stays unsaved when an undo brings it back.
  bool UnsavedRead = false;

  bool operator==(const CodeplugSnapshot& rOther) const {
    return Current == rOther.Current && Channels == rOther.Channels && Band.Index == rOther.Band.Index &&
           (!WithFile || (SavedCodeplug == rOther.SavedCodeplug && SavedChannels == rOther.SavedChannels &&
                          FilePath == rOther.FilePath && Untitled == rOther.Untitled &&
                          UnsavedRead == rOther.UnsavedRead));
  }
};

CodeplugSnapshot TakeSnapshot(const AppState& rState, bool rWithFile = false);
// Puts the snapshot back; the band texts and limits follow its limits.
void RestoreSnapshot(AppState& rState, const CodeplugSnapshot& rSnapshot);

enum class ChangeKind {
  Paste, Cut, Delete, EditChannel, Initialize, ModelLimits, ImportChannels, Page,
  Move, Sort, Insert, Remove
};

struct ChangeDescription {
  ChangeKind Kind = ChangeKind::EditChannel;
  std::vector<int> Rows;  // the grid rows the change was made on, first one first
  std::string Page;       // the page's title, for Kind Page

  static ChangeDescription OfRows(ChangeKind rKind, std::vector<int> rRows) { return {rKind, std::move(rRows), {}}; }
  static ChangeDescription OfPage(std::string rTitle) { return {ChangeKind::Page, {}, std::move(rTitle)}; }
  // Whether the change replaces the file side as well (see CodeplugSnapshot).
  bool ReplacesFile() const { return Kind == ChangeKind::Initialize; }
};

// "paste channel 12", "paste 10 channels from channel 12", "Initialize", ... in the
// current language.
std::string ChangeText(const AppState& rState, const ChangeDescription& rChange);
// "Undo paste channel 12"; "Undo" alone when there is nothing to undo.
std::string UndoText(const AppState& rState, const ChangeDescription* rChange);
std::string RedoText(const AppState& rState, const ChangeDescription* rChange);

}  // namespace px
