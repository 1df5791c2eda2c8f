// The 5-Tone page on the real dialogs, offscreen: a round trip, the code cells, each
// special call into a code row and a PTT ID code, the own ID refusal, the user tone
// table and the renumbering after a code is freed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <functional>
#include <memory>

#include "app/language.h"
#include "edit/five_tone_rules.h"
#include "link/codec.h"
#include "support/scripted_ui.h"
#include "support/started_program.h"
#include "ui/kit/message_service.h"
#include "ui/signalling/frm_five_tone.h"
#include "ui/signalling/frm_five_tone_def_ts.h"
#include "ui/signalling/frm_special.h"

namespace px {
namespace {

class FiveTonePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FiveToneSettings& five = mState.Current.Settings.FiveTone;
    five.PageText.Assign("12345");
    five.PageBytes[3] = 5;
  }
  void TearDown() override { mDialog.reset(); }

  FiveToneSettings& Five() { return mState.Current.Settings.FiveTone; }
  Frm5Tone& Open() {
    mDialog = std::make_unique<Frm5Tone>(mState);
    mDialog->show();
    mDialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(mDialog.get()));
    return *mDialog;
  }
  template <typename T>
  T* Find(const char* rName, QWidget* rIn = nullptr) {
    T* widget = (rIn != nullptr ? rIn : mDialog.get())->findChild<T*>(rName);
    EXPECT_NE(widget, nullptr) << rName;
    return widget;
  }
  QTableWidget* Grid() { return Find<QTableWidget>("MSHFlexGrid1"); }
  QString Cell(int rRow, int rCol) { return Grid()->item(rRow - 1, rCol)->text(); }
  void Click(const char* rName, QWidget* rIn = nullptr) {
    QTest::mouseClick(Find<QPushButton>(rName, rIn), Qt::LeftButton);
  }
  // Enters a cell of the code list as a click does.
  void EnterCell(int rRow, int rCol) {
    Grid()->scrollToItem(Grid()->item(rRow - 1, rCol));
    Grid()->setCurrentCell(rRow - 1, rCol);
  }
  // The point of a cell of the code list on the grid's viewport, scrolled into view.
  QPoint CellPoint(int rRow, int rCol) {
    Grid()->scrollToItem(Grid()->item(rRow - 1, rCol));
    return Grid()->visualRect(Grid()->model()->index(rRow - 1, rCol)).center();
  }
  void ClickCell(int rRow, int rCol) { QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellPoint(rRow, rCol)); }
  void TypeCode(int rRow, const QString& rKeys) {
    EnterCell(rRow, 2);
    auto* editor = Find<QLineEdit>("Text3");
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClicks(editor, rKeys);
    QTest::keyClick(editor, Qt::Key_Return);
  }
  // Runs rWork on the modal dialog that rOpen brings up.
  void WithModal(const std::function<void()>& rOpen, const std::function<void(QWidget*)>& rWork) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || modal == mDialog.get()) return;
      seen = true;
      rWork(modal);
    });
    rOpen();
    EXPECT_TRUE(seen);
  }
  void Ok() { Click("CommandOK"); }

  AppState mState;
  test::StartedProgram mProgram{mState};
  ScriptedMessages mMessages;
  std::unique_ptr<Frm5Tone> mDialog;
};

