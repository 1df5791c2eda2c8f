#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/messages.h"

namespace px {
namespace {

Message MessageAt(int rIndex) { return static_cast<Message>(rIndex); }

TEST(Messages, EveryMessageHasBothLanguagesAndNothingElse) {
  for (int i = 0; i < kMessageCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NE(MessageText(MessageAt(i), 1), "");
    EXPECT_NE(MessageText(MessageAt(i), 2), "");
    EXPECT_EQ(MessageText(MessageAt(i), 0), "");
    EXPECT_EQ(MessageText(MessageAt(i), 3), "");
    EXPECT_EQ(MessageText(MessageAt(i), -1), "");
  }
  EXPECT_EQ(MessageText(MessageAt(kMessageCount), 1), "");
}

TEST(Messages, ChineseFormsAreShownAsTheyAre) {
  // The Chinese model and version messages carry no question.
  EXPECT_EQ(MessageText(Message::ModelWrong, 1), "Model type is wrong. Overwrite?");
  EXPECT_EQ(MessageText(Message::ModelWrong, 2), "机型类型错误。");
  EXPECT_EQ(MessageText(Message::VersionWrong, 1), "Version is wrong. Overwrite?");
  EXPECT_EQ(MessageText(Message::VersionWrong, 2), "版本错误。");
  EXPECT_EQ(MessageText(Message::RadioKilled, 1), "Radio is killed,can't be written!");
  EXPECT_EQ(MessageText(Message::RadioStunned, 2), "对讲机被遥晕，不能写入！");
}

TEST(Messages, ConfirmationsBreakTheLineWithCrLf) {
  EXPECT_EQ(MessageText(Message::ConfirmRead, 1), "Read data from radio.\r\nDo you wish continue?");
  EXPECT_EQ(MessageText(Message::ConfirmWrite, 2), "向对讲机写入数据。\r\n是否继续？");
  EXPECT_EQ(MessageText(Message::ReadTitle, 2), "从对讲机读取数据");
  EXPECT_EQ(MessageText(Message::ProgressLabel, 2), "完成进度:");
}

TEST(Messages, FileAndButtonTexts) {
  EXPECT_EQ(MessageText(Message::FileError, 1), "file error.");
  EXPECT_EQ(MessageText(Message::ConfirmOverwrite, 2), "文件将被覆盖，是否继续？");
  EXPECT_EQ(MessageText(Message::ConfirmSaveModified, 1), "File has been modify,save it now?");
  EXPECT_EQ(MessageText(Message::DataFileType, 2), "数据文件");
  EXPECT_EQ(MessageText(Message::CloseButton, 2), "关闭(&C)");
  EXPECT_EQ(MessageText(Message::HelpButton, 1), "&Help");
}

TEST(Messages, PrintTexts) {
  EXPECT_EQ(MessageText(Message::PrintReportTitle, 1), "NR_6240 Radio Programming Information");
  EXPECT_EQ(MessageText(Message::PrintChannelInfo, 1), "Channel Infomation");
  EXPECT_EQ(MessageText(Message::PrintSelectAll, 2), "选择所有(&A)");
  EXPECT_EQ(MessageText(Message::PrintTwoTone, 2), "2Tone");
  EXPECT_EQ(MessageText(Message::PrintSelectItems, 2), "请选择打印项目。");
}

TEST(Messages, StateSelectsTheLanguage) {
  AppState state;
  EXPECT_EQ(MessageText(state, Message::ConfirmNew), "All data will be cleared.");
  state.LanguageIndex = 2;
  EXPECT_EQ(MessageText(state, Message::ConfirmNew), "所有数据将被清空。");
  state.LanguageIndex = 0;
  EXPECT_EQ(MessageText(state, Message::ConfirmNew), "");
}

}  // namespace
}  // namespace px
