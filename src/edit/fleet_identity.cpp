#include "edit/fleet_identity.h"

#include <algorithm>
#include <vector>

#include "edit/dtmf_rules.h"
#include "edit/five_tone_codes.h"
#include "edit/five_tone_rules.h"

namespace px {
namespace {

bool AllDigits(std::string_view rText) {
  return !rText.empty() && std::all_of(rText.begin(), rText.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a page tells instead of taking its OK, kept for the caller's message.
class PageRefusals : public UserInterface {
 public:
  MsgAnswer Ask(const std::string& rText, MsgButtons, MsgIcon) override {
    if (!Told.empty()) Told += "; ";
    Told += rText;
    return MsgAnswer::Ok;
  }
  std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&) override { return std::nullopt; }
  std::string Told;
};

// rStart + rIndex in the same number of digits, leading zeros kept.
std::optional<std::string> Advanced(const std::string& rStart, int rIndex) {
  std::string digits = rStart;
  int carry = rIndex;
  for (auto it = digits.rbegin(); it != digits.rend() && carry > 0; ++it) {
    const int sum = (*it - '0') + carry;
    *it = static_cast<char>('0' + sum % 10);
    carry = sum / 10;
  }
  if (carry > 0) return std::nullopt;
  return digits;
}

}  // namespace

std::optional<std::string> DtmfOwnIdOf(std::string_view rText, std::string& rError) {
  if (!AllDigits(rText) || rText.size() > static_cast<std::size_t>(kDtmfOwnIdLength)) {
    rError = "the DTMF ID must be one to three digits, not '" + std::string(rText) + "'";
    return std::nullopt;
  }
  return PadOwnId(std::string(rText));
}

std::optional<std::string> FiveToneOwnIdOf(std::string_view rText, std::string& rError) {
  if (!IsOwnIdComplete(rText)) {
    rError = "the 5-Tone ID must be five digits, not '" + std::string(rText) + "'";
    return std::nullopt;
  }
  return std::string(rText);
}

std::optional<RadioIds> NumberedIds(const RadioIds& rStart, int rIndex, std::string& rError) {
  RadioIds ids;
  const auto step = [&](const std::optional<std::string>& rFrom, std::optional<std::string>& rTo,
                        const char* rWhat) {
    if (!rFrom) return true;
    rTo = Advanced(*rFrom, rIndex);
    if (rTo) return true;
    rError = std::string(rWhat) + " " + *rFrom + " + " + std::to_string(rIndex) + " does not fit in " +
             std::to_string(rFrom->size()) + " digits";
    return false;
  };
  if (!step(rStart.Dtmf, ids.Dtmf, "the DTMF ID") || !step(rStart.FiveTone, ids.FiveTone, "the 5-Tone ID"))
    return std::nullopt;
  return ids;
}

bool DeriveRadioCodeplug(AppState& rState, const RadioIds& rIds, std::string& rError) {
  AppState derived = rState;
  PageRefusals refusals;
  if (rIds.Dtmf) {
    if (!DtmfOwnIdOf(*rIds.Dtmf, rError)) return false;
    DtmfPageInputs inputs = LoadDtmfInputs(derived, derived.Current.Settings.Dtmf);
    inputs.OwnId = *rIds.Dtmf;
    ApplyOwnIdChange(inputs);
    if (!ApplyDtmfPage(derived, inputs, refusals)) {
      rError = "the DTMF page refuses the codeplug: " + refusals.Told;
      return false;
    }
  }
  if (rIds.FiveTone) {
    if (!FiveToneOwnIdOf(*rIds.FiveTone, rError)) return false;
    FiveTonePage page = OpenFiveTonePage(derived);
    TakeOverOwnId(derived, page, *rIds.FiveTone);
    if (ApplyFiveTonePage(derived, page, refusals) != FiveToneApplyOutcome::Stored) {
      rError = "the 5-Tone page refuses the codeplug: " + refusals.Told;
      return false;
    }
  }
  rState = std::move(derived);
  return true;
}

}  // namespace px
