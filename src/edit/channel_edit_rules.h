#pragma once
// The channel editor's rules that need no widget: what the inputs show for a channel,
// which inputs are offered and enabled, the squelch-mode choices, and how OK turns the
// inputs back into a stored channel (or removes it).

#include <array>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/user_interface.h"
#include "codeplug/format_warnings.h"

namespace px {

enum class SignallingKind { None = 0, Dtmf = 1, TwoTone = 2, FiveTone = 3 };

inline constexpr int kNameBoxes = 7;
inline constexpr int kPttIdCodeLength = 5;
inline constexpr int kSquelchModes = 5;      // master list: texts 1784 .. 1788
inline constexpr int kExtraDisplayEntries = 10;
inline constexpr int kDtmfCodeEntries = 16;  // "M1" .. "M16"
inline constexpr int kNoChoice = -1;         // a list with nothing chosen

// What the dialog's inputs hold. List inputs are positions in their lists (kNoChoice for
// none); the 2-Tone and 5-Tone code lists hold the shown number as text ("" for none).
struct ChannelEditInputs {
  std::string RxText;
  std::string TxText;
  std::array<std::string, kNameBoxes> NameBoxes;
  int Step = 0;
  int Bandwidth = 0;
  int TxPower = 0;
  int ToneTypeB = 0;  // decode
  int CtcssB = kNoChoice;
  int DcsB = kNoChoice;
  bool DcsInvertB = false;
  int ToneTypeA = 0;  // encode
  int CtcssA = kNoChoice;
  int DcsA = kNoChoice;
  bool DcsInvertA = false;
  SignallingKind Signalling = SignallingKind::None;
  int DtmfCode = kNoChoice;
  std::string TwoToneCode;
  std::string FiveToneCode;
  int Squelch = 0;  // position in the master list, not in the visible subset
  int DtmfPttId = 0;
  int FiveTonePttId = 0;
  std::string PttIdCode;
  int Scrambler = 0;
  int BusyLock = 0;
  bool TxInhibit = false;
  bool Reverse = false;
  bool Talkaround = false;
  bool Compander = false;
  bool ScanSkip = false;
  bool PttIdDecode = false;
  int ExtraDisplay = 0;  // position in the invisible list
  bool PttIdOn = false;

  bool operator==(const ChannelEditInputs&) const = default;
};

// The record the editor starts from: the row's channel, or the empty default for a row
// without one.
ChannelRecord EditRecordFor(const AppState& rState, int rRow);

// The signalling entries offered with the current features, "none" always first.
std::vector<SignallingKind> SignallingChoices(const FeatureFlags& rFeatures);
// The numbers of the 2-Tone entries (0..31) and 5-Tone codes (0..99) in use, in order.
std::vector<int> TwoToneCodeNumbers(const Codeplug& rPlug);
std::vector<int> FiveToneCodeNumbers(const Codeplug& rPlug);

// The inputs for rRecord. Frequency texts that a damaged record cannot show raise the
// context's warning.
ChannelEditInputs LoadEditInputs(const AppState& rState, const ChannelRecord& rRecord,
                                 const FormatContext& rCtx);

// Stored ExtraDisplayIndex <-> position in the invisible list. The list skips the stored
// value 3; a position of 3 and up stores one more.
int ExtraDisplayPosition(int rStored);
int ExtraDisplayStored(int rPosition);

// The visible squelch modes as master positions: always "Carrier", then the ones that
// need a tone and/or signalling as far as the channel has them. The deciding tone is the
// encode tone when Reverse is ticked, else the decode tone.
std::vector<int> SquelchChoices(const ChannelEditInputs& rInputs);
// rRemembered when rChoices holds it, else the first choice.
int KeepSquelchChoice(const std::vector<int>& rChoices, int rRemembered);

// Every input but the receive box is enabled only while the receive box holds text.
bool EditInputsEnabled(const std::string& rRxText);
// The PTT ID code and decode are for memory channels only, not PA, PB or VFO.
bool PttIdInputsEnabled(int rRow);

// A PTT ID code shorter than five characters is filled up with "0" at its end.
std::string PadPttIdCode(const std::string& rCode);

// OffsetDirection and stored OffsetFreq for the parsed receive and transmit texts
// ("000.00000"): below 1, above 2, equal 0.
struct DerivedOffset {
  Int16 Direction = 0;
  std::string StoredOffset;
};
DerivedOffset DeriveOffset(const std::string& rRx, const std::string& rTx, const FormatContext& rCtx);

// Writes the inputs over rRecord's edited fields; the receive and transmit texts are
// parsed (raster, band clamp, warnings), and rInputs.RxText / TxText take the parsed
// forms. InUse, Number, PttIdOn and the spare fields are left to the caller.
void StoreEditInputs(ChannelEditInputs& rInputs, ChannelRecord& rRecord, const FormatContext& rCtx);

// The row's first record updated from the inputs, InUse set, PttIdOn kept. False (and
// nothing written) when the row has no record.
bool ModifyUFreData(AppState& rState, int rID, ChannelEditInputs& rInputs, const FormatContext& rCtx);
// A new record for rID appended to the table, PttIdOn from the inputs. False when the
// table has no free slot.
bool AddNewUFreData(AppState& rState, int rID, ChannelEditInputs& rInputs, const FormatContext& rCtx);

// The frequency checks' context with their warnings told to rUi: text 2001 for a typed
// frequency outside the band, "Not IsNumeric" for a damaged stored one.
FormatContext EditFormatContext(const AppState& rState, UserInterface& rUi);

enum class EditOutcome {
  Stored,          // the channel was modified or added
  Cleared,         // an empty receive frequency removed the row's channel (or there was none)
  VfoNeedsFrequency,  // the VFO row cannot be cleared; the dialog stays open
  RxNotFrequency,  // a receive text that is no number; the user was warned, nothing changed
  Failed,          // nothing written; the user was told why
};

// OK of the editor: refuses a receive text that is not empty and not a number (nothing
// changes, not even the PTT ID code), pads the PTT ID code, then stores, clears or
// refuses the row, and repairs the channel references of the settings after a store or
// a clear. Warnings of the frequency checks and the failure messages go to rUi.
EditOutcome ApplyChannelEdit(AppState& rState, int rRow, ChannelEditInputs& rInputs,
                             UserInterface& rUi);

}  // namespace px
