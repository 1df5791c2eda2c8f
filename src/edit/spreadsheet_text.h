#pragma once
// Channel rows pasted from a spreadsheet: tab-separated cells, either under the CSV
// layout's header row or, without a header, in the grid's column order (row, receive,
// transmit, name, step, bandwidth, Spare2, power, decode, encode, signalling), as cells
// copied from the grid or a list laid out like it come.

#include <string>

#include "app/app_state.h"

namespace px {

// True for text a paste may read as channels: the CSV layout (comma or tab separated,
// with its header) or tab-separated rows in the grid's order whose first cell is a row
// 0..199.
bool LooksLikeChannelText(const std::string& rText);

// The text as the CSV layout: tab-separated text becomes comma-separated; grid-ordered
// rows get the layout's header and columns. Anything else is returned as it is.
std::string SpreadsheetToCsv(const AppState& rState, const std::string& rText);

}  // namespace px
