#pragma once
// The fixture of the channel-work window tests: the main window on a started program,
// shown at a size that shows the whole grid, with an empty clipboard.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <memory>

#include "app/app_state.h"
#include "support/started_program.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"

namespace px::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QGuiApplication::clipboard()->clear();
    mWindow = std::make_unique<FrmMain>(mState);
    mWindow->resize(1100, 700);
    mWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mWindow.get()));
  }

  ChannelGrid& Grid() { return *mWindow->Grid(); }
  QString Cell(int rRow, int rCol) { return Grid().CellText(rRow, rCol); }

  AppState mState;
  StartedProgram mProgram{mState};
  std::unique_ptr<FrmMain> mWindow;
};

}  // namespace px::test
