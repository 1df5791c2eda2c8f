#pragma once
// The differences between two codeplugs, field by field: channels in the forms the grid
// and the channel editor show them ("channel 12 Rx Frequency: 145.50000 → 145.52500"),
// the pages as their dialogs and the printed report show them ("Scan Priority Channel 2:
// 199 → 10"), and whatever no page shows by its field name with its stored value
// ("TwoTone.Header4: 0 → 7"), never by an array index.

#include <string>
#include <vector>

#include "app/app_state.h"

namespace px {

struct CodeplugDifference {
  std::string Where;   // "channel 12 Rx Frequency", "Book.Entry13.CallId"
  std::string Before;  // as rBefore shows it
  std::string After;
};

// Labels in rBefore's language. Channels first (by grid row), then the pages, then the
// other fields in file order; BandIndex and ChannelCount follow from the rest and are
// left out.
std::vector<CodeplugDifference> DiffCodeplugs(const AppState& rBefore, const AppState& rAfter);

// "Where: Before → After".
std::string DifferenceLine(const CodeplugDifference& rDifference);

}  // namespace px
