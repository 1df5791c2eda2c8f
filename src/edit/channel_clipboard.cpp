#include "edit/channel_clipboard.h"

#include <algorithm>

#include "edit/codeplug_ops.h"

namespace px {

namespace {

int StoredCount(const AppState& rState) {
  return std::clamp<int>(rState.Current.ChannelCount, 0, kChannelSlots);
}

void RemoveSlot(AppState& rState, int rSlot) {
  const int count = StoredCount(rState);
  auto first = rState.Channels.begin();
  std::move(first + rSlot + 1, first + count, first + rSlot);
  rState.Channels[static_cast<std::size_t>(count - 1)] = ChannelRecord{};
  rState.Current.ChannelCount = static_cast<Int16>(count - 1);
}

// First slot holding rRow with a channel in use, or -1.
int FindInUseSlot(const AppState& rState, int rRow) {
  const int count = StoredCount(rState);
  for (int slot = 0; slot < count; ++slot) {
    const ChannelRecord& channel = rState.Channels[static_cast<std::size_t>(slot)];
    if (channel.Number == rRow && channel.InUse == 1) return slot;
  }
  return -1;
}

}  // namespace

bool HasRecord(const AppState& rState, int rRow) {
  return FindChannelSlot(rState.Current, rState.Channels, rRow) >= 0;
}

bool DeleteChannel(AppState& rState, int rRow) {
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rRow);
  if (slot < 0) return false;
  RemoveSlot(rState, slot);
  return true;
}

bool CopyChannel(AppState& rState, int rRow) {
  rState.ClipboardFilled = true;
  const int slot = FindInUseSlot(rState, rRow);
  if (slot < 0) {
    rState.Clipboard.InUse = 0;
    return false;
  }
  rState.Clipboard = rState.Channels[static_cast<std::size_t>(slot)];
  return true;
}

bool CutChannel(AppState& rState, int rRow) {
  if (!CopyChannel(rState, rRow)) return false;
  // The record copied is the one removed, even when a damaged table holds the row twice.
  RemoveSlot(rState, FindInUseSlot(rState, rRow));
  return true;
}

bool PasteChannel(AppState& rState, int rRow) {
  if (!rState.ClipboardFilled) return false;
  if (rState.Clipboard.InUse != 1) return DeleteChannel(rState, rRow);
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rRow);
  if (slot >= 0) {
    ChannelRecord& target = rState.Channels[static_cast<std::size_t>(slot)];
    target = rState.Clipboard;
    target.Number = static_cast<Int16>(rRow);
    return true;
  }
  const int count = StoredCount(rState);
  if (count >= kChannelSlots) return false;
  ChannelRecord& target = rState.Channels[static_cast<std::size_t>(count)];
  target = rState.Clipboard;
  target.Number = static_cast<Int16>(rRow);
  rState.Current.ChannelCount = static_cast<Int16>(count + 1);
  return true;
}

bool HandleCtrlKey(AppState& rState, char rKey, int rRow) {
  bool redraw = false;
  switch (rKey) {
    case 'c': case 'C': CopyChannel(rState, rRow); break;
    case 'x': case 'X': CutChannel(rState, rRow); redraw = true; break;
    case 'v': case 'V': redraw = rState.ClipboardFilled; PasteChannel(rState, rRow); break;
    default: break;
  }
  RepairChannelReferences(rState);
  return redraw;
}

}  // namespace px