TEST_F(FiveTonePageTest, RoundTripThroughTheControls) {
  Five().Codes[0].Empty = 0;
  Five().Codes[0].Digits.Assign("1E23");
  Five().Codes[0].CodeBytes = {0, 6, 4, 100};
  Five().Codes[0].Name.Assign("BASE");
  Open();
  EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "12345");
  EXPECT_EQ(Cell(1, 2), "1E23");
  EXPECT_EQ(Cell(1, 3), "CCIR1");
  EXPECT_EQ(Cell(1, 4), "100");
  EXPECT_EQ(Cell(1, 5), "BASE");
  EXPECT_EQ(Cell(2, 3), "ZVEI1");
  EXPECT_EQ(Cell(2, 4), "70");
  EXPECT_TRUE(Find<QPlainTextEdit>("Text1")->toPlainText().startsWith("ZVEI1\n"));

  auto* standard = Find<QComboBox>("Combo1_1");
  standard->setCurrentIndex(9);  // EEA
  EXPECT_EQ(Find<QComboBox>("Combo1_3")->currentText(), "40");
  EXPECT_TRUE(Find<QPlainTextEdit>("Text1")->toPlainText().startsWith("EEA\n"));
  Find<QComboBox>("Combo1_10")->setCurrentIndex(3);  // D
  EXPECT_TRUE(Find<QComboBox>("Combo1_9")->isEnabled());
  Find<QCheckBox>("Check1")->setChecked(true);

  TypeCode(2, "1122c");
  EXPECT_EQ(Cell(2, 2), "1E2EC");
  auto* rowStandard = Find<QComboBox>("Combo2");
  ASSERT_TRUE(rowStandard->isVisible()) << "Enter with a code moves on to the standard";
  rowStandard->setCurrentIndex(6);  // CCIR1
  EXPECT_EQ(Cell(2, 4), "100");
  EnterCell(2, 5);
  QTest::keyClicks(Find<QLineEdit>("Text6"), "NEW");
  EnterCell(3, 2);
  EXPECT_EQ(Cell(2, 5), "NEW");
  Find<QComboBox>("Combo4_0")->setCurrentIndex(11);  // NATEL
  EXPECT_EQ(Find<QComboBox>("Combo5_0")->currentText(), "70");
  Find<QComboBox>("Combo5_0")->setCurrentIndex(0);
  Find<QLineEdit>("Text4_0")->setText("4455");

  Ok();
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_TRUE(mMessages.Texts().empty());
  EXPECT_EQ(Five().PageBytes[2], 9);
  EXPECT_EQ(Five().PageBytes[4], 40);
  EXPECT_EQ(Five().PageWords[2], 13);
  EXPECT_EQ(Five().PageWords[4], 1);
  const FiveToneCode& typed = Five().Codes[1];
  EXPECT_EQ(typed.Empty, 0);
  EXPECT_EQ(typed.Digits.Display(), "1E2EC");
  EXPECT_EQ(typed.CodeBytes[2], 5);
  EXPECT_EQ(typed.CodeBytes[1], 6);
  EXPECT_EQ(typed.CodeBytes[3], 100);
  EXPECT_EQ(typed.Name.Display(), "NEW");
  EXPECT_EQ(Five().SpecialCodeA.Digits.Display(), "4E5E");
  EXPECT_EQ(Five().SpecialCodeA.CodeBytes[1], 11);
  EXPECT_EQ(Five().SpecialCodeA.CodeBytes[3], 30);
  EXPECT_EQ(Five().PageBytes[4], 40) << "the frame's duration is its own";

  Open();
  EXPECT_EQ(Cell(2, 2), "1E2EC");
  EXPECT_EQ(Cell(2, 5), "NEW");
  EXPECT_EQ(Find<QComboBox>("Combo1_1")->currentText(), "EEA");
  EXPECT_EQ(Find<QLineEdit>("Text4_0")->text(), "4E5E");
  EXPECT_TRUE(Find<QCheckBox>("Check1")->isChecked());
}

TEST_F(FiveTonePageTest, CancelChangesNothing) {
  const Codeplug before = mState.Current;
  Open();
  TypeCode(5, "777");
  Find<QComboBox>("Combo1_1")->setCurrentIndex(3);
  Click("CommandCancel");
  EXPECT_EQ(mDialog->result(), QDialog::Rejected);
  EXPECT_TRUE(mState.Current == before);
}

