// Each list and switch of every settings and signalling page writes exactly its own field.
// On the full test codeplug, one choice at a time is made as a user makes it (the list
// opened, an entry chosen; a switch clicked), then OK; the codeplug must be the one before
// with exactly the fields named here set to exactly the values named here. Fields and
// values are written out as numbers from the record layout and the pages' lists, never
// taken from the program, and every value differs from the one the full codeplug holds,
// so that a list writing into the wrong field, or writing the wrong value, is caught.

#include <string_view>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QTableWidget>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "edit/codeplug_ops.h"
#include "support/codeplug_bytes.h"
#include "support/full_codeplug.h"
#include "support/started_program.h"
#include "ui/kit/message_service.h"
#include "ui/main/page_catalogue.h"

namespace px {
namespace {

// One thing the user does on a page.
struct Act {
  enum Kind { Choose, Keys, Click, Cell } What;
  const char* Control;  // objectName; for Cell the grid
  int Entry = 0;        // Choose: list position; Cell: row (from 0)
  int Column = 0;       // Cell
};
Act Choose(const char* rList, int rEntry) { return {Act::Choose, rList, rEntry, 0}; }
// The in-place editors of a grid are chosen from with the keys (their list closes the
// editor when it pops up without a window manager).
Act Keys(const char* rList, int rEntry) { return {Act::Keys, rList, rEntry, 0}; }
Act Click(const char* rSwitch) { return {Act::Click, rSwitch, 0, 0}; }
Act Cell(const char* rGrid, int rRow, int rColumn) { return {Act::Cell, rGrid, rRow, rColumn}; }

using Edit = std::function<void(Codeplug&)>;
#define SET(assignment) [](Codeplug& c) { c.assignment; }

struct Mapping {
  const char* Page;  // catalogue key
  std::vector<Act> Acts;
  std::vector<Edit> Fields;  // what the page must store, each a changed field
};

// Part of the record layout, as positions: OptionValues[i], the scan and alert bytes, the
// key functions, the 2-Tone header bytes, the 5-Tone page arrays.
const std::vector<Mapping>& Mappings() {
  static const std::vector<Mapping> table = {
      // Optional functions; the full codeplug holds V = 2 1 57 20 2 0 4 31 3 30 3 1 1 1 2 1 0 1 2 1 0 0 0
      // and V24 = 1. The first list sets the second (and the hidden 18th) with it.
      {"options", {Choose("Combo1_0", 0)}, {SET(Settings.Options.OptionValues[0] = 0), SET(Settings.Options.OptionValues[1] = 0)}},
      {"options", {Choose("Combo1_0", 1)}, {SET(Settings.Options.OptionValues[0] = 1)}},
      {"options", {Choose("Combo1_1", 0)}, {SET(Settings.Options.OptionValues[1] = 0)}},
      {"options", {Choose("Combo1_2", 120)}, {SET(Settings.Options.OptionValues[2] = 120)}},
      {"options", {Choose("Combo1_2", 201)}, {SET(Settings.Options.OptionValues[2] = 201)}},  // "PB"
      {"options", {Choose("Combo1_3", 7)}, {SET(Settings.Options.OptionValues[3] = 7)}},
      {"options", {Choose("Combo1_4", 25)}, {SET(Settings.Options.OptionValues[20] = 25)}},
      {"options", {Choose("Combo1_5", 0)}, {SET(Settings.Options.OptionValues[4] = 0)}},
      {"options", {Choose("Combo1_6", 2)}, {SET(Settings.Options.OptionValues[21] = 2)}},
      {"options", {Choose("Combo1_7", 1)}, {SET(Settings.Options.OptionValues[6] = 1)}},
      {"options", {Choose("Combo1_8", 0)}, {SET(Settings.Options.OptionValues[7] = 0)}},
      {"options", {Choose("Combo1_9", 2)}, {SET(Settings.Options.OptionValues[8] = 2)}},
      {"options", {Choose("Combo1_10", 12)}, {SET(Settings.Options.OptionValues[9] = 12)}},
      {"options", {Choose("Combo1_11", 1)}, {SET(Settings.Options.OptionValues[10] = 1)}},
      {"options", {Choose("Combo1_12", 0)}, {SET(Settings.Options.OptionValues[11] = 0)}},
      {"options", {Choose("Combo1_13", 1)}, {SET(Settings.Options.OptionValues[22] = 1)}},
      {"options", {Choose("Combo1_14", 0)}, {SET(Settings.Options.OptionValues[12] = 0)}},
      {"options", {Choose("Combo1_15", 0)}, {SET(Settings.Options.OptionValues[14] = 0)}},
      {"options", {Choose("Combo1_16", 1)}, {SET(Settings.Options.OptionValues[18] = 1)}},
      {"options", {Choose("Combo1_17", 0)}, {SET(Settings.Options.OptionValues[19] = 0)}},
      {"options", {Choose("Combo1_0", 1), Choose("Combo1_18", 1)},
       {SET(Settings.Options.OptionValues[0] = 1), SET(Settings.Options.OptionValues[5] = 1)}},
      {"options", {Click("Check1_0")}, {SET(Settings.Options.OptionValues[15] = 0)}},
      {"options", {Click("Check1_1")}, {SET(Settings.Options.OptionValues[16] = 1)}},
      {"options", {Click("Check1_2")}, {SET(Settings.Options.OptionValues[17] = 0)}},
      {"options", {Click("Check1_3")}, {SET(Settings.Options.OptionValues[13] = 0)}},
      {"options", {Click("Check2")}, {SET(Settings.Options.OptionValue24 = 0)}},

      // Programmable keys; the full codeplug holds key i = i + 1.
      {"keys", {Choose("Combo1_0", 20)}, {SET(Settings.KeyFunctions[0] = 20)}},
      {"keys", {Choose("Combo1_1", 19)}, {SET(Settings.KeyFunctions[1] = 19)}},
      {"keys", {Choose("Combo1_2", 18)}, {SET(Settings.KeyFunctions[2] = 18)}},
      {"keys", {Choose("Combo1_3", 17)}, {SET(Settings.KeyFunctions[3] = 17)}},
      {"keys", {Choose("Combo1_4", 16)}, {SET(Settings.KeyFunctions[4] = 16)}},
      {"keys", {Choose("Combo1_5", 15)}, {SET(Settings.KeyFunctions[5] = 15)}},
      {"keys", {Choose("Combo1_6", 14)}, {SET(Settings.KeyFunctions[6] = 14)}},
      {"keys", {Choose("Combo1_7", 13)}, {SET(Settings.KeyFunctions[7] = 13)}},
      {"keys", {Choose("Combo1_8", 12)}, {SET(Settings.KeyFunctions[8] = 12)}},
      {"keys", {Choose("Combo1_9", 0)}, {SET(Settings.KeyFunctions[9] = 0)}},
      {"keys", {Choose("Combo1_10", 10)}, {SET(Settings.KeyFunctions[10] = 10)}},
      {"keys", {Choose("Combo1_11", 9)}, {SET(Settings.KeyFunctions[11] = 9)}},
      {"keys", {Choose("Combo1_12", 8)}, {SET(Settings.KeyFunctions[12] = 8)}},
      {"keys", {Choose("Combo1_13", 7)}, {SET(Settings.KeyFunctions[13] = 7)}},
      {"keys", {Choose("Combo1_14", 6)}, {SET(Settings.KeyFunctions[14] = 6)}},

      // Scan; the full codeplug holds 1 2 3 7 9 1 3 1 1 4 0 200 255 17 (priority 2, so the
      // revert list offers master entries 0 1 3 4 5 7 and only the second channel box).
      {"scan", {Choose("Combo1_0", 0)}, {SET(Settings.Scan[0] = 0)}},
      {"scan", {Choose("Combo1_1", 3)}, {SET(Settings.Scan[1] = 3)}},
      {"scan", {Choose("Combo1_1", 1)}, {SET(Settings.Scan[1] = 1), SET(Settings.Scan[2] = 0)}},  // revert 3 not offered
      {"scan", {Choose("Combo1_6", 5)}, {SET(Settings.Scan[2] = 7)}},
      {"scan", {Choose("Combo1_1", 3), Choose("Combo1_2", 10)}, {SET(Settings.Scan[1] = 3), SET(Settings.Scan[11] = 11)}},
      {"scan", {Choose("Combo1_4", 40)}, {SET(Settings.Scan[13] = 41)}},
      {"scan", {Choose("Combo1_7", 20)}, {SET(Settings.Scan[3] = 25)}},
      {"scan", {Choose("Combo1_8", 45)}, {SET(Settings.Scan[4] = 50)}},
      {"scan", {Choose("Combo1_9", 49)}, {SET(Settings.Scan[5] = 50)}},
      {"scan", {Choose("Combo1_10", 0)}, {SET(Settings.Scan[6] = 1)}},
      {"scan", {Choose("Combo1_11", 3)}, {SET(Settings.Scan[7] = 3)}},
      {"scan", {Choose("Combo1_12", 253)}, {SET(Settings.Scan[9] = 255)}},
      {"scan", {Click("Check1")}, {SET(Settings.Scan[8] = 0)}},

      // Alert; the full codeplug holds 1 2 5 3 1 2 1 150 4 1 1 5, its 5-Tone codes in use are
      // those whose number is no multiple of 3, its 16 DTMF memories all hold a code.
      {"alert", {Choose("Combo1_0", 3)}, {SET(Settings.Alert[0] = 3)}},
      {"alert", {Choose("Combo1_0", 0)}, {SET(Settings.Alert[0] = 0)}},
      {"alert", {Choose("Combo1_1", 1)}, {SET(Settings.Alert[1] = 1)}},  // "M6" holds the code 5
      {"alert", {Choose("Combo1_1", 0)}, {SET(Settings.Alert[1] = 0), SET(Settings.Alert[2] = 0)}},
      {"alert", {Choose("Combo1_2", 10)}, {SET(Settings.Alert[2] = 16)}},  // 1 2 4 5 7 8 10 11 13 14 16
      {"alert", {Choose("Combo1_0", 0), Choose("Combo1_3", 99)}, {SET(Settings.Alert[0] = 0), SET(Settings.Alert[3] = 100)}},
      {"alert", {Choose("Combo1_4", 199)}, {SET(Settings.Alert[4] = 200)}},
      {"alert", {Choose("Combo1_5", 9)}, {SET(Settings.Alert[5] = 10)}},
      {"alert", {Choose("Combo1_6", 0)}, {SET(Settings.Alert[6] = 0)}},
      {"alert", {Choose("Combo1_6", 0), Choose("Combo1_8", 20)}, {SET(Settings.Alert[6] = 0), SET(Settings.Alert[7] = 21)}},
      {"alert", {Choose("Combo1_9", 255)}, {SET(Settings.Alert[8] = 255)}},
      {"alert", {Click("Check1")}, {SET(Settings.Alert[9] = 0)}},
      {"alert", {Choose("Combo2_0", 253)}, {SET(Settings.Alert[10] = 254)}},
      {"alert", {Choose("Combo2_1", 250)}, {SET(Settings.Alert[11] = 255)}},

      // DTMF; the full codeplug holds ANI 1, digit time 2, PTT ID mode 3, separator 11, group
      // 255, response 2, delays 100 30 5 40, pause 15, side tone 1. No code follows the
      // separator (none has the own ID 123 behind one).
      {"dtmf", {Choose("Combo1_1", 0)}, {SET(Settings.Dtmf.AniOn = 0)}},
      {"dtmf", {Choose("Combo1_2", 5)}, {SET(Settings.Dtmf.DigitTimeIndex = 5)}},
      {"dtmf", {Choose("Combo1_3", 1)}, {SET(Settings.Dtmf.PttIdMode = 1)}},
      {"dtmf", {Choose("Combo1_5", 5)}, {SET(Settings.Dtmf.SeparatorDigit = 15)}},
      {"dtmf", {Choose("Combo1_6", 3)}, {SET(Settings.Dtmf.GroupDigit = 12)}},
      {"dtmf", {Choose("Combo1_7", 0)}, {SET(Settings.Dtmf.DecodeResponse = 0)}},
      {"dtmf", {Choose("Combo1_8", 250)}, {SET(Settings.Dtmf.FirstDigitDelay = 250)}},
      {"dtmf", {Choose("Combo1_9", 0)}, {SET(Settings.Dtmf.PreSendDelay = 1)}},
      {"dtmf", {Choose("Combo1_10", 250)}, {SET(Settings.Dtmf.ResetTime = 250)}},
      {"dtmf", {Choose("Combo1_11", 249)}, {SET(Settings.Dtmf.PostSendDelay = 250)}},
      {"dtmf", {Choose("Combo1_12", 71)}, {SET(Settings.Dtmf.PauseTime = 75)}},
      {"dtmf", {Click("Check1")}, {SET(Settings.Dtmf.SideTone = 0)}},

      // 2-Tone; the full codeplug decodes B-A with tones A 1000, B 1500, C 2000, D 800 Hz.
      // A format decodes its tones: tenths high byte first at 0-1 and 2-3, the divisors
      // 9 600 000 / 2f at 5-6 and 7-8.
      {"twotone", {Choose("Combo2_0", 8)},  // C-D: 20000, 8000; 2400, 6000
       {SET(Settings.TwoTone.Header[4] = 8), SET(Settings.TwoTone.Header[0] = 0x4E), SET(Settings.TwoTone.Header[1] = 0x20),
        SET(Settings.TwoTone.Header[2] = 0x1F), SET(Settings.TwoTone.Header[3] = 0x40), SET(Settings.TwoTone.Header[5] = 0x09),
        SET(Settings.TwoTone.Header[6] = 0x60), SET(Settings.TwoTone.Header[7] = 0x17), SET(Settings.TwoTone.Header[8] = 0x70)}},
      {"twotone", {Choose("Combo2_0", 12)},  // Long A: 10000; 4800; no second tone
       {SET(Settings.TwoTone.Header[4] = 12), SET(Settings.TwoTone.Header[0] = 0x27), SET(Settings.TwoTone.Header[1] = 0x10),
        SET(Settings.TwoTone.Header[2] = 0), SET(Settings.TwoTone.Header[3] = 0), SET(Settings.TwoTone.Header[5] = 0x12),
        SET(Settings.TwoTone.Header[6] = 0xC0), SET(Settings.TwoTone.Header[7] = 0), SET(Settings.TwoTone.Header[8] = 0)}},
      {"twotone", {Choose("Combo2_1", 2)}, {SET(Settings.TwoTone.Header[10] = 2)}},
      {"twotone", {Choose("Combo1_0", 95)}, {SET(Settings.TwoTone.Header[20] = 100)}},
      {"twotone", {Choose("Combo1_1", 0)}, {SET(Settings.TwoTone.Header[21] = 5)}},
      {"twotone", {Choose("Combo1_2", 45)}, {SET(Settings.TwoTone.Header[22] = 50)}},
      {"twotone", {Choose("Combo1_3", 20)}, {SET(Settings.TwoTone.Header[23] = 20)}},
      {"twotone", {Choose("Combo1_4", 250)}, {SET(Settings.TwoTone.Header[9] = 250)}},
      {"twotone", {Click("Check1")}, {SET(Settings.TwoTone.Header[11] = 0)}},

      // 5-Tone; the full codeplug holds PageBytes 1 2 6 5 100, PageBytes2 100 30 40 50,
      // PageWords 25 30 13 200 1 11, last option 57, the PTT ID codes in standards 6 and 13
      // at 100 and 40 ms, code 2 in standard 1 at 40 ms, code 3 at 50 ms, information code
      // 1 with function 0 and code 2 with response 1. A standard chosen brings its duration.
      {"fivetone", {Choose("Combo1_1", 9)}, {SET(Settings.FiveTone.PageBytes[2] = 9), SET(Settings.FiveTone.PageBytes[4] = 40)}},
      {"fivetone", {Choose("Combo1_2", 0)}, {SET(Settings.FiveTone.PageBytes[1] = 0)}},
      {"fivetone", {Choose("Combo1_3", 1)}, {SET(Settings.FiveTone.PageBytes[4] = 40)}},
      {"fivetone", {Choose("Combo1_4", 254)}, {SET(Settings.FiveTone.PageBytes2[1] = 255)}},
      {"fivetone", {Choose("Combo1_5", 250)}, {SET(Settings.FiveTone.PageBytes2[0] = 250)}},
      {"fivetone", {Choose("Combo1_6", 0)}, {SET(Settings.FiveTone.PageBytes2[2] = 1)}},
      {"fivetone", {Choose("Combo1_7", 71)}, {SET(Settings.FiveTone.PageBytes2[3] = 75)}},
      {"fivetone", {Choose("Combo1_8", 99)}, {SET(Settings.FiveTone.PageWords[0] = 100)}},
      {"fivetone", {Choose("Combo1_9", 255)}, {SET(Settings.FiveTone.PageWords[1] = 255)}},
      {"fivetone", {Choose("Combo1_10", 4)}, {SET(Settings.FiveTone.PageWords[2] = 15)}},
      {"fivetone", {Choose("Combo1_11", 200)}, {SET(FiveToneLastOption = 200)}},
      {"fivetone", {Choose("Combo1_12", 0)}, {SET(Settings.FiveTone.PageWords[3] = 0)}},
      {"fivetone", {Click("Check1")}, {SET(Settings.FiveTone.PageWords[4] = 0)}},
      {"fivetone", {Choose("Combo4_0", 12)}, {SET(Settings.FiveTone.SpecialCodeA.CodeBytes[1] = 12), SET(Settings.FiveTone.SpecialCodeA.CodeBytes[3] = 40)}},
      {"fivetone", {Choose("Combo5_0", 0)}, {SET(Settings.FiveTone.SpecialCodeA.CodeBytes[3] = 30)}},
      {"fivetone", {Choose("Combo4_1", 10)}, {SET(Settings.FiveTone.SpecialCodeB.CodeBytes[1] = 10), SET(Settings.FiveTone.SpecialCodeB.CodeBytes[3] = 100)}},
      {"fivetone", {Choose("Combo5_1", 7)}, {SET(Settings.FiveTone.SpecialCodeB.CodeBytes[3] = 100)}},
      {"fivetone", {Cell("MSHFlexGrid1", 1, 3), Keys("Combo2", 6)},
       {SET(Settings.FiveTone.Codes[1].CodeBytes[1] = 6), SET(Settings.FiveTone.Codes[1].CodeBytes[3] = 100)}},
      {"fivetone", {Cell("MSHFlexGrid1", 2, 4), Keys("Combo3", 7)}, {SET(Settings.FiveTone.Codes[2].CodeBytes[3] = 100)}},
      {"fivetone", {Choose("Combo6", 0), Choose("Combo7_0", 1)}, {SET(Settings.FiveTone.InfoCodes[0].CodeBytes[0] = 1)}},
      {"fivetone", {Choose("Combo6", 1), Choose("Combo7_1", 0)}, {SET(Settings.FiveTone.InfoCodes[1].CodeBytes[1] = 0)}},
  };
  return table;
}

#undef SET

class PageFieldMappingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.Features.DtmfEnabled = mState.Features.TwoToneEnabled = mState.Features.FiveToneEnabled = 1;
    mState.Features.FeatureItemsRevealed = 1;
    FillFullCodeplug(mState);
  }

