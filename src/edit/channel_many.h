#pragma once
// Several channels edited at once. The editor opens on what the channels share; a field
// the user changes is set on every channel, the others stay per channel, and each
// channel then goes through the editor's own rules (raster, band, squelch choices).
// The command line's `set` builds the same patch from FIELD=VALUE words.

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/user_interface.h"
#include "edit/channel_edit_rules.h"

namespace px {

// Inputs with the fields they set; a field is one input of the editor (the seven name
// boxes count as one).
struct EditPatch {
  ChannelEditInputs Values;
  std::vector<bool> Fields;  // by field number; empty: none

  bool Empty() const;
};

// The inputs of the first row's channel with, for each field, whether every channel of
// rRows holds the same value (rShared, by field number). Rows without a channel are
// left out.
ChannelEditInputs SharedEditInputs(const AppState& rState, const std::vector<int>& rRows,
                                   std::vector<bool>& rShared);

// The fields in which rEdited differs from rShown, with rEdited's values.
EditPatch PatchBetween(const ChannelEditInputs& rShown, const ChannelEditInputs& rEdited);

// Adds FIELD=VALUE in the grid's words: power (High, Middle, Low), bandwidth (25K, 20K,
// 12.5K), step (as the grid: 12.5K or 12.5), skip (yes, no), decode and encode (off, a
// CTCSS tone such as 88.5, a DCS code such as D023N or D023I), name (up to 7 characters
// the editor takes). False with rError (current language) for a value the editor's
// lists or boxes would not take.
bool AddFieldSetting(const AppState& rState, const std::string& rField, const std::string& rValue,
                     EditPatch& rPatch, std::string& rError);

// Sets the patch on the channels of rRows (rows without a channel are left alone), each
// through the editor's rules; warnings go to rUi. Returns the rows whose channel changed.
std::vector<int> ApplyEditPatch(AppState& rState, const std::vector<int>& rRows, const EditPatch& rPatch,
                                UserInterface& rUi);

}  // namespace px
