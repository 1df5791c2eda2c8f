// The DTMF, DTMF special call and 2-Tone dialogs on real widgets, offscreen: a round trip
// through each page, the kill = stun refusal, the special call into the focused code box,
// the code grid's Enter walk and the renumbering of a channel whose 2-Tone entry was freed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/two_tone_rules.h"
#include "support/full_codeplug.h"
#include "support/started_program.h"
#include "ui/kit/code_grid.h"
#include "ui/kit/message_service.h"
#include "ui/signalling/frm_dtmf.h"
#include "ui/signalling/frm_dtmf_special.h"
#include "ui/signalling/frm_two_tone.h"

namespace px {
namespace {

class SignallingPagesTest : public ::testing::Test {
 protected:
  void TearDown() override {
    mDialog.reset();
    for (const auto& text : mMessages.Texts()) ADD_FAILURE() << "unexpected message: " << text;
  }

  template <typename Dialog>
  Dialog& Open() {
    auto dialog = std::make_unique<Dialog>(mState);
    Dialog& shown = *dialog;
    mDialog = std::move(dialog);
    mDialog->show();
    mDialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(mDialog.get()));
    return shown;
  }
  template <typename T>
  T* Find(const char* rName) {
    T* widget = mDialog->findChild<T*>(rName);
    EXPECT_NE(widget, nullptr) << rName;
    return widget;
  }
  QLineEdit* Text(const char* rName) { return Find<QLineEdit>(rName); }
  // The focus as a click gives it, with the dialog active again after a modal one.
  void Focus(const char* rName) {
    mDialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mDialog.get()));
    Text(rName)->setFocus();
  }
  void Click(const char* rName) { QTest::mouseClick(Find<QPushButton>(rName), Qt::LeftButton); }
  void Type(const char* rName, const QString& rText) {
    QLineEdit* edit = Text(rName);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, rText);
  }
  void Pick(const char* rName, int rIndex) {
    QComboBox* list = Find<QComboBox>(rName);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < rIndex; ++i) QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), rIndex) << rName;
  }
  // Runs rDrive on the modal dialog that the next click opens.
  void WhenModalOpens(std::function<void(QWidget*)> rDrive) {
    QTimer::singleShot(0, [rDrive] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      rDrive(modal);
    });
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  ScriptedMessages mMessages;
  std::unique_ptr<QDialog> mDialog;
};

TEST_F(SignallingPagesTest, DtmfRoundTrip) {
  FillFullCodeplug(mState);
  auto& page = mState.Current.Settings.Dtmf;
  page.CodeMemory[0].Digits.Assign("1E2F");
  page.CodeMemory[0].Length = 4;
  page.SelfId.Assign("345");
  page.SeparatorDigit = 14;
  page.PauseTime = 3;
  page.GroupDigit = 9;
  Open<FrmDTMF>();
  EXPECT_EQ(Text("Text2_0")->text(), "1*2#");
  EXPECT_EQ(Text("Text3")->text(), "345");
  EXPECT_EQ(Find<QComboBox>("Combo1_12")->currentIndex(), 0);  // pause 3 shows off
  EXPECT_EQ(Find<QComboBox>("Combo1_6")->currentText(), "OFF");
  EXPECT_EQ(Find<QComboBox>("Combo1_2")->itemText(0), "30 ms");

  Type("Text2_1", "9b*e#x");  // "b" enters upper case, "e" and "x" nothing
  EXPECT_EQ(Text("Text2_1")->text(), "9B*#");
  Type("Text2_2", "012*999");
  Type("Text2_3", "*999");
  Type("Text3", "7");
  QTest::keyClick(Text("Text3"), Qt::Key_Return);  // leaving pads it and follows into the codes
  EXPECT_EQ(Text("Text3")->text(), "007");
  EXPECT_EQ(Text("Text2_2")->text(), "012*007");
  EXPECT_EQ(Text("Text2_3")->text(), "*007");
  Pick("Combo1_5", 5);  // "#"
  EXPECT_EQ(Text("Text2_2")->text(), "012#007");
  EXPECT_EQ(Text("Text2_3")->text(), "#007");
  Type("Text2_18", "");
  Type("Text2_19", "123");
  QCheckBox* side = Find<QCheckBox>("Check1");
  side->setChecked(!side->isChecked());
  const Int16 sideTone = side->isChecked() ? 1 : 0;

  Click("CommandOK");
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(std::string(page.CodeMemory[1].Digits.Raw()), "9BEF" + std::string(20, ' '));
  EXPECT_EQ(page.CodeMemory[1].Length, 4);
  EXPECT_EQ(page.CodeMemory[2].Digits.Display(), "012F007");
  EXPECT_EQ(page.CodeMemory[0].Digits.Display(), "1E2F");
  EXPECT_EQ(page.SelfId.Display(), "007");
  EXPECT_EQ(page.SeparatorDigit, 15);
  EXPECT_EQ(page.PauseTime, 0);
  EXPECT_EQ(page.GroupDigit, 255);
  EXPECT_EQ(page.SideTone, sideTone);
  EXPECT_EQ(page.KillCode.Length, 0);
  EXPECT_EQ(page.StunCode.Digits.Display(), "123");
}