TEST_F(FiveTonePageTest, EachSpecialCallIntoACodeRowAndAPttIdCode) {
  struct Case {
    int Type;
    const char* Called;
    const char* Message;
    const char* RowType;
    const char* RowCode;   // after OK
    const char* PttCode;   // in the begin box
  } cases[] = {
      {kSpecialMessage, "11223", "OK", "Message", "E1E12E3E4F4B", "E1E12E3E4F4B"},
      {kSpecialAni, "54321", "", "ANI", "54321D12345", "54321D12345"},
      {kSpecialPttId, "", "", "PTTID", "E612345", "E612345"},
  };
  int row = 1;
  for (const Case& c : cases) {
    Open();
    auto fill = [&c](QWidget* rSpecial) {
      rSpecial->findChild<QComboBox*>("Combo1")->setCurrentIndex(c.Type);
      rSpecial->findChild<QLineEdit*>("Text1")->setText(c.Called);
      rSpecial->findChild<QLineEdit*>("Text2")->setText(c.Message);
      QTest::mouseClick(rSpecial->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
    };
    EnterCell(row, 1);
    WithModal([&] { Click("Command1"); }, fill);
    EXPECT_EQ(Cell(row, 1), c.RowType);
    WithModal([&] { Click("Command2"); }, fill);
    EXPECT_EQ(Find<QLineEdit>("Text4_0")->text(), c.PttCode);
    Ok();
    EXPECT_EQ(mDialog->result(), QDialog::Accepted) << c.RowType;
    const FiveToneCode& code = Five().Codes[static_cast<std::size_t>(row - 1)];
    EXPECT_EQ(code.Empty, 0);
    EXPECT_EQ(code.Digits.Display(), c.RowCode);
    EXPECT_EQ(code.CodeBytes[2], std::string_view(c.RowCode).size());
    EXPECT_EQ(Five().SpecialCodeA.Digits.Display(), c.PttCode);
    ++row;
  }
  EXPECT_TRUE(mMessages.Texts().empty());

  // Reopened, the list shows what each call is.
  Open();
  EXPECT_EQ(Cell(1, 2).left(5), "11223");
  EXPECT_TRUE(Cell(1, 2).endsWith("(with message)"));
  EXPECT_EQ(Cell(2, 2), "54321");
  EXPECT_EQ(Cell(3, 2), "");
}

TEST_F(FiveTonePageTest, EnterWalksTheCodeListAndDoubleClickResetsASpecialCall) {
  Five().Codes[99].Empty = 0;
  Five().Codes[99].Digits.Assign("E612345");
  Five().Codes[99].CodeBytes[2] = 7;
  Open();
  EnterCell(99, 2);
  auto* code = Find<QLineEdit>("Text3");
  QTest::keyClick(code, Qt::Key_Return);
  EXPECT_EQ(Grid()->currentRow(), 99) << "an empty code moves down a row";
  EXPECT_EQ(Cell(100, 1), "PTTID");
  QTest::keyClick(code, Qt::Key_Return);
  EXPECT_EQ(Grid()->currentRow(), 0) << "after the last row the first";
  EXPECT_TRUE(code->isVisible());

  EnterCell(100, 2);
  mMessages.Answer(MsgAnswer::Ok);
  QTest::mouseDClick(code, Qt::LeftButton);
  EXPECT_EQ(mMessages.Texts(), std::vector<std::string>{"Reset Special Call of this channel,OK or Not?"});
  EXPECT_EQ(Cell(100, 1), "");
  Ok();
  EXPECT_EQ(Five().Codes[99].CodeBytes[2], 0);
  EXPECT_EQ(Five().Codes[99].Empty, 0);
}

// Resetting a special call leaves its row as the reset says (length 0, blank digits,
// type and code cells empty, still in use), whichever editor was open when the code cell
// was double-clicked: the cell's own editor, none, or another cell's.
TEST_F(FiveTonePageTest, ResetOfASpecialCallHoldsWhateverEditorWasOpen) {
  enum class Way { OnItsEditor, OnTheGrid, FromAnotherCell };
  const struct {
    const char* Digits;
    const char* Type;
  } calls[] = {{"54321D12345", "ANI"}, {"E1E2345E4F4B", "Message"}, {"E612345", "PTTID"}};
  for (const Way way : {Way::OnItsEditor, Way::OnTheGrid, Way::FromAnotherCell}) {
    for (const auto& call : calls) {
      const std::string where = std::string(call.Digits) + " way " + std::to_string(static_cast<int>(way));
      FiveToneCode& code = Five().Codes[9];
      code.Empty = 0;
      code.Digits.Assign(call.Digits);
      code.CodeBytes = {0, 3, static_cast<Byte>(std::string_view(call.Digits).size()), 50};
      code.Name.Assign("KEEP");
      Open();
      EXPECT_EQ(Cell(10, 1), call.Type) << where;
      if (way == Way::OnItsEditor) {
        ClickCell(10, 2);
        auto* editor = Find<QLineEdit>("Text3");
        ASSERT_TRUE(editor->isVisible()) << where;
        mMessages.Answer(MsgAnswer::Ok);
        QTest::mouseDClick(editor, Qt::LeftButton);
      } else {
        // Through the window, so that each click reaches the widget under it: the first
        // opens the cell's editor, the double click then lands on that editor.
        if (way == Way::FromAnotherCell) ClickCell(10, 5);
        mMessages.Answer(MsgAnswer::Ok);
        const QPoint at = Grid()->viewport()->mapTo(mDialog.get(), CellPoint(10, 2));
        QTest::mouseDClick(mDialog->windowHandle(), Qt::LeftButton, {}, at);
      }
      EXPECT_EQ(mMessages.Texts(), std::vector<std::string>{"Reset Special Call of this channel,OK or Not?"}) << where;
      mMessages.Requests.clear();
      EXPECT_EQ(Cell(10, 1), "") << where;
      EXPECT_EQ(Cell(10, 2), "") << where;
      Ok();
      ASSERT_EQ(mDialog->result(), QDialog::Accepted) << where;
      const FiveToneCode& stored = Five().Codes[9];
      EXPECT_EQ(stored.Empty, 0) << where;
      EXPECT_EQ(stored.CodeBytes[2], 0) << where;
      EXPECT_EQ(stored.Digits.Raw(), std::string(40, ' ')) << where;
      EXPECT_EQ(stored.CodeBytes[1], 3) << where;
      EXPECT_EQ(stored.CodeBytes[3], 50) << where;
      EXPECT_EQ(stored.Name.Display(), "KEEP") << where;
      Open();
      EXPECT_EQ(Cell(10, 1), "") << where;
      EXPECT_EQ(Cell(10, 2), "") << where;
      mDialog->reject();
    }
  }
}

// The code cell of a message call shows its called code and words; its editor edits the
// code alone. Left unchanged the call stays; edited, the row holds what was typed; and
// whatever happens the stored digits are code digits that the radio takes.
TEST_F(FiveTonePageTest, EditingAMessageCallsCellEditsTheCodeNotItsWords) {
  const struct {
    const char* Digits;
    bool Backspace;
    const char* Stored;
  } cases[] = {
      {"E1E2345E4F4B", true, "1234"},
      {"E1E2345E4F4B", false, "E1E2345E4F4B"},
      {"54321D12345", true, "5432"},
      {"54321D12345", false, "54321D12345"},
  };
  for (const auto& c : cases) {
    FiveToneCode& code = Five().Codes[4];
    code.Empty = 0;
    code.Digits.Assign(c.Digits);
    code.CodeBytes[2] = static_cast<Byte>(std::string_view(c.Digits).size());
    Open();
    ClickCell(5, 2);
    auto* editor = Find<QLineEdit>("Text3");
    ASSERT_TRUE(editor->isVisible()) << c.Digits;
    EXPECT_EQ(editor->text().left(5), Cell(5, 2).left(5)) << c.Digits;
    EXPECT_FALSE(editor->text().contains(QLatin1Char(' '))) << c.Digits << ": " << editor->text().toStdString();
    QTest::keyClick(editor, Qt::Key_End);
    if (c.Backspace) QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    Ok();
    ASSERT_EQ(mDialog->result(), QDialog::Accepted) << c.Digits;
    const FiveToneCode& stored = Five().Codes[4];
    EXPECT_EQ(stored.Digits.Display(), c.Stored) << c.Digits;
    EXPECT_EQ(stored.CodeBytes[2], std::string_view(c.Stored).size()) << c.Digits;
    RadioImage image{};
    test::ScriptedUi ui;
    EXPECT_TRUE(EncodeCodeplug(mState, image, ui)) << c.Digits;
    EXPECT_TRUE(ui.Questions.empty()) << c.Digits;
  }
}

// A PTT ID made with the special call dialog before there is an own ID is the prefix
// "E6" alone; the own ID typed afterwards goes in behind it, in the box and when stored.
TEST_F(FiveTonePageTest, PttIdMadeBeforeTheOwnIdTakesItWhenItIsTyped) {
  Five().PageText.Assign(std::string(1, '\0'));  // as a new codeplug has it
  Five().PageBytes[3] = 0;
  Open();
  WithModal([&] { Click("Command2"); }, [&](QWidget* rSpecial) {
    auto* type = rSpecial->findChild<QComboBox*>("Combo1");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Home);
    QTest::keyClick(type, Qt::Key_Down);
    QTest::keyClick(type, Qt::Key_Down);
    ASSERT_EQ(type->currentText(), "PTTID");
    QTest::mouseClick(rSpecial->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
  });
  auto* begin = Find<QLineEdit>("Text4_0");
  EXPECT_EQ(begin->text(), "E6");

  mDialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(mDialog.get()));
  auto* ownId = Find<QLineEdit>("Text2");
  QTest::mouseClick(ownId, Qt::LeftButton);
  ASSERT_TRUE(ownId->hasFocus());
  QTest::keyClicks(ownId, "24680");
  QTest::keyClick(ownId, Qt::Key_Tab);
  EXPECT_FALSE(ownId->hasFocus());
  EXPECT_EQ(begin->text(), "E624680");
  Ok();
  ASSERT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(Five().PageText.Display(), "24680");
  EXPECT_EQ(Five().SpecialCodeA.Digits.Display(), "E624680");
  EXPECT_EQ(Five().SpecialCodeA.CodeBytes[2], 7);
}

