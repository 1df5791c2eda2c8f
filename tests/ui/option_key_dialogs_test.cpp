// The optional-functions and programmable-keys dialogs on real widgets: a round trip of
// a few changed controls through OK into exactly the bytes expected, the reactions
// between controls, the key filters and Enter.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/dialog_driver.h"
#include "support/full_codeplug.h"
#include "support/scripted_ui.h"
#include "support/started_program.h"
#include "ui/kit/message_service.h"
#include "ui/settings/frm_key_set.h"
#include "ui/settings/frm_option.h"

namespace px {
namespace {

class OptionKeyDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillFullCodeplug(mState);
    CopyToSaved(mState);
  }
  void TearDown() override {
    mDialog.reset();
    for (const auto& text : mMessages.Texts()) ADD_FAILURE() << "unexpected message: " << text;
  }
  template <class Dialog>
  test::DialogDriver Open() {
    mDialog = std::make_unique<Dialog>(mState);
    mDialog->show();
    mDialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(mDialog.get()));
    return test::DialogDriver(mDialog.get());
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  ScriptedMessages mMessages;
  std::unique_ptr<QDialog> mDialog;
};

TEST_F(OptionKeyDialogsTest, OptionsRoundTripStoresExactlyTheChangedBytes) {
  mState.Current.Settings.KeyFunctions[1] = 10;  // P2 short press: FM radio
  mState.Current.Settings.Options.OptionValues[OptionSlot::WorkMode] = 1;
  mState.Current.Settings.Options.OptionValues[OptionSlot::ChannelDisplay] = 1;
  OptionSettings expected = mState.Current.Settings.Options;
  auto& v = expected.OptionValues;
  auto page = Open<FrmOption>();
  EXPECT_FALSE(page.List("Combo1_1")->isEnabled()) << "channel mode locks the display list";
  EXPECT_FALSE(page.List("Combo1_18")->isHidden());

  page.Pick("Combo1_0", 2);  // mixed mode
  EXPECT_TRUE(page.List("Combo1_1")->isEnabled());
  EXPECT_EQ(page.List("Combo1_1")->currentIndex(), 1);
  EXPECT_TRUE(page.List("Combo1_18")->isHidden());
  v[OptionSlot::WorkMode] = 2;
  v[OptionSlot::ChannelDisplay] = 0;
  page.Pick("Combo1_3", 5);
  v[OptionSlot::SquelchLevel] = 5;
  page.Pick("Combo1_10", 0);
  v[OptionSlot::TimeOutTimer] = 0;
  page.Pick("Combo1_14", 0);  // FM radio off
  v[OptionSlot::FmRadio] = 0;
  page.Tick("Check1_0", false);
  v[OptionSlot::KeyBeep] = 0;

  page.Type("Text1_0", "H");  // each accepted character moves on to the next box
  EXPECT_TRUE(page.Text("Text1_1")->hasFocus());
  QTest::keyClicks(page.Text("Text1_1"), "\\~i");
  for (const char* box : {"Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6"}) page.Type(box, "");
  expected.PowerOnMessage.Assign("Hi");
  page.Type("Text2", "12ab3x");
  EXPECT_EQ(page.Text("Text2")->text(), "123");
  expected.PowerOnPassword.Assign(std::string("123\0", 4));
  page.Tick("Check2", false);
  EXPECT_TRUE(page.Text("Text2")->isHidden());
  expected.OptionValue24 = 0;

  page.Ok();
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(mState.Current.Settings.Options.OptionValues, v);
  EXPECT_EQ(mState.Current.Settings.Options.PowerOnMessage.Raw(), expected.PowerOnMessage.Raw());
  EXPECT_EQ(mState.Current.Settings.Options.PowerOnPassword.Raw(), expected.PowerOnPassword.Raw());
  EXPECT_EQ(mState.Current.Settings.Options, expected);
  EXPECT_EQ(mState.Current.Settings.KeyFunctions[1], 0) << "the FM-radio key went with the FM radio";
  EXPECT_EQ(mState.Current.Settings.KeyFunctions[6], 7);
  EXPECT_TRUE(IsModified(mState));

  // Saved and opened again, the page is as it was set.
  test::ScriptedUi ui;
  const std::string path = mProgram.Dir().File("options.dat");
  ASSERT_TRUE(WriteCodeplug(mState, ui, path));
  mState.Current.Settings.Options = OptionSettings{};
  ASSERT_TRUE(OpenCodeplugFile(mState, ui, path));
  EXPECT_EQ(mState.Current.Settings.Options, expected);
  EXPECT_FALSE(IsModified(mState));
}

TEST_F(OptionKeyDialogsTest, OptionsShowTextBytesOneToOneAndEnterMovesOn) {
  mState.Current.Settings.Options.PowerOnMessage.Bytes[2] = static_cast<char>(0xE9);
  const OptionSettings before = mState.Current.Settings.Options;
  auto page = Open<FrmOption>();
  EXPECT_EQ(page.Text("Text1_2")->text(), QString(QChar(0xE9)));
  QComboBox* first = page.List("Combo1_0");
  first->setFocus();
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_FALSE(first->hasFocus());
  EXPECT_TRUE(mDialog->isVisible()) << "Enter presses no button";
  page.Ok();
  EXPECT_EQ(mState.Current.Settings.Options, before);
}

TEST_F(OptionKeyDialogsTest, KeysRoundTripRefusesTheFmRadioOnShortPressesWhileItIsOff) {
  mState.Current.Settings.Options.OptionValues[OptionSlot::FmRadio] = 0;
  mState.Current.Settings.KeyFunctions[4] = 30;  // outside the list
  KeyFunctionBytes expected = mState.Current.Settings.KeyFunctions;
  auto page = Open<FrmKeySet>();
  EXPECT_EQ(page.List("Combo1_4")->currentIndex(), 0);
  EXPECT_EQ(page.Entries("Combo1_0").size(), 21);
  page.Pick("Combo1_2", 10);  // P3 short press
  EXPECT_EQ(page.List("Combo1_2")->currentIndex(), 0);
  page.Pick("Combo1_7", 10);  // P3 long press
  EXPECT_EQ(page.List("Combo1_7")->currentIndex(), 10);
  page.Pick("Combo1_14", 20);
  expected[2] = 0;
  expected[4] = 0;
  expected[7] = 10;
  expected[14] = 20;
  page.Ok();
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(mState.Current.Settings.KeyFunctions, expected);
}

}  // namespace
}  // namespace px