TEST_F(SignallingPagesTest, DtmfCancelAndUnchangedOkKeepTheCodeplug) {
  FillFullCodeplug(mState);
  const Codeplug before = mState.Current;
  Open<FrmDTMF>();
  Type("Text2_4", "1234");
  Click("CommandCancel");
  EXPECT_EQ(mDialog->result(), QDialog::Rejected);
  EXPECT_EQ(mState.Current, before);
  Open<FrmDTMF>();
  Click("CommandOK");
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(mState.Current, before);
}

TEST_F(SignallingPagesTest, KillEqualToStunKeepsTheDialogOpen) {
  const Codeplug before = mState.Current;
  Open<FrmDTMF>();
  Type("Text2_18", "12AB");
  Type("Text2_19", "12ab");
  Click("CommandOK");
  ASSERT_EQ(mMessages.Texts().size(), 1u);
  EXPECT_EQ(mMessages.Texts()[0], LangText(mState, 3001));
  mMessages.Requests.clear();
  EXPECT_TRUE(mDialog->isVisible());
  EXPECT_EQ(mState.Current, before);
  Type("Text2_19", "12A");
  Click("CommandOK");
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);
  EXPECT_EQ(mState.Current.Settings.Dtmf.KillCode.Digits.Display(), "12AB");
}

TEST_F(SignallingPagesTest, SpecialCallFillsTheFocusedCodeBox) {
  mState.Current.Settings.Dtmf.SelfId.Assign("345");
  FrmDTMF& dtmf = Open<FrmDTMF>();
  Focus("Text2_5");
  EXPECT_EQ(dtmf.CurDTMFEditID(), 5);
  WhenModalOpens([](QWidget* rModal) {
    auto* special = qobject_cast<FrmDTMFSpecial*>(rModal);
    ASSERT_NE(special, nullptr);
    auto* called = special->findChild<QLineEdit*>("Text1");
    EXPECT_EQ(called->text(), "000");
    called->setFocus();
    called->clear();
    QTest::keyClicks(called, "1x2");
    QTest::mouseClick(special->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
  });
  Click("CommandSpecial");
  EXPECT_EQ(Text("Text2_5")->text(), "012*345");

  // PTTID hides the called code and gives the separator and the own ID.
  Focus("Text2_16");
  WhenModalOpens([](QWidget* rModal) {
    auto* kind = rModal->findChild<QComboBox*>("Combo1");
    kind->setCurrentIndex(1);
    EXPECT_FALSE(rModal->findChild<QGroupBox*>("Frame1")->isVisible());
    QTest::mouseClick(rModal->findChild<QPushButton*>("CommandOK"), Qt::LeftButton);
  });
  Click("CommandSpecial");
  EXPECT_EQ(Text("Text2_16")->text(), "*345");

  // Cancel leaves the box; kill and stun open no special call at all.
  WhenModalOpens([](QWidget* rModal) {
    QTest::mouseClick(rModal->findChild<QPushButton*>("CommandCancel"), Qt::LeftButton);
  });
  Click("CommandSpecial");
  EXPECT_EQ(Text("Text2_16")->text(), "*345");
  Focus("Text2_18");
  QTimer::singleShot(0, [] {
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "a special call opened for the kill code";
      modal->reject();
    }
  });
  Click("CommandSpecial");
  QTest::qWait(0);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(Text("Text2_18")->text(), "");
  // Nothing reached the codeplug before OK.
  EXPECT_EQ(mState.Current.Settings.Dtmf.CodeMemory[5].Length, 0);
}

