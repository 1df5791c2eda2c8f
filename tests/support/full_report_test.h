#pragma once
// The fixture of the printing tests: the full codeplug, which fills every page, in a
// program folder with the shipped language files, saved under a temporary folder's name.

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/bands.h"
#include "codeplug/embedded_info.h"
#include "support/full_codeplug.h"
#include "support/language_home.h"
#include "support/temp_dir.h"

namespace px::test {

class FullReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mState = mHome.State();
    RebuildBandTexts(mState);
    FillFullCodeplug(mState);
    mState.FilePath = mDir.File("fleet.dat");
    mEmbedded.SerialNumber.Assign("SER0042");
  }

  LanguageHome mHome;
  TempDir mDir;
  AppState mState;
  EmbeddedInfo mEmbedded;
};

}  // namespace px::test
