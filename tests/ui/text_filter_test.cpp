// The widget kit's text handling: fixed texts one byte to one character, and the text
// filters against every way in, on plain boxes and on every dialog that has filtered
// boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <string>

#include "app/bands.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/filtered_boxes.h"
#include "support/temp_dir.h"
#include "ui/kit/fixed_text_widgets.h"
#include "ui/kit/widget_helpers.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_model.h"
#include "ui/main/frm_pass_word.h"

namespace px {
namespace {

using Accept = DialogTextFilter::Accept;

TEST(FixedTextWidgets, EveryByteIsOneCharacterBothWays) {
  std::string every;
  for (int b = 1; b < 256; ++b) every.push_back(static_cast<char>(b));
  const QString shown = FixedQ(every);
  ASSERT_EQ(shown.size(), 255);
  for (int i = 0; i < shown.size(); ++i) EXPECT_EQ(shown.at(i).unicode(), i + 1);
  EXPECT_EQ(FixedFromQ(shown), every);

  FixedText<7> name;
  name.Assign("\x41\xE9\xC4\xE3\x42");
  EXPECT_EQ(FixedQ(name), QString::fromUtf8("A\xc3\xa9\xc3\x84\xc3\xa3" "B"));  // display form, trimmed
  FixedText<7> back;
  AssignFixed(back, FixedQ(name));
  EXPECT_EQ(back, name);
  // No byte for a character beyond Latin-1: it cannot pass for another byte.
  EXPECT_EQ(FixedFromQ(QString::fromUtf8("A\xe4\xb8\xad")), "A?");
}

class TextFilter : public ::testing::Test {
 protected:
  void SetUp() override {
    mFrequency = NewText(&mWindow, "Frequency", 9, Accept::Frequency);
    mAscii = NewText(&mWindow, "Ascii", 9, Accept::Ascii);
    mDigits = NewText(&mWindow, "Digits", 5, Accept::Digits);
    mName = NewText(&mWindow, "Name", 1, Accept::NameChar);
    mNext = NewText(&mWindow, "Next", 1, Accept::NameChar);
    mWindow.setObjectName("Boxes");
    mWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mWindow));
  }

  QWidget mWindow;
  QLineEdit* mFrequency = nullptr;
  QLineEdit* mAscii = nullptr;
  QLineEdit* mDigits = nullptr;
  QLineEdit* mName = nullptr;
  QLineEdit* mNext = nullptr;
};

TEST_F(TextFilter, EveryKindRefusesWhatItCannotHoldWhateverTheWayIn) {
  test::ExpectFilteredBoxesRefuseEveryWayIn(&mWindow);
  EXPECT_EQ(test::FilteredBoxes(&mWindow).size(), 5u);
}

TEST_F(TextFilter, AcceptedTextStillComesInByInputMethodAndProgram) {
  test::CommitText(mFrequency, QStringLiteral("145"));
  mFrequency->insert(QStringLiteral(".5"));
  EXPECT_EQ(mFrequency->text(), "145.5");
  test::CommitText(mAscii, QStringLiteral("x1 y"));
  EXPECT_EQ(mAscii->text(), "x1 y");
  // A drop never comes in, not even one the box could hold: it is the clipboard too.
  test::DropText(mDigits, QStringLiteral("12"));
  EXPECT_EQ(mDigits->text(), "");

  // A composed character in a name box counts as typed: it takes the box, focus moves on.
  mName->setFocus();
  mName->setText(QStringLiteral("Q"));
  mName->selectAll();
  test::CommitText(mName, QStringLiteral("a"));
  EXPECT_EQ(mName->text(), "a");
  EXPECT_EQ(QApplication::focusWidget(), mNext);

  // The program may show any stored byte; the box keeps it until the user replaces it.
  mName->setText(FixedQ(std::string("\xE9")));
  EXPECT_EQ(FixedFromQ(mName->text()), "\xE9");
}

class DialogsWithFilteredBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.ProgramFolder = mDir.Path().string();
    CreateNewCodeplug(mState);
    RebuildBandTexts(mState);
    CopyToSaved(mState);
  }
  test::TempDir mDir;
  AppState mState;
};

TEST_F(DialogsWithFilteredBoxes, EveryFilteredBoxRefusesEveryWayIn) {
  {
    FrmCHEdit editor(mState, 5);
    editor.findChild<QLineEdit*>("RxFreq")->setText(QStringLiteral("145.5"));  // enables the rest
    test::ExpectFilteredBoxesRefuseEveryWayIn(&editor);
  }
  {
    FrmModel model(mState);
    test::ExpectFilteredBoxesRefuseEveryWayIn(&model);
  }
  {
    FrmPassWord password(mState, "");
    test::ExpectFilteredBoxesRefuseEveryWayIn(&password);
  }
}

}  // namespace
}  // namespace px
