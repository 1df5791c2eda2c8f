// The pages whose settings are declared as field rows, under the record path of the
// array their rows index. A page declared in its rules module gets its row here.

#include "edit/alert_rules.h"
#include "edit/key_rules.h"
#include "edit/option_rules.h"
#include "edit/page_fields.h"
#include "edit/scan_rules.h"

namespace px {

namespace {

template <auto Member>
int ValueOf(const Codeplug& rPlug, std::size_t rSlot) {
  return (rPlug.Settings.*Member)[rSlot];
}

int OptionValueOf(const Codeplug& rPlug, std::size_t rSlot) { return rPlug.Settings.Options.OptionValues[rSlot]; }

}  // namespace

std::span<const DeclaredPage> DeclaredPages() {
  static const DeclaredPage pages[] = {
      {"scan", "Settings.Scan", ScanFields(), ValueOf<&RadioSettings::Scan>},
      {"alert", "Settings.Alert", AlertFields(), ValueOf<&RadioSettings::Alert>},
      {"keys", "Settings.KeyFunctions", KeyFields(), ValueOf<&RadioSettings::KeyFunctions>},
      {"options", "Settings.Options.OptionValues", OptionFields(), OptionValueOf},
  };
  return pages;
}

}  // namespace px
