// The pages whose settings are declared as field rows, under the record path of the
// array their rows index (or of the record whose members they are). A page declared in
// its rules module gets its row here.

#include "edit/alert_rules.h"
#include "edit/dtmf_rules.h"
#include "edit/five_tone_rules.h"
#include "edit/key_rules.h"
#include "edit/option_rules.h"
#include "edit/page_fields.h"
#include "edit/scan_rules.h"
#include "edit/two_tone_rules.h"

#include <type_traits>

namespace px {

namespace {

template <auto Member>
int ValueOf(const Codeplug& rPlug, std::size_t rSlot) {
  return (rPlug.Settings.*Member)[rSlot];
}

template <auto Member>
void StoreOf(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  auto& values = rPlug.Settings.*Member;
  values[rSlot] = static_cast<typename std::remove_reference_t<decltype(values)>::value_type>(rValue);
}

int TwoToneValueOf(const Codeplug& rPlug, std::size_t rSlot) { return rPlug.Settings.TwoTone.Header[rSlot]; }
void StoreTwoToneValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  rPlug.Settings.TwoTone.Header[rSlot] = static_cast<Byte>(rValue);
}

int FiveToneValueOf(const Codeplug& rPlug, std::size_t rSlot) {
  return FiveToneValuesOf(rPlug.Settings.FiveTone, rPlug.FiveToneLastOption)[rSlot];
}
void StoreFiveToneValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  FiveToneValues values = FiveToneValuesOf(rPlug.Settings.FiveTone, rPlug.FiveToneLastOption);
  values[rSlot] = rValue;
  SetFiveToneValues(values, rPlug.Settings.FiveTone, rPlug.FiveToneLastOption);
}

int OptionValueOf(const Codeplug& rPlug, std::size_t rSlot) { return rPlug.Settings.Options.OptionValues[rSlot]; }
void StoreOptionValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  rPlug.Settings.Options.OptionValues[rSlot] = static_cast<Int16>(rValue);
}

int DtmfValueOf(const Codeplug& rPlug, std::size_t rSlot) { return DtmfValuesOf(rPlug.Settings.Dtmf)[rSlot]; }
void StoreDtmfValue(Codeplug& rPlug, std::size_t rSlot, int rValue) {
  DtmfValues values = DtmfValuesOf(rPlug.Settings.Dtmf);
  values[rSlot] = static_cast<Int16>(rValue);
  SetDtmfValues(values, rPlug.Settings.Dtmf);
}

}  // namespace

std::span<const DeclaredPage> DeclaredPages() {
  static const DeclaredPage pages[] = {
      {"scan", "Settings.Scan", ScanFields(), ValueOf<&RadioSettings::Scan>, StoreOf<&RadioSettings::Scan>},
      {"alert", "Settings.Alert", AlertFields(), ValueOf<&RadioSettings::Alert>, StoreOf<&RadioSettings::Alert>},
      {"keys", "Settings.KeyFunctions", KeyFields(), ValueOf<&RadioSettings::KeyFunctions>,
       StoreOf<&RadioSettings::KeyFunctions>},
      {"options", "Settings.Options.OptionValues", OptionFields(), OptionValueOf, StoreOptionValue},
      {"dtmf", "Settings.Dtmf", DtmfFields(), DtmfValueOf, StoreDtmfValue},
      {"twotone", "Settings.TwoTone.Header", TwoToneFields(), TwoToneValueOf, StoreTwoToneValue},
      {"fivetone", "Settings.FiveTone", FiveToneFields(), FiveToneValueOf, StoreFiveToneValue},
  };
  return pages;
}

}  // namespace px