class TwoTonePageTest : public SignallingPagesTest {
 protected:
  CodeGrid* Grid() { return Find<CodeGrid>("MSHFlexGrid1"); }
  QLineEdit* Editor(int rColumn) { return qobject_cast<QLineEdit*>(Grid()->EditorOf(rColumn)); }
  void ClickCell(int rRow, int rColumn) {
    CodeGrid* grid = Grid();
    grid->scrollToItem(grid->item(rRow, rColumn));
    const QRect rect = grid->visualRect(grid->model()->index(rRow, rColumn));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
  }
  void TypeInCell(const QString& rText, int rColumn) {
    QLineEdit* editor = Editor(rColumn);
    ASSERT_TRUE(editor->isVisible());
    editor->selectAll();
    QTest::keyClicks(editor, rText);
    QTest::keyClick(editor, Qt::Key_Return);
  }
};

TEST_F(TwoTonePageTest, GridWalkAndRoundTrip) {
  ResetToDefaults(mState.Current);
  Open<Frm2Tone>();
  EXPECT_EQ(Grid()->CellText(0, 1), "321.7");
  EXPECT_EQ(Grid()->CellText(31, 0), "31");

  ClickCell(3, 2);  // an empty row starts with its first tone
  ASSERT_EQ(Grid()->EditedCell(), (GridCell{3, 1}));
  TypeInCell("1000", 1);
  EXPECT_EQ(Grid()->EditedCell(), (GridCell{3, 2}));
  EXPECT_EQ(Grid()->CellText(3, 1), "1000.0");
  TypeInCell("5000", 2);
  EXPECT_EQ(Grid()->EditedCell(), (GridCell{3, 3}));
  EXPECT_EQ(Grid()->CellText(3, 2), "3116.0");
  TypeInCell("Ab~\\c", 3);
  EXPECT_EQ(Grid()->EditedCell(), (GridCell{4, 1}));
  EXPECT_EQ(Grid()->CellText(3, 3), "Abc");
  TypeInCell("", 1);  // an empty first tone moves down
  EXPECT_EQ(Grid()->EditedCell(), (GridCell{5, 1}));
  TypeInCell("abc", 1);  // letters do not enter a tone
  EXPECT_EQ(Grid()->EditedCell(), (GridCell{6, 1}));

  EXPECT_FALSE(Text("Text2_2")->isEnabled());  // A-B
  Type("Text2_0", "100");
  QTest::keyClick(Text("Text2_0"), Qt::Key_Tab);
  EXPECT_EQ(Text("Text2_0")->text(), "288");
  Pick("Combo2_0", 13);  // Long B
  EXPECT_FALSE(Text("Text2_0")->isEnabled());
  EXPECT_TRUE(Text("Text2_1")->isEnabled());
  Type("Text2_1", "1000");
  Click("CommandOK");
  EXPECT_EQ(mDialog->result(), QDialog::Accepted);

  const TwoToneSettings& page = mState.Current.Settings.TwoTone;
  const TwoToneEntry& entry = page.Entries[3];
  EXPECT_EQ(entry.Empty, 0);
  EXPECT_EQ(entry.ToneBytes, (std::array<Byte, 8>{2, 88, 0, 192, 39, 16, 121, 184}));
  EXPECT_EQ(entry.Name.Display(), "Abc");
  EXPECT_EQ(page.Entries[4].Empty, 1);
  const auto& h = page.Header;
  EXPECT_EQ(h[4], 13);
  EXPECT_EQ((std::array<Byte, 9>{h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8]}),
            (std::array<Byte, 9>{39, 16, 0, 0, 13, 18, 192, 0, 0}));
  EXPECT_EQ(ToneOf(page, 0), 2880);

  // The page opens again as it was stored.
  Open<Frm2Tone>();
  EXPECT_EQ(Grid()->CellText(3, 2), "3116.0");
  EXPECT_EQ(Find<QComboBox>("Combo2_0")->currentIndex(), 13);
  EXPECT_EQ(Text("Text2_1")->text(), "1000.0");
}

