#include "edit/five_tone_standards.h"

#include "app/language.h"

namespace px {
namespace {

constexpr std::array<FiveToneStandard, kFiveToneStandardCount> kStandards{{
    {"ZVEI1", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
                   "2800", "810", "970", "885", "2600", "680"}},
    {"ZVEI2", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
                   "885", "810", "740", "680", "970", "2600"}},
    {"ZVEI3", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
                   "885", "", "", "", "2400", ""}},
    {"PZVEI", 70, {"2400", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000", "2200",
                   "970", "810", "2800", "885", "2600", "680"}},
    {"DZVEI", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
                   "825/885", "740", "2600", "885", "2400", "680"}},
    {"PDZVEI", 70, {"2200", "970", "1060", "1160", "1270", "1400", "1530", "1670", "1830", "2000",
                    "825", "886", "2600", "856", "2400", ""}},
    {"CCIR1", 100, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                    "2400", "930", "2247", "991", "2110", "1055"}},
    {"CCIR2", 70, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                   "2400", "930", "2247", "991", "2110", "1055"}},
    {"PCCIR", 100, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                    "1050", "930", "2400", "991", "2110", ""}},
    {"EEA", 40, {"1981", "1124", "1197", "1275", "1358", "1446", "1540", "1640", "1747", "1860",
                 "1055", "930", "2400", "991", "2110", "2247"}},
    {"EURO SIGNAL", 100, {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0",
                          "510.7", "470.8", "", "", "", "", "1062.9", ""}},
    {"NATEL", 70, {"1633", "631", "697", "770", "852", "941", "1040", "1209", "1336", "1477",
                   "1995", "571", "2205", "2437", "1805", "2694"}},
    {"MODAT", 40, {"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5",
                   "1837.5", "1987.5", "", "", "", "", "487.5", ""}},
    {"CCITT", 70, {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0",
                   "1663.0", "1800.0", "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", "0.0"}},
}};

constexpr std::array<Choice, kFiveToneStandardCount> MakeStandardChoices() {
  std::array<Choice, kFiveToneStandardCount> choices{};
  for (int i = 0; i < kFiveToneStandardCount; ++i)
    choices[static_cast<std::size_t>(i)] = Choice{0, kStandards[static_cast<std::size_t>(i)].Name, i};
  return choices;
}
constexpr std::array<Choice, kFiveToneStandardCount> kStandardChoices = MakeStandardChoices();

constexpr int kTextToneDuration = 60086;
constexpr int kTextGroupCode = 60087;
constexpr int kTextRepeatCode = 60088;

}  // namespace

std::span<const FiveToneStandard> FiveToneStandards() { return kStandards; }

const FiveToneStandard& FiveToneStandardAt(int rIndex) {
  if (rIndex < 0 || rIndex >= kFiveToneStandardCount) return kStandards.front();
  return kStandards[static_cast<std::size_t>(rIndex)];
}

ChoiceTable FiveToneStandardChoices() { return kStandardChoices; }

std::string ToneTableText(const AppState& rState, int rStandard) {
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  const FiveToneStandard& standard = FiveToneStandardAt(rStandard);
  const std::string_view eol = "\r\n";
  std::string text;
  text.append(standard.Name).append(eol);
  text.append(LangOption(rState, kTextToneFrequency)).append("(Hz)").append(eol);
  for (std::size_t i = 0; i < kDigits.size(); ++i)
    text.append(1, kDigits[i]).append(" ").append(standard.Tones[i]).append(eol);
  text.append(LangOption(rState, kTextToneDuration)).append("(ms) ");
  text.append(std::to_string(standard.DefaultDurationMs)).append(eol);
  text.append(LangOption(rState, kTextGroupCode)).append(" A").append(eol);
  text.append(LangOption(rState, kTextRepeatCode)).append(" E").append(eol);
  return text;
}

}  // namespace px
