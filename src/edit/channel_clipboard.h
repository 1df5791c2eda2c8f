#pragma once
// Whole-channel copy, cut, paste and delete on grid rows. A row is a channel Number
// (1..200 memory channels, 201 PA, 202 PB, 203 VFO). The clipboard is the one in
// AppState; its InUse field tells whether the copied row held a channel.

#include "app/app_state.h"

namespace px {

// True when a slot in 0..ChannelCount-1 holds rRow.
bool HasRecord(const AppState& rState, int rRow);

// Removes the first slot holding rRow; the later slots move down in order. Returns
// false when there was none.
bool DeleteChannel(AppState& rState, int rRow);

// Sets ClipboardFilled. Copies the row's channel into the clipboard, or only clears the
// clipboard's InUse when the row holds no channel in use. Returns true when a channel
// was copied.
bool CopyChannel(AppState& rState, int rRow);
// Copy, then delete the channel when one was copied.
bool CutChannel(AppState& rState, int rRow);
// Does nothing until something was copied or cut. An empty clipboard clears the row;
// otherwise the clipboard replaces the row's record or is appended, taking rRow as its
// Number. Returns true when the channel table changed. A full table with no record for
// the row (only possible in a damaged file) is left alone.
bool PasteChannel(AppState& rState, int rRow);

// The grid's keys with Ctrl held: 'C', 'X' or 'V' (either case) on rRow, any other key
// does no clipboard work. The channel references of the settings are repaired after
// every Ctrl key. Returns true when the row must be redrawn.
bool HandleCtrlKey(AppState& rState, char rKey, int rRow);

}  // namespace px