// Cancel straight from the own ID box: neither an unfinished ID is pointed out nor a
// finished one taken over.
TEST_F(FiveTonePageTest, CancelFromTheOwnIdBoxSaysAndChangesNothing) {
  const Codeplug before = mState.Current;
  for (const char* typed : {"123", "67890"}) {
    Open();
    auto* ownId = Find<QLineEdit>("Text2");
    ownId->setFocus();
    ownId->setText(typed);
    Click("CommandCancel");
    QApplication::processEvents();
    EXPECT_EQ(mDialog->result(), QDialog::Rejected) << typed;
    EXPECT_TRUE(mState.Current == before) << typed;
    EXPECT_EQ(mMessages.Texts(), std::vector<std::string>{}) << typed;
  }
}

TEST_F(FiveTonePageTest, OwnIdMustHaveFiveDigits) {
  const Codeplug before = mState.Current;
  Open();
  auto* ownId = Find<QLineEdit>("Text2");
  ownId->setText("123");
  Ok();
  QApplication::processEvents();  // leaving the box points it out once the click is over
  EXPECT_EQ(mMessages.Texts(), std::vector<std::string>{"The ID must have 5 digits."});
  EXPECT_TRUE(mDialog->isVisible());
  EXPECT_TRUE(mState.Current == before);

  // Taken over on leaving with five digits: the PTT ID codes follow it.
  Five().SpecialCodeB.Digits.Assign("E612345");
  Five().SpecialCodeB.CodeBytes[2] = 7;
  Open();
  ownId = Find<QLineEdit>("Text2");
  ownId->setFocus();
  ownId->setText("67890");
  Find<QComboBox>("Combo1_1")->setFocus();
  EXPECT_EQ(Find<QLineEdit>("Text4_1")->text(), "E6E7890");
  Ok();
  EXPECT_EQ(Five().PageText.Display(), "67890");
  EXPECT_EQ(Five().SpecialCodeB.Digits.Display(), "E6E7890");
}

