#pragma once
// Program states for the page rules: a new codeplug with the shipped language files
// at hand, and a table of chosen memory channels.

#include <initializer_list>

#include "app/app_state.h"
#include "app/bands.h"
#include "edit/file_commands.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

namespace px::test {

class PageState {
 public:
  PageState() {
    MakeProgramFolder(mHome.Path());
    State.ProgramFolder = mHome.Path().string();
    RebuildBandTexts(State);
    CreateNewCodeplug(State);
  }

  // The table holds exactly these channels, in this order.
  void SetChannels(std::initializer_list<int> rNumbers) {
    State.Current.ChannelCount = 0;
    for (const int number : rNumbers) {
      ChannelRecord& channel = State.Channels[static_cast<std::size_t>(State.Current.ChannelCount++)];
      channel = ChannelRecord{};
      channel.Number = static_cast<Int16>(number);
      channel.InUse = 1;
    }
  }

  AppState State;

 private:
  TempDir mHome;
};

}  // namespace px::test
