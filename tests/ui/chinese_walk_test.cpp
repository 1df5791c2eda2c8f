// Every window of the program, built once in English and once in Chinese: each visible
// text that still reads as its English self in Chinese is a text nobody translated. Texts
// the two language files give alike, and technical names the program shows in both
// languages (tone systems, codes, units), are not counted.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTreeWidget>

#include <fstream>
#include <functional>
#include <memory>

#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/five_tone_rules.h"
#include "support/full_codeplug.h"
#include "support/started_program.h"
#include "ui/kit/help_window.h"
#include "ui/kit/message_service.h"
#include "ui/main/frm_about.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_com_set.h"
#include "ui/main/frm_language.h"
#include "ui/main/frm_main.h"
#include "ui/main/frm_model.h"
#include "ui/main/frm_pass_word.h"
#include "ui/main/page_catalogue.h"
#include "ui/print/frm_print.h"
#include "ui/settings/frm_emg.h"
#include "ui/signalling/frm_dtmf_special.h"
#include "ui/signalling/frm_five_tone_def_ts.h"
#include "ui/signalling/frm_special.h"

namespace px {
namespace {

using Texts = std::vector<std::pair<QString, QString>>;  // where, text

void Collect(QWidget* rWindow, Texts& rOut) {
  rOut.push_back({QStringLiteral("title"), rWindow->windowTitle()});
  for (QObject* object : rWindow->findChildren<QObject*>()) {
    const QString where = object->objectName();
    if (auto* label = qobject_cast<QLabel*>(object)) {
      if (label->isVisibleTo(rWindow)) rOut.push_back({where, label->text()});
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
      if (button->isVisibleTo(rWindow)) rOut.push_back({where, button->text()});
    } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
      rOut.push_back({where, box->title()});
    } else if (auto* list = qobject_cast<QComboBox*>(object)) {
      for (int i = 0; i < list->count(); ++i) rOut.push_back({where, list->itemText(i)});
    } else if (auto* table = qobject_cast<QTableWidget*>(object)) {
      for (int c = 0; c < table->columnCount(); ++c)
        if (const QTableWidgetItem* head = table->horizontalHeaderItem(c)) rOut.push_back({where, head->text()});
    } else if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
      for (QTreeWidgetItem* item : tree->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
        rOut.push_back({where, item->text(0)});
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
      for (QAction* action : menu->actions())
        if (!action->isSeparator()) rOut.push_back({where, action->text()});
    }
  }
}

// Every value the two language files hold alike ("DTMF", "CTCSS", ...).
QSet<QString> AlikeInBothFiles() {
  const auto read = [](const char* rName) {
    std::ifstream in(std::string(PX_SOURCE_DIR) + "/lang/" + rName);
    std::map<std::string, std::string> values;
    std::string line, section;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line[0] == '[') section = line;
      const auto eq = line.find('=');
      if (eq != std::string::npos) values[section + line.substr(0, eq)] = line.substr(eq + 1);
    }
    return values;
  };
  const auto english = read("english.ini");
  const auto chinese = read("chinese.ini");
  QSet<QString> alike;
  for (const auto& [key, value] : english) {
    const auto other = chinese.find(key);
    if (other != chinese.end() && other->second == value) alike.insert(QString::fromStdString(value));
  }
  return alike;
}

// Names and units that are the same in both languages: tone systems, code names,
// frequencies, steps, band limits, channel and memory numbers; and the few list entries
// the radio's own lists name alike in both languages.
bool IsTechnical(const QString& rText) {
  static const QRegularExpression kTechnical(QStringLiteral(
      "^([-+ 0-9.,:/%()*#xX]*|[A-Z0-9 ./+\\-_()*#]{1,12}|[0-9.]+ ?(K|KHz|Hz|kHz|MHz|ms|s|min)|"
      "M[0-9]+|[0-9]+[NI]|[25]Tone|Hz|MHz|Rx\\(.*MHz\\)|NR_6240.*|PX-4800.*|NR-6240.*|Qt|COM[0-9]+.*|/dev/.*)$"));
  static const QSet<QString> kListedAlike{QStringLiteral("Repeater"), QStringLiteral("Busy"), QStringLiteral("Always"),
                                         QStringLiteral("Call ID"), QStringLiteral("Long A"), QStringLiteral("Long B"),
                                         QStringLiteral("Long C")};
  return kTechnical.match(rText.trimmed()).hasMatch() || kListedAlike.contains(rText);
}

class ChineseWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    mState.Features.DtmfEnabled = mState.Features.TwoToneEnabled = mState.Features.FiveToneEnabled = 1;
    mState.Features.FeatureItemsRevealed = 1;
    FillFullCodeplug(mState);
    CopyToSaved(mState);
  }

  // Builds rMake in both languages; every text left English in Chinese is reported.
  void Walk(const char* rName, const std::function<std::unique_ptr<QWidget>()>& rMake) {
    Texts english, chinese;
    SetLanguage(mState, kEnglish);
    Collect(rMake().get(), english);
    SetLanguage(mState, kChinese);
    Collect(rMake().get(), chinese);
    SetLanguage(mState, kEnglish);
    // By control and text: a window may hold a few more or fewer items in the other
    // language (menus rebuilt, longer texts wrapped), never the same English text.
    QSet<QString> shownInEnglish;
    for (const auto& [where, text] : english) shownInEnglish.insert(where + QLatin1Char('\t') + text);
    static const QSet<QString> alike = AlikeInBothFiles();
    static const QRegularExpression kLetters(QStringLiteral("[A-Za-z]{2,}"));
    QSet<QString> reported;
    for (const auto& [where, text] : chinese) {
      const QString key = where + QLatin1Char('\t') + text;
      if (!shownInEnglish.contains(key) || reported.contains(key) || !kLetters.match(text).hasMatch()) continue;
      if (alike.contains(text) || IsTechnical(text)) continue;
      reported.insert(key);
      ADD_FAILURE() << rName << " " << where.toStdString() << ": \"" << text.toStdString()
                    << "\" is still English in Chinese";
    }
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  ScriptedMessages mMessages;
};

TEST_F(ChineseWalk, NoWindowShowsAnEnglishTextInChinese) {
  Walk("frmMain", [this] {
    auto window = std::make_unique<FrmMain>(mState);
    window->ApplyWindowLanguage();
    return window;
  });
  Walk("FrmCHEdit", [this] { return std::make_unique<FrmCHEdit>(mState, 5); });
  for (const PageRow& page : PageCatalogue()) {
    if (page.Make == nullptr) continue;
    Walk(page.Key, [this, &page] { return std::unique_ptr<QWidget>(page.Make(mState, nullptr)); });
  }
  Walk("FrmModel", [this] { return std::make_unique<FrmModel>(mState); });
  Walk("FrmComSet", [this] {
    return std::make_unique<FrmComSet>(mState, PortListMode::Present, [] { return std::vector<PresentPort>{}; });
  });
  Walk("FrmPassWord", [this] { return std::make_unique<FrmPassWord>(mState, ""); });
  Walk("FrmLanguage", [this] { return std::make_unique<FrmLanguage>(mState); });
  Walk("frmAbout", [this] { return std::make_unique<frmAbout>(mState); });
  Walk("FrmEMG", [this] { return std::make_unique<FrmEMG>(mState, EmbeddedInfo{}); });
  Walk("FrmPrint", [this] { return std::make_unique<FrmPrint>(mState, EmbeddedInfo{}); });
  Walk("FrmDTMFSpecial", [this] { return std::make_unique<FrmDTMFSpecial>(mState); });
  FiveTonePage five = OpenFiveTonePage(mState);
  Walk("FrmSpecial", [this, &five] { return std::make_unique<FrmSpecial>(mState, five, SpecialCallTarget::CodeRow, 1); });
  Walk("Frm5ToneDefTS", [this, &five] { return std::make_unique<Frm5ToneDefTS>(mState, five.Five); });
  Walk("HelpWindow", [this] { return std::make_unique<HelpWindow>(mState, nullptr); });
}

// The windows Qt draws itself follow the program's language: its Chinese translations
// are loaded with the language the main window applies, at start and on each change.
TEST_F(ChineseWalk, QtsOwnDialogsFollowTheLanguage) {
  QPrinter printer;
  const auto afterMainWindow = [this](const std::function<std::unique_ptr<QWidget>()>& rMake) {
    return [this, rMake] {
      FrmMain window(mState);
      return rMake();
    };
  };
  Walk("QFileDialog open", afterMainWindow([] {
    auto dialog = std::make_unique<QFileDialog>(nullptr, QString(), QStringLiteral("/"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    return dialog;
  }));
  Walk("QFileDialog save", afterMainWindow([] {
    auto dialog = std::make_unique<QFileDialog>(nullptr, QString(), QStringLiteral("/"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return dialog;
  }));
  Walk("QMessageBox", afterMainWindow([] {
    return std::make_unique<QMessageBox>(QMessageBox::Question, QString(), QString(),
                                         QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes |
                                             QMessageBox::No | QMessageBox::Retry);
  }));
  Walk("QPrintDialog", afterMainWindow([&printer] { return std::make_unique<QPrintDialog>(&printer); }));
  Walk("QPrintPreviewDialog", afterMainWindow([&printer] { return std::make_unique<QPrintPreviewDialog>(&printer); }));

  // Switched at run time: the main window applies the new language to Qt's texts too.
  FrmMain window(mState);
  SetLanguage(mState, kChinese);
  window.ApplyWindowLanguage();
  QMessageBox chinese(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
  EXPECT_EQ(chinese.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("取消"));
  SetLanguage(mState, kEnglish);
  window.ApplyWindowLanguage();
  QMessageBox english(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
  EXPECT_EQ(english.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace px
