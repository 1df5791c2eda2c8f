// The manual: Help > Contents and F1 open the help window at the page of the window in
// use, in the current language; every page exists in both languages and links only to
// pages that exist.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>

#include "app/app_state.h"
#include "support/started_program.h"
#include "ui/kit/help_window.h"
#include "ui/kit/message_service.h"
#include "ui/main/frm_ch_edit.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_menus.h"

namespace px {
namespace {

namespace fs = std::filesystem;

HelpWindow* OpenHelp(QWidget* rOwner) { return rOwner->findChild<HelpWindow*>(); }

QString ShownFile(HelpWindow* rHelp) { return rHelp->Browser()->source().toLocalFile(); }

TEST(HelpWindowTest, ContentsAndF1OpenThePageOfTheWindowInUseInTheCurrentLanguage) {
  AppState state;
  test::StartedProgram program(state);
  FrmMain window(state);
  window.show();
  window.Menus().HelpContents->trigger();
  HelpWindow* help = OpenHelp(&window);
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(ShownFile(help).endsWith(QStringLiteral("manual/en/index.html"))) << ShownFile(help).toStdString();
  EXPECT_EQ(help->Browser()->documentTitle(), QStringLiteral("Getting started"));
  help->close();
  QApplication::processEvents();

  SetLanguage(state, kChinese);
  FrmCHEdit editor(state, 1, &window);
  editor.show();
  QTest::keyClick(&editor, Qt::Key_F1);
  help = editor.findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr) << "F1 in the editor opens help over the editor, so the modal editor does not block it";
  EXPECT_TRUE(ShownFile(help).endsWith(QStringLiteral("manual/zh/editor.html"))) << ShownFile(help).toStdString();
  EXPECT_EQ(help->Browser()->documentTitle(), QString::fromUtf8("信道编辑"));
  // A second F1 reuses the window.
  QTest::keyClick(&editor, Qt::Key_F1);
  EXPECT_EQ(editor.findChildren<HelpWindow*>().size(), 1);
}

TEST(HelpWindowTest, AMissingManualIsSaidWithItsPath) {
  AppState state;
  test::StartedProgram program(state);
  fs::remove_all(program.Dir().Path() / "manual");
  ScriptedMessages boxes;
  QWidget owner;
  EXPECT_EQ(ShowHelp(state, &owner, QStringLiteral("scan")), nullptr);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("manual/en/scan.html"), std::string::npos) << boxes.Texts()[0];
}

TEST(HelpWindowTest, EveryPageExistsInBothLanguagesAndLinksOnlyToPagesThatExist) {
  const QDir manual(QStringLiteral(PX_SOURCE_DIR "/manual"));
  const QStringList english = QDir(manual.filePath(QStringLiteral("en"))).entryList({QStringLiteral("*.html")});
  const QStringList chinese = QDir(manual.filePath(QStringLiteral("zh"))).entryList({QStringLiteral("*.html")});
  EXPECT_EQ(english, chinese);
  for (const char* window : {"frmMain", "FrmCHEdit", "FrmOption", "FrmKeySet", "FrmScan", "FrmAlert", "FrmDTMF",
                             "Frm2Tone", "Frm5Tone", "FrmCommuBook", "FrmEMG", "FrmComSet", "FrmProgress", "Unknown"}) {
    EXPECT_TRUE(english.contains(HelpTopicOf(QString::fromLatin1(window)) + QStringLiteral(".html"))) << window;
  }
  const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
  for (const QString& lang : {QStringLiteral("en"), QStringLiteral("zh")}) {
    const QDir folder(manual.filePath(lang));
    for (const QString& page : english) {
      QFile file(folder.filePath(page));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
      const QString text = QString::fromUtf8(file.readAll());
      for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(folder.exists(target)) << lang.toStdString() << "/" << page.toStdString() << " -> " << target.toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace px
