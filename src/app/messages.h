#pragma once
// The messages, captions and print texts built into the program in both languages,
// independent of the language files.

#include <string>

namespace px {

struct AppState;

enum class Message {
  ReadTitle,             // title of the progress dialog while reading
  WriteTitle,            // title of the progress dialog while writing
  ProgressLabel,
  ConfirmRead,
  ConfirmWrite,
  ModelWrong,            // the radio reports another model
  RadioKilled,
  RadioStunned,
  VersionWrong,
  BandWrong,
  ConfirmNew,
  FileError,
  ConfirmOverwrite,      // Save on an existing file
  ConfirmSaveModified,   // Open with a modified codeplug
  DataFileType,          // file type name in the file dialogs
  FrequencyDataCleared,
  WarningTitle,
  CloseButton,
  PrintButton,
  HelpButton,
  VfoNeedsFrequency,     // the channel editor's OK on the VFO row without a frequency
  ChannelNotFound,       // the channel to modify has no record
  ChannelTableFull,      // no free slot for a new channel (only a damaged file has none)
  NotNumeric,            // a stored frequency that is not nine digits
  RxNotFrequency,        // the channel editor's OK with a receive text that is no number

  // Print list and printed report.
  PrintOff,
  PrintOn,
  PrintFileName,
  PrintSelectAll,
  PrintClearAll,
  PrintSet,
  PrintChannelInfo,
  PrintVhfChannelInfo,
  PrintRadioChannelInfo,
  PrintOption,
  PrintDtmf,
  PrintTwoTone,
  PrintFiveTone,
  PrintCommunicationBook,
  PrintEmbeddedMessage,
  PrintReportTitle,
  PrintOk,
  PrintCancel,
  PrintModelType,
  PrintFrequency,
  PrintSelectItems,
};

inline constexpr int kMessageCount = static_cast<int>(Message::PrintSelectItems) + 1;

// The line break inside the built-in messages.
inline constexpr const char* kMessageLineBreak = "\r\n";

// The text at language index 1 (English) or 2 (Chinese, UTF-8); "" for any other index.
std::string MessageText(Message rMessage, int rLanguageIndex);
// The text in the current language.
std::string MessageText(const AppState& rState, Message rMessage);

}  // namespace px
