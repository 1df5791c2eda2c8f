// Arbitrary codeplugs, parsed from arbitrary bytes as the codeplug file and its channel
// records, then encoded. Whatever they hold, the encoders write only inside the image
// (a heap block of exactly its size) and never below 0x0100, which a write does not send.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "codeplug/codeplug_file.h"
#include "link/codec.h"

namespace {

class SilentUi : public px::UserInterface {
 public:
  int Told = 0;
  px::MsgAnswer Ask(const std::string&, px::MsgButtons, px::MsgIcon) override {
    ++Told;
    return px::MsgAnswer::Ok;
  }
  std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* rData, std::size_t rSize) {
  // The buffers, the state and the image live for the process and are reset per input:
  // fresh ones cost more page faults than the encoding itself.
  static std::vector<px::Byte> file;
  file.assign(rData, rData + std::min(rSize, px::kCodeplugFileSize));
  file.resize(px::kCodeplugFileSize);
  static const px::AppState kBlank;
  static px::AppState state;
  state = kBlank;
  if (!px::ParseCodeplug(file, state.Current)) return 0;

  // The rest of the input is channel records, repeated to fill the slots the encoder
  // reads (those below the count, bounded by the table); the others stay blank.
  const std::size_t rest = rSize > file.size() ? rSize - file.size() : 0;
  std::vector<px::Byte> record(px::kChannelRecordSize, 0);
  const int count = state.Current.ChannelCount < 0 ? 0 : state.Current.ChannelCount;
  const std::size_t used = std::min<std::size_t>(static_cast<std::size_t>(count), state.Channels.size());
  for (std::size_t slot = 0; slot < used; ++slot) {
    for (std::size_t i = 0; i < record.size(); ++i)
      record[i] = rest == 0 ? 0 : rData[file.size() + (slot * record.size() + i) % rest];
    state.Channels[slot] = px::ParseChannel(record.data());
  }

  static const auto image = std::make_unique<px::RadioImage>();
  image->fill(0);
  SilentUi ui;
  const bool ok = px::EncodeCodeplug(state, *image, ui);
  if (ok != (ui.Told == 0) || ui.Told > 1) __builtin_trap();
  for (std::size_t a = 0; a < px::kWriteStart; ++a)
    if ((*image)[a] != 0) __builtin_trap();
  return 0;
}
