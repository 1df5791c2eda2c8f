#include "app/messages.h"

#include <array>

#include "app/app_state.h"

namespace px {

namespace {

struct MessageRow {
  Message Id;
  const char* English;
  const char* Chinese;
};

// In enum order; the check below keeps the two in step.
constexpr std::array<MessageRow, kMessageCount> kMessages{{
    {Message::ReadTitle, "Read data from radio", "从对讲机读取数据"},
    {Message::WriteTitle, "Write data to radio", "向对讲机写入数据"},
    {Message::ProgressLabel, "Completion percentage:", "完成进度:"},
    {Message::ConfirmRead, "Read data from radio.\r\nDo you wish continue?",
     "从对讲机读取数据。\r\n是否继续？"},
    {Message::ConfirmWrite, "Write data to radio.\r\nDo you wish continue?",
     "向对讲机写入数据。\r\n是否继续？"},
    {Message::ModelWrong, "Model type is wrong. Overwrite?", "机型类型错误。"},
    {Message::RadioKilled, "Radio is killed,can't be written!", "对讲机被遥毙，不能写入！"},
    {Message::RadioStunned, "Radio is fainted,can't be written!", "对讲机被遥晕，不能写入！"},
    {Message::VersionWrong, "Version is wrong. Overwrite?", "版本错误。"},
    {Message::BandWrong, "Frequencys is wrong!", "频段类型错误！"},
    {Message::ConfirmNew, "All data will be cleared.", "所有数据将被清空。"},
    {Message::FileError, "file error.", "文件错误。"},
    {Message::ConfirmOverwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
    {Message::ConfirmSaveModified, "File has been modify,save it now?",
     "当前文件已被修改，是否现在保存？"},
    {Message::DataFileType, "Data File", "数据文件"},
    {Message::FrequencyDataCleared, "Frequency data will be cleared.", "频率数据将被清除。"},
    {Message::WarningTitle, "Warning", "警告"},
    {Message::CloseButton, "&Close", "关闭(&C)"},
    {Message::PrintButton, "&Print", "打印(&P)"},
    {Message::HelpButton, "&Help", "帮助(&H)"},
    {Message::VfoNeedsFrequency, "VFO can't be null!", "VFO can't be null!"},
    {Message::ChannelNotFound, "No Find Data!", "No Find Data!"},
    {Message::ChannelTableFull,
     "The channel table is full; the channel was not added. Delete a channel and try again.",
     "信道表已满，未能添加信道。请先删除一个信道再试。"},
    {Message::NotNumeric, "Not IsNumeric", "Not IsNumeric"},
    {Message::RxNotFrequency,
     "The receive frequency is not a number. Correct it (for example 145.50000), or empty "
     "the box to delete the channel.",
     "接收频率不是数字。请改正（例如 145.50000），或清空该框以删除信道。"},

    {Message::PrintOff, "OFF", "关"},
    {Message::PrintOn, "ON", "开"},
    {Message::PrintFileName, "File Name", "文件名"},
    {Message::PrintSelectAll, "Select &All", "选择所有(&A)"},
    {Message::PrintClearAll, "&Clear All", "清除所有(&C)"},
    {Message::PrintSet, "&Set", "设置(&S)"},
    {Message::PrintChannelInfo, "Channel Infomation", "信道信息"},
    {Message::PrintVhfChannelInfo, "VHF Channel Infomation", "VHF信道信息"},
    {Message::PrintRadioChannelInfo, "Radio Channel Infomation", "Radio信道信息"},
    {Message::PrintOption, "Option", "功能设定"},
    {Message::PrintDtmf, "DTMF", "DTMF"},
    {Message::PrintTwoTone, "2Tone", "2Tone"},
    {Message::PrintFiveTone, "5Tone", "5Tone"},
    {Message::PrintCommunicationBook, "Communication Book", "通信簿"},
    {Message::PrintEmbeddedMessage, "Embedded Message", "嵌入信息"},
    {Message::PrintReportTitle, "NR_6240 Radio Programming Information", "NR_6240 对讲机编程信息"},
    {Message::PrintOk, "&OK", "确定(&O)"},
    {Message::PrintCancel, "&Cancel", "取消(&C)"},
    {Message::PrintModelType, "Model Type", "机型类型"},
    {Message::PrintFrequency, "Frequency", "频率"},
    {Message::PrintSelectItems, "Please select printing items.", "请选择打印项目。"},
}};

constexpr bool RowsInEnumOrder() {
  for (int i = 0; i < kMessageCount; ++i) {
    if (static_cast<int>(kMessages[static_cast<std::size_t>(i)].Id) != i) return false;
  }
  return true;
}
static_assert(RowsInEnumOrder(), "message rows must follow the order of enum Message");

}  // namespace

std::string MessageText(Message rMessage, int rLanguageIndex) {
  const auto row = static_cast<std::size_t>(rMessage);
  if (row >= kMessages.size()) return {};
  switch (rLanguageIndex) {
    case 1: return kMessages[row].English;
    case 2: return kMessages[row].Chinese;
    default: return {};
  }
}

std::string MessageText(const AppState& rState, Message rMessage) {
  return MessageText(rMessage, rState.LanguageIndex);
}

}  // namespace px
