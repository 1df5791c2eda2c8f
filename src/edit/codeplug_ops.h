#pragma once
// Whole-codeplug operations: defaults, the default channel, slot lookup, the saved copy,
// and the repair of references after channels or code lists change.

#include "app/app_state.h"

namespace px {

// Fills Settings and Book with their defaults; band limits, BandIndex and the channels stay.
void ResetToDefaults(Codeplug& rPlug);

// Slot 0 becomes the VFO channel in the middle of the receive band. The caller sets
// ChannelCount to 1.
void CreateDefaultChannel(const Codeplug& rPlug, ChannelTable& rChannels);

// First slot in 0..ChannelCount-1 holding rNumber, or -1.
int FindChannelSlot(const Codeplug& rPlug, const ChannelTable& rChannels, int rNumber);
bool ChannelExists(const Codeplug& rPlug, const ChannelTable& rChannels, int rNumber);

void CopyToSaved(AppState& rState);
void RestoreFromSaved(AppState& rState);

// After the 2-Tone or 5-Tone page changed its code lists: channel entry numbers that
// point at a free entry move to the first entry in use (or 0).
void RenumberTwoToneReferences(AppState& rState);
void RenumberFiveToneReferences(AppState& rState);

// After channels were edited or deleted: scan bytes 11 and 13 and alert byte 7 hold a
// memory channel Number; a reference to a channel that is gone moves to the last memory
// channel in table order, or 0.
void RepairChannelReferences(AppState& rState);

}  // namespace px
