#include "edit/channel_many.h"

#include "app/bands.h"
#include "app/language.h"
#include "app/text_fill.h"
#include "codeplug/text_formats.h"
#include "edit/channel_choices.h"
#include "edit/channel_clipboard.h"
#include "edit/codeplug_ops.h"

namespace px {

namespace {

// Field numbers, in the order ForEachField visits them.
enum Field {
  kFRx, kFTx, kFName, kFStep, kFBandwidth, kFPower, kFToneTypeB, kFCtcssB, kFDcsB, kFDcsInvertB,
  kFToneTypeA, kFCtcssA, kFDcsA, kFDcsInvertA, kFSignalling, kFDtmfCode, kFTwoTone, kFFiveTone,
  kFSquelch, kFDtmfPttId, kFFiveTonePttId, kFPttIdCode, kFScrambler, kFBusyLock, kFTxInhibit,
  kFReverse, kFTalkaround, kFCompander, kFScanSkip, kFPttIdDecode, kFExtraDisplay, kFPttIdOn,
  kFields
};

template <class F>
void ForEachField(F&& rVisit) {
  using I = ChannelEditInputs;
  rVisit(kFRx, &I::RxText);
  rVisit(kFTx, &I::TxText);
  rVisit(kFName, &I::NameBoxes);
  rVisit(kFStep, &I::Step);
  rVisit(kFBandwidth, &I::Bandwidth);
  rVisit(kFPower, &I::TxPower);
  rVisit(kFToneTypeB, &I::ToneTypeB);
  rVisit(kFCtcssB, &I::CtcssB);
  rVisit(kFDcsB, &I::DcsB);
  rVisit(kFDcsInvertB, &I::DcsInvertB);
  rVisit(kFToneTypeA, &I::ToneTypeA);
  rVisit(kFCtcssA, &I::CtcssA);
  rVisit(kFDcsA, &I::DcsA);
  rVisit(kFDcsInvertA, &I::DcsInvertA);
  rVisit(kFSignalling, &I::Signalling);
  rVisit(kFDtmfCode, &I::DtmfCode);
  rVisit(kFTwoTone, &I::TwoToneCode);
  rVisit(kFFiveTone, &I::FiveToneCode);
  rVisit(kFSquelch, &I::Squelch);
  rVisit(kFDtmfPttId, &I::DtmfPttId);
  rVisit(kFFiveTonePttId, &I::FiveTonePttId);
  rVisit(kFPttIdCode, &I::PttIdCode);
  rVisit(kFScrambler, &I::Scrambler);
  rVisit(kFBusyLock, &I::BusyLock);
  rVisit(kFTxInhibit, &I::TxInhibit);
  rVisit(kFReverse, &I::Reverse);
  rVisit(kFTalkaround, &I::Talkaround);
  rVisit(kFCompander, &I::Compander);
  rVisit(kFScanSkip, &I::ScanSkip);
  rVisit(kFPttIdDecode, &I::PttIdDecode);
  rVisit(kFExtraDisplay, &I::ExtraDisplay);
  rVisit(kFPttIdOn, &I::PttIdOn);
}

constexpr OwnText kUnknownField{"unknown field \"%1\" (power, bandwidth, step, skip, decode, encode, name)",
                                "未知的字段 \"%1\"（power、bandwidth、step、skip、decode、encode、name）"};
constexpr OwnText kBadValue{"%1 cannot be \"%2\"; it takes %3", "%1 不能是 \"%2\"；可用的值：%3"};

std::string Lower(std::string rText) {
  for (char& c : rText)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return rText;
}

const ChannelRecord* ChannelOf(const AppState& rState, int rRow) {
  const int slot = FindChannelSlot(rState.Current, rState.Channels, rRow);
  if (slot < 0) return nullptr;
  const ChannelRecord& channel = rState.Channels[static_cast<std::size_t>(slot)];
  return channel.InUse == 1 ? &channel : nullptr;
}

void Set(EditPatch& rPatch, Field rField) {
  rPatch.Fields.resize(kFields, false);
  rPatch.Fields[rField] = true;
}

// Position of rValue in rTexts, case-insensitive; -1 when absent.
int PositionIn(const std::vector<std::string>& rTexts, const std::string& rValue) {
  for (std::size_t i = 0; i < rTexts.size(); ++i)
    if (Lower(rTexts[i]) == Lower(rValue)) return static_cast<int>(i);
  return -1;
}

// A tone as the grid shows it, into the type, CTCSS, DCS and invert inputs of one side.
bool SetTone(const AppState& rState, const std::string& rValue, EditPatch& rPatch, bool rDecode) {
  ChannelEditInputs& in = rPatch.Values;
  int& type = rDecode ? in.ToneTypeB : in.ToneTypeA;
  int& ctcss = rDecode ? in.CtcssB : in.CtcssA;
  int& dcs = rDecode ? in.DcsB : in.DcsA;
  bool& invert = rDecode ? in.DcsInvertB : in.DcsInvertA;
  const Field base = rDecode ? kFToneTypeB : kFToneTypeA;
  const std::string lower = Lower(rValue);
  if (lower == "off" || lower == "none" || rValue == LangText(rState, 1206)) {
    type = 0;
    Set(rPatch, base);
    return true;
  }
  if (const int tone = PositionIn(CtcssTexts(), rValue); tone >= 0) {
    type = 1;
    ctcss = tone;
    Set(rPatch, base);
    Set(rPatch, static_cast<Field>(base + 1));
    return true;
  }
  // D023N / D023I, as the grid writes a DCS code.
  if (rValue.size() == 5 && (rValue[0] == 'D' || rValue[0] == 'd')) {
    const int code = PositionIn(DcsCodeTexts(), rValue.substr(1, 3));
    const char polarity = static_cast<char>(rValue[4] & ~0x20);
    if (code >= 0 && (polarity == 'N' || polarity == 'I')) {
      type = 2;
      dcs = code;
      invert = polarity == 'I';
      Set(rPatch, base);
      Set(rPatch, static_cast<Field>(base + 2));
      Set(rPatch, static_cast<Field>(base + 3));
      return true;
    }
  }
  return false;
}

std::string Joined(const std::vector<std::string>& rTexts) {
  std::string out;
  for (const std::string& text : rTexts) out += (out.empty() ? "" : ", ") + text;
  return out;
}

}  // namespace

bool EditPatch::Empty() const {
  for (const bool field : Fields)
    if (field) return false;
  return true;
}

ChannelEditInputs SharedEditInputs(const AppState& rState, const std::vector<int>& rRows, std::vector<bool>& rShared) {
  const FormatContext ctx = FormatContextOf(rState);
  std::vector<ChannelEditInputs> all;
  for (const int row : rRows)
    if (const ChannelRecord* channel = ChannelOf(rState, row)) all.push_back(LoadEditInputs(rState, *channel, ctx));
  rShared.assign(kFields, !all.empty());
  if (all.empty()) return {};
  ForEachField([&](int rField, auto rMember) {
    for (const ChannelEditInputs& in : all)
      if (!(in.*rMember == all.front().*rMember)) rShared[static_cast<std::size_t>(rField)] = false;
  });
  return all.front();
}

EditPatch PatchBetween(const ChannelEditInputs& rShown, const ChannelEditInputs& rEdited) {
  EditPatch patch;
  patch.Values = rEdited;
  patch.Fields.assign(kFields, false);
  ForEachField([&](int rField, auto rMember) {
    patch.Fields[static_cast<std::size_t>(rField)] = !(rShown.*rMember == rEdited.*rMember);
  });
  return patch;
}

bool AddFieldSetting(const AppState& rState, const std::string& rField, const std::string& rValue,
                     EditPatch& rPatch, std::string& rError) {
  const std::string field = Lower(rField);
  ChannelEditInputs& in = rPatch.Values;
  auto refuse = [&](const std::vector<std::string>& rTaken) {
    rError = FillText(OwnTextOf(rState, kBadValue), {field, rValue, Joined(rTaken)});
    return false;
  };
  if (field == "power") {
    const auto power = TxPowerOfWord(rValue);
    if (!power) {
      std::vector<std::string> words;
      for (const Choice& choice : TxPowerChoices()) words.emplace_back(Lower(std::string(choice.Fixed)));
      return refuse(words);
    }
    in.TxPower = PositionOfStored(TxPowerChoices(), *power);
    Set(rPatch, kFPower);
    return true;
  }
  if (field == "bandwidth") {
    const std::vector<std::string> words{"25K", "20K", "12.5K"};
    const int position = PositionIn(words, rValue);
    if (position < 0) return refuse(words);
    in.Bandwidth = position;
    Set(rPatch, kFBandwidth);
    return true;
  }
  if (field == "step") {
    const std::string text = !rValue.empty() && (rValue.back() == 'K' || rValue.back() == 'k') ? rValue : rValue + "K";
    const int position = PositionIn(ChannelStepTexts(), text);
    if (position < 0) return refuse(ChannelStepTexts());
    in.Step = position;
    Set(rPatch, kFStep);
    return true;
  }
  if (field == "skip") {
    const std::string value = Lower(rValue);
    if (value != "yes" && value != "no") return refuse({"yes", "no"});
    in.ScanSkip = value == "yes";
    Set(rPatch, kFScanSkip);
    return true;
  }
  if (field == "decode" || field == "encode") {
    if (SetTone(rState, rValue, rPatch, field == "decode")) return true;
    return refuse({"off", "67.0 .. 254.1", "D023N", "D023I"});
  }
  if (field == "name") {
    bool ok = rValue.size() <= static_cast<std::size_t>(kNameBoxes);
    for (const char c : rValue)
      if (c < 32 || c > 126 || c == '\\' || c == '~') ok = false;
    if (!ok) return refuse({OwnTextOf(rState, {"up to 7 characters of printable ASCII but \\ and ~",
                                               "最多 7 个可打印 ASCII 字符（\\ 和 ~ 除外）"})});
    in.NameBoxes = {};
    for (std::size_t k = 0; k < rValue.size(); ++k) in.NameBoxes[k] = std::string(1, rValue[k]);
    Set(rPatch, kFName);
    return true;
  }
  rError = FillText(OwnTextOf(rState, kUnknownField), {rField});
  return false;
}

std::vector<int> ApplyEditPatch(AppState& rState, const std::vector<int>& rRows, const EditPatch& rPatch,
                                UserInterface& rUi) {
  std::vector<int> changed;
  if (rPatch.Empty()) return changed;
  const FormatContext ctx = FormatContextOf(rState);
  for (const int row : rRows) {
    const ChannelRecord* channel = ChannelOf(rState, row);
    if (!channel) continue;
    const ChannelRecord before = *channel;
    ChannelEditInputs in = LoadEditInputs(rState, before, ctx);
    ForEachField([&](int rField, auto rMember) {
      if (rPatch.Fields[static_cast<std::size_t>(rField)]) in.*rMember = rPatch.Values.*rMember;
    });
    // Several channels are never cleared by an edit: Remove and Delete do that, asking.
    if (in.RxText.empty()) in.RxText = LoadEditInputs(rState, before, ctx).RxText;
    // The squelch choices follow the tones and signalling, as the editor's list does.
    in.Squelch = KeepSquelchChoice(SquelchChoices(in), in.Squelch);
    if (ApplyChannelEdit(rState, row, in, rUi) != EditOutcome::Stored) continue;
    const ChannelRecord* after = ChannelOf(rState, row);
    if (after && !(*after == before)) changed.push_back(row);
  }
  return changed;
}

}  // namespace px
