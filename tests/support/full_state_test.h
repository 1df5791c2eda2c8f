#pragma once
// The fixture of the core's page checks: the full codeplug, which fills every page, in a
// program folder with the shipped language files.

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "support/full_codeplug.h"
#include "support/program_folder.h"
#include "support/temp_dir.h"

namespace px::test {

class FullStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeProgramFolder(mHome.Path());
    mState.ProgramFolder = mHome.Path().string();
    FillFullCodeplug(mState);
  }
  TempDir mHome;
  AppState mState;
};

}  // namespace px::test