// A free entry may still hold bytes that its row never showed (from a radio, or another
// program's file); a first tone typed into that empty row starts the entry afresh, so the
// second tone and the name that were never shown are not stored. The ways of leaving the
// cell: OK straight away, Enter (which goes on to the second tone), a click elsewhere.
TEST_F(TwoTonePageTest, StartingAFreeEntryClearsWhatItsRowNeverShowed) {
  enum class Leave { Ok, Enter, Click };
  for (const Leave leave : {Leave::Ok, Leave::Enter, Leave::Click}) {
    ResetToDefaults(mState.Current);
    TwoToneEntry& entry = mState.Current.Settings.TwoTone.Entries[4];
    entry.Empty = 1;
    entry.ToneBytes = {16, 19, 22, 25, 28, 31, 34, 37};
    entry.Name.Bytes.fill('\xFF');
    Open<Frm2Tone>();
    EXPECT_EQ(Grid()->CellText(4, 1), "");
    EXPECT_EQ(Grid()->CellText(4, 2), "");
    EXPECT_EQ(Grid()->CellText(4, 3), "");

    ClickCell(4, 1);
    ASSERT_TRUE(Editor(1)->isVisible());
    QTest::keyClicks(Editor(1), "1000");
    if (leave == Leave::Enter) QTest::keyClick(Editor(1), Qt::Key_Return);
    if (leave == Leave::Click) ClickCell(9, 0);
    EXPECT_EQ(Grid()->CellText(4, 2), "");
    EXPECT_EQ(Grid()->CellText(4, 3), "");
    Click("CommandOK");
    ASSERT_EQ(mDialog->result(), QDialog::Accepted);

    // 1000 Hz: divisor 9 600 000 / 16 000 = 600 (2, 88), tone 10000 (39, 16); nothing else.
    const TwoToneEntry& stored = mState.Current.Settings.TwoTone.Entries[4];
    EXPECT_EQ(stored.Empty, 0);
    EXPECT_EQ(stored.ToneBytes, (std::array<Byte, 8>{2, 88, 0, 0, 39, 16, 0, 0}));
    EXPECT_EQ(stored.Name.Raw(), std::string(7, ' '));
  }
}

TEST_F(TwoTonePageTest, FreeingAnEntryRenumbersItsChannels) {
  FillFullCodeplug(mState);
  auto& entries = mState.Current.Settings.TwoTone.Entries;
  for (auto& entry : entries) entry.Empty = 1;
  for (int k : {2, 5}) {
    entries[static_cast<std::size_t>(k)].Empty = 0;
    entries[static_cast<std::size_t>(k)].ToneBytes = {2, 88, 0, 0, 39, 16, 0, 0};
  }
  ChannelRecord& channel = mState.Channels[0];
  channel.SignallingType = 2;
  channel.TwoToneEntryNumber = 2;
  const Codeplug before = mState.Current;

  Open<Frm2Tone>();
  ClickCell(2, 1);
  Editor(1)->clear();
  ClickCell(9, 0);  // leaving the cell commits it: the whole row is free
  EXPECT_EQ(Grid()->CellText(2, 1), "");
  Click("CommandCancel");
  EXPECT_EQ(mState.Current, before);
  EXPECT_EQ(channel.TwoToneEntryNumber, 2);

  Open<Frm2Tone>();
  ClickCell(2, 1);
  Editor(1)->clear();
  Click("CommandOK");  // OK commits the cell being edited
  EXPECT_EQ(mState.Current.Settings.TwoTone.Entries[2].Empty, 1);
  EXPECT_EQ(channel.TwoToneEntryNumber, 5);
}

}  // namespace
}  // namespace px