TEST_F(FiveTonePageTest, UserToneTableIsClampedAndKeptByOkOnly) {
  Open();
  WithModal([&] { Click("Command4"); }, [&](QWidget* rTable) {
    // A modal dialog opened offscreen does not always become the active window, so the
    // boxes are left by the event itself.
    auto leave = [](QLineEdit* rBox) {
      QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(rBox, &out);
    };
    auto* low = rTable->findChild<QLineEdit*>("Text1_0");
    auto* high = rTable->findChild<QLineEdit*>("Text1_1");
    EXPECT_EQ(low->text(), "2400.0");
    low->setText("100");
    leave(low);
    EXPECT_EQ(low->text(), "288.5");
    high->setText("4000");
    leave(high);
    EXPECT_EQ(high->text(), "3106.0");
    rTable->findChild<QLineEdit*>("Text1_3")->setText("1234.45");
    QTest::mouseClick(rTable->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
  });
  EXPECT_EQ(Five().ToneTable[0], 24000) << "the page's OK stores it, not the table's";
  Ok();
  EXPECT_EQ(Five().ToneTable[0], 2885);
  EXPECT_EQ(Five().ToneTable[1], 31060);
  EXPECT_EQ(Five().ToneTable[3], 12344);

  Open();
  WithModal([&] { Click("Command4"); }, [&](QWidget* rTable) {
    rTable->findChild<QLineEdit*>("Text1_0")->setText("3000");
    QTest::mouseClick(rTable->findChild<QPushButton*>("CommandCancel"), Qt::LeftButton);
  });
  Ok();
  EXPECT_EQ(Five().ToneTable[0], 2885);
}

TEST_F(FiveTonePageTest, FreeingACodeRenumbersChannelsAndTheAlertCode) {
  for (const std::size_t k : {2u, 5u}) {
    Five().Codes[k].Empty = 0;
    Five().Codes[k].Digits.Assign("123");
    Five().Codes[k].CodeBytes[2] = 3;
  }
  mState.Channels[0].SignallingType = 3;
  mState.Channels[0].FiveToneEntryNumber = 5;
  mState.Current.Settings.Alert[1] = 2;
  mState.Current.Settings.Alert[2] = 5;
  Open();
  EnterCell(6, 2);
  Find<QLineEdit>("Text3")->clear();
  EnterCell(7, 2);
  EXPECT_EQ(Cell(6, 2), "");
  Ok();
  EXPECT_EQ(Five().Codes[5].Empty, 1);
  EXPECT_EQ(mState.Channels[0].FiveToneEntryNumber, 2);
  EXPECT_EQ(mState.Current.Settings.Alert[2], 2);
}

TEST_F(FiveTonePageTest, InformationCodesAndTheirCheck) {
  Open();
  auto* number = Find<QComboBox>("Combo6");
  auto* function = Find<QComboBox>("Combo7_0");
  auto* response = Find<QComboBox>("Combo7_1");
  EXPECT_FALSE(function->isEnabled());
  number->setCurrentIndex(0);
  function->setCurrentIndex(kDecodeStun);
  EXPECT_FALSE(response->isEnabled());
  Find<QLineEdit>("Text5")->setText("999");
  Find<QLineEdit>("Text7")->setText("STUN");
  number->setCurrentIndex(1);
  function->setCurrentIndex(1);
  EXPECT_EQ(response->count(), 2);
  Ok();
  EXPECT_EQ(mMessages.Texts(), std::vector<std::string>{"A kill or stun code needs a wake-up code as well."});
  EXPECT_TRUE(mDialog->isVisible());
  function->setCurrentIndex(kDecodeWakeUp);
  Find<QLineEdit>("Text5")->setText("888");
  Ok();
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(Five().InfoCodes[0].CodeBytes[0], kDecodeStun);
  EXPECT_EQ(Five().InfoCodes[0].Name.Display(), "STUN");
  EXPECT_EQ(Five().InfoCodes[1].Code.Display(), "888");
}

// Pictures of the page with a full code list, the special call dialog and the tone table
// dialog in both languages, when PX_SHOT_DIR names a folder.
TEST_F(FiveTonePageTest, Screenshots) {
  const char* dir = std::getenv("PX_SHOT_DIR");
  if (dir == nullptr) GTEST_SKIP() << "PX_SHOT_DIR not set";
  for (std::size_t k = 0; k < Five().Codes.size(); ++k) {
    FiveToneCode& code = Five().Codes[k];
    code.Empty = 0;
    const std::string digits = k % 4 == 0 ? "E11E2E3E4142" : k % 4 == 1 ? "54321DSelfID" : k % 4 == 2 ? "E612345" : "1E23";
    code.Digits.Assign(digits);
    code.CodeBytes = {0, static_cast<Byte>(k % 14), static_cast<Byte>(digits.size()), 70};
    code.Name.Assign("NAME" + std::to_string(k));
  }
  for (const Int16 language : {kEnglish, kChinese}) {
    SetLanguage(mState, language);
    const QString suffix = language == kEnglish ? "_en.png" : "_zh.png";
    Open().grab().save(QString::fromUtf8(dir) + "/five_tone" + suffix);
    EnterCell(3, 3);
    mDialog->grab().save(QString::fromUtf8(dir) + "/five_tone_editing" + suffix);
    FiveTonePage page = OpenFiveTonePage(mState);
    FrmSpecial special(mState, page, SpecialCallTarget::CodeRow, 1);
    special.show();
    special.grab().save(QString::fromUtf8(dir) + "/special" + suffix);
    Frm5ToneDefTS table(mState, page.Five);
    table.show();
    table.grab().save(QString::fromUtf8(dir) + "/tone_table" + suffix);
  }
  SetLanguage(mState, kEnglish);
}

}  // namespace
}  // namespace px
