#pragma once
// The radio model, its band table and band ranges, and the rules that keep the four band
// limits and the channels consistent.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "codeplug/format_warnings.h"

namespace px {

constexpr std::string_view kModelString = "PX-4800";
constexpr std::string_view kProductName = "NR-6240";

// "NR-6240" for "PX-4800", "" for any other model string.
std::string ProductNameOf(std::string_view rModel);

// ---- Band table: the 32 band variants the radio can report --------------------------

constexpr int kBandCount = 32;
// The text of band rIndex (0..31), "" outside.
std::string_view BandText(int rIndex);
// All 32 texts in order, for the band lists.
const std::vector<std::string>& BandTexts();

// ---- Band ranges: the bounds within which limits are accepted ------------------------

constexpr int kBandRangeCount = 5;  // ranges 1..5; 0 means none and is treated as 1

struct BandRange {
  double MinRx;
  double MaxRx;
  double MinTx;
  double MaxTx;
};

// Range rRange (1..5); 0 and any other number give range 1.
BandRange BandRangeOf(int rRange);

// ---- Model dialog rules (the texts are corrected in place) ---------------------------

// rData written "#.00000" when numeric and within rLower..rUpper (inclusive); otherwise
// the lower bound (rType 0) or the upper bound (rType 1), written "#.00000".
std::string JustSingleFre(std::string_view rData, double rLower, double rUpper, int rType);

// Corrects the four texts against range rBand: receive texts against its receive limits,
// transmit texts against its transmit limits; lower texts as type 0, upper as type 1.
void JustBandFre(std::string& rMinRxFre, std::string& rMaxRxFre, std::string& rMinTxFre,
                 std::string& rMaxTxFre, int rBand);

// Chooses the range that most of the four texts fall into (ties to the lower number,
// never range 0 when another exists), corrects the texts for it and returns it.
int IsFre(std::string& rMinRxFre, std::string& rMaxRxFre, std::string& rMinTxFre,
          std::string& rMaxTxFre);

// ---- Band state ------------------------------------------------------------------------

// Band text "Rx(136 - 174 MHz) Tx(136 - 174 MHz)", the two range texts "136 - 174 MHz"
// and the working limits, all from the four limits of rState.Current.
void RebuildBandTexts(AppState& rState);

// The context the text formats check against: the working limits and a warning sink.
FormatContext FormatContextOf(const AppState& rState,
                              std::function<void(FormatWarning)> rWarn = {});

// After the limits changed: rebuilds the band state, moves every stored channel's receive
// frequency into the new receive band and onto the raster, and re-derives its transmit
// offset and direction against the new transmit band. Silent; the caller redraws.
void ApplyLimitsToChannels(AppState& rState);

// OK of the model dialog. rTexts: lowest receive, highest receive, lowest transmit,
// highest transmit. Corrects them (IsFre), exchanges reversed pairs, stores them as the
// codeplug limits and applies them to the channels. rTexts ends as the dialog should show.
void ApplyModelDialogLimits(AppState& rState, std::array<std::string, 4>& rTexts);

}  // namespace px