  // As the user does it: the list opened, the entry made current, Enter; a switch
  // clicked; a cell of a grid clicked. A control that the user could not reach fails.
  static void Do(QWidget& rPage, const Act& rAct, const std::string& rWhere) {
    if (rAct.What == Act::Cell) {
      auto* grid = rPage.findChild<QTableWidget*>(rAct.Control);
      ASSERT_NE(grid, nullptr) << rWhere;
      grid->scrollToItem(grid->item(rAct.Entry, rAct.Column));
      const QRect cell = grid->visualRect(grid->model()->index(rAct.Entry, rAct.Column));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
      return;
    }
    QWidget* control = rPage.findChild<QWidget*>(rAct.Control);
    ASSERT_NE(control, nullptr) << rWhere << ": no control " << rAct.Control;
    ASSERT_TRUE(control->isVisible() && control->isEnabled()) << rWhere << ": " << rAct.Control << " cannot be used";
    if (rAct.What == Act::Click) {
      auto* check = qobject_cast<QCheckBox*>(control);
      ASSERT_NE(check, nullptr) << rWhere;
      QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
      return;
    }
    auto* list = qobject_cast<QComboBox*>(control);
    ASSERT_NE(list, nullptr) << rWhere;
    ASSERT_LT(rAct.Entry, list->count()) << rWhere << ": " << rAct.Control;
    ASSERT_NE(list->currentIndex(), rAct.Entry) << rWhere << ": " << rAct.Control << " shows that entry already";
    if (rAct.What == Act::Keys) {
      QTest::keyClick(list, Qt::Key_Home);
      for (int i = 0; i < rAct.Entry; ++i) QTest::keyClick(list, Qt::Key_Down);
    } else {
      list->showPopup();
      QAbstractItemView* view = list->view();
      view->setCurrentIndex(list->model()->index(rAct.Entry, list->modelColumn()));
      QTest::keyClick(view, Qt::Key_Return);
      list->hidePopup();
    }
    ASSERT_EQ(list->currentIndex(), rAct.Entry) << rWhere << ": " << rAct.Control;
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  ScriptedMessages mMessages;
};

TEST_F(PageFieldMappingTest, EachListAndSwitchWritesExactlyItsOwnField) {
  const Codeplug full = mState.Current;
  const ChannelTable channels = mState.Channels;
  int row = 0;
  for (const Mapping& mapping : Mappings()) {
    const std::string where = std::string(mapping.Page) + " row " + std::to_string(row++);
    mState.Current = full;
    Codeplug expected = full;
    for (const Edit& field : mapping.Fields) {
      Codeplug one = full;
      field(one);
      EXPECT_FALSE(one == full) << where << ": a value the full codeplug holds already proves nothing";
      field(expected);
    }

    const PageRow* page = nullptr;
    for (const PageRow& row : PageCatalogue())
      if (std::string_view(row.Key) == mapping.Page) page = &row;
    ASSERT_NE(page, nullptr) << where;
    ASSERT_NE(page->Make, nullptr) << where;
    const std::unique_ptr<QDialog> dialog(page->Make(mState, nullptr));
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get())) << where;
    for (const Act& act : mapping.Acts) {
      Do(*dialog, act, where);
      if (::testing::Test::HasFatalFailure()) return;
    }
    auto* ok = dialog->findChild<QAbstractButton*>("CommandOK");
    ASSERT_NE(ok, nullptr) << where;
    QTest::mouseClick(ok, Qt::LeftButton);
    // The DTMF page closes on a timer.
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog->isVisible(); })) << where;
    EXPECT_EQ(dialog->result(), QDialog::Accepted) << where;

    EXPECT_TRUE(mState.Current == expected) << where << ": " << test::DifferingFileBytes(expected, mState.Current);
    EXPECT_TRUE(mState.Channels == channels) << where << ": the channels changed";
  }
  EXPECT_TRUE(mMessages.Texts().empty());
}

}  // namespace
}  // namespace px
