// The main window's own open and save paths against pipes, device nodes and huge files:
// each is refused with its reason, in the window's language, the window stays responsive
// and the codeplug in it is the one from before.

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "app/language.h"
#include "edit/codeplug_ops.h"
#include "edit/file_commands.h"
#include "support/special_files.h"
#include "support/started_program.h"
#include "support/temp_dir.h"
#include "ui/kit/message_service.h"
#include "ui/main/frm_main.h"
#include "ui/signalling/frm_commu_book.h"

namespace px {
namespace {

enum class Kind { Fifo, Device, Huge };

class HostileFilesWindow : public ::testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    mWindow = std::make_unique<FrmMain>(mState);
    mWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mWindow.get()));
    mState.Channels[0].Name.Assign("KEPT");
    mState.Current.Book[3].Name.Assign("BOOK");
    CopyToSaved(mState);
    mWindow->ShowListByData();
  }

  // The hostile file under rName; false when this system cannot make it.
  bool Make(const std::string& rName) {
    const std::string path = File(rName);
    switch (GetParam()) {
      case Kind::Fifo: return test::MakeFifo(path);
      case Kind::Device: return test::MakeZeroDevice(path);
      case Kind::Huge: return test::MakeSparse(path, 2ull << 30);
    }
    return false;
  }
  std::string File(const std::string& rName) const { return mDir.File(rName); }
  // What the refusal must say about rName.
  std::string Expected(const std::string& rName, bool rChinese, const std::string& rHugeText) const {
    if (GetParam() != Kind::Huge) return File(rName) + (rChinese ? " 不是普通文件" : " is not a regular file");
    return rHugeText;
  }

  void ExpectKept() {
    EXPECT_EQ(mState.Channels[0].Name.Display(), "KEPT");
    EXPECT_EQ(mState.Current.Book[3].Name.Display(), "BOOK");
  }

  AppState mState;
  test::StartedProgram mProgram{mState};
  test::TempDir mDir;
  std::unique_ptr<FrmMain> mWindow;
};

TEST_P(HostileFilesWindow, OpenOpenImageAndBookImportRefuseAndKeepTheCodeplug) {
  if (!Make("x.dat") || !Make("x.img") || !Make("x.cb") || !Make("x.csv"))
    GTEST_SKIP() << "this system does not permit the special file";
  for (const bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    SetLanguage(mState, chinese ? kChinese : kEnglish);
    {
      ScriptedMessages script;
      script.File(File("x.dat")).Answer(MsgAnswer::Ok);
      mWindow->Menus().Open->trigger();
      ASSERT_EQ(script.Texts().size(), 1u);
      EXPECT_NE(script.Texts()[0].find(Expected("x.dat", chinese, chinese ? "长 2147483648 字节；数据文件应为 8667 字节"
                                                                          : "is 2147483648 bytes long; a codeplug file")),
                std::string::npos)
          << script.Texts()[0];
    }
    {
      ScriptedMessages script;
      script.File(File("x.img")).Answer(MsgAnswer::Ok);
      mWindow->Menus().OpenImage->trigger();
      ASSERT_EQ(script.Texts().size(), 1u);
      EXPECT_NE(script.Texts()[0].find(Expected("x.img", chinese, "2147483648")), std::string::npos)
          << script.Texts()[0];
    }
    {
      auto* import = mWindow->findChild<QAction*>(QStringLiteral("MnuFileImportChannels"));
      ASSERT_NE(import, nullptr);
      ScriptedMessages script;
      script.File(File("x.csv")).Answer(MsgAnswer::Ok);
      import->trigger();
      ASSERT_EQ(script.Texts().size(), 1u);
      EXPECT_NE(script.Texts()[0].find(Expected("x.csv", chinese, "2147483648")), std::string::npos)
          << script.Texts()[0];
    }
    {
      FrmCommuBook dialog(mState);
      ScriptedMessages script;
      script.File(File("x.cb")).Answer(MsgAnswer::Ok);
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandInput")), Qt::LeftButton);
      ASSERT_EQ(script.Texts().size(), 1u);
      EXPECT_NE(script.Texts()[0].find(Expected("x.cb", chinese, chinese ? "通讯录文件应为 1792 字节" : "a book file has 1792")),
                std::string::npos)
          << script.Texts()[0];
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandOK")), Qt::LeftButton);
    }
    ExpectKept();
  }
}

TEST_P(HostileFilesWindow, SaveAsAndExportNeverReplaceAPipeOrDevice) {
  if (GetParam() == Kind::Huge) GTEST_SKIP() << "a huge regular file may be replaced";
  if (!Make("y.dat") || !Make("y.csv") || !Make("y.cb")) GTEST_SKIP() << "this system does not permit the special file";
  const auto isSpecial = [&](const std::string& rName) {
    return GetParam() == Kind::Fifo ? test::IsFifo(File(rName)) : test::IsCharDevice(File(rName));
  };
  {
    ScriptedMessages script;
    script.File(File("y.dat")).Answer(MsgAnswer::Ok).Answer(MsgAnswer::Ok);
    mWindow->Menus().SaveAs->trigger();
    const auto texts = script.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(texts.back().find(File("y.dat") + " is not a regular file"), std::string::npos) << texts.back();
  }
  {
    auto* exportCsv = mWindow->findChild<QAction*>(QStringLiteral("MnuFileExportChannels"));
    ScriptedMessages script;
    script.File(File("y.csv")).Answer(MsgAnswer::Ok);
    exportCsv->trigger();
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_NE(script.Texts()[0].find("is not a regular file"), std::string::npos) << script.Texts()[0];
  }
  {
    FrmCommuBook dialog(mState);
    ScriptedMessages script;
    script.File(File("y.cb")).Answer(MsgAnswer::Ok);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CommandOutput")), Qt::LeftButton);
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_NE(script.Texts()[0].find("is not a regular file"), std::string::npos) << script.Texts()[0];
  }
  EXPECT_TRUE(isSpecial("y.dat"));
  EXPECT_TRUE(isSpecial("y.csv"));
  EXPECT_TRUE(isSpecial("y.cb"));
  EXPECT_FALSE(std::filesystem::exists(File("y.fre")));
  ExpectKept();
}

INSTANTIATE_TEST_SUITE_P(Kinds, HostileFilesWindow, ::testing::Values(Kind::Fifo, Kind::Device, Kind::Huge),
                         [](const auto& rInfo) {
                           switch (rInfo.param) {
                             case Kind::Fifo: return std::string("NamedPipe");
                             case Kind::Device: return std::string("DeviceNode");
                             case Kind::Huge: return std::string("HugeFile");
                           }
                           return std::string("Other");
                         });

}  // namespace
}  // namespace px
