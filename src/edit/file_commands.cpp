#include "edit/file_commands.h"

#include <cstring>
#include <filesystem>

#include "app/bands.h"
#include "app/language.h"
#include "app/reason_text.h"
#include "app/messages.h"
#include "codeplug/codeplug_file.h"
#include "edit/codeplug_ops.h"
#include "codeplug/record_fields.h"
#include "codeplug/text_formats.h"

namespace px {
namespace {

// A comparable form of a record: texts with their trailing spaces trimmed, numbers as
// their bytes. Two records are equal for the modification check when these agree.
class ComparableForm {
 public:
  template <class T>
  void Add(const T& rValue) {
    if constexpr (IsFixedText<T>::value) {
      std::string_view text = rValue.Raw();
      while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
      mForm += std::to_string(text.size());
      mForm += ':';
      mForm += text;
    } else if constexpr (Scalar<T>) {
      char bytes[sizeof(T)];
      std::memcpy(bytes, &rValue, sizeof(T));
      mForm.append(bytes, sizeof(T));
    } else if constexpr (IsStdArray<T>::value) {
      for (const auto& e : rValue) Add(e);
    } else {
      VisitFields([&](const char*, const auto& f) { Add(f); }, rValue);
    }
  }
  const std::string& Form() const { return mForm; }

 private:
  std::string mForm;
};

template <class T>
std::string FormOf(const T& rValue) {
  ComparableForm form;
  form.Add(rValue);
  return form.Form();
}

// Frequencies compare by what they show: spaces and "FFFFFFFFF" both mean none.
ChannelRecord WithCanonicalFrequencies(ChannelRecord rChannel) {
  for (auto* freq : {&rChannel.RxFreq, &rChannel.OffsetFreq})
    if (freq->Display() == "FFFFFFFFF") freq->Assign("");
  return rChannel;
}

bool ChannelsModified(const AppState& rState) {
  const int count = rState.SavedCodeplug.ChannelCount;
  for (int i = 0; i < count && i < kChannelSlots; ++i) {
    const ChannelRecord& saved = rState.SavedChannels[i];
    int slot = i;
    if (rState.Channels[i].Number != saved.Number) {
      slot = FindChannelSlot(rState.Current, rState.Channels, saved.Number);
      if (slot < 0) return true;
    }
    if (FormOf(WithCanonicalFrequencies(rState.Channels[slot])) !=
        FormOf(WithCanonicalFrequencies(saved)))
      return true;
  }
  return false;
}

bool LoadDefaultFile(AppState& rState, const std::string& rPath) {
  std::string error;
  if (!ReadCodeplugFiles(rPath, rState.SavedCodeplug, rState.SavedChannels, error)) return false;
  rState.SavedCodeplug.BandIndex = rState.Band.Index;
  return true;
}

void LoadDefaultCodeplug(AppState& rState) {
  const std::string product = ProductNameOf(rState.ModelString);
  const std::string modelFile = ProgramPath(rState, "Init/" + product + ".dat");
  const std::string fallbackFile = ProgramPath(rState, "Init/PX-4800.dat");

  if (!product.empty() && std::filesystem::exists(modelFile)) {
    if (!LoadDefaultFile(rState, modelFile)) {
      CopyToSaved(rState);
      return;
    }
    if (rState.Setup.FactoryFres == 0 && !rState.Initializing) {
      Codeplug& saved = rState.SavedCodeplug;
      const int vfo = FindChannelSlot(saved, rState.SavedChannels, kNumberVFO);
      if (vfo >= 0) rState.SavedChannels[0] = rState.SavedChannels[vfo];
      saved.ChannelCount = vfo >= 0 ? 1 : 0;
    }
    RestoreFromSaved(rState);
    return;
  }
  if (!LoadDefaultFile(rState, fallbackFile)) {
    CopyToSaved(rState);
    return;
  }
  RestoreFromSaved(rState);
  rState.Current.ChannelCount = 1;
  CreateDefaultChannel(rState.Current, rState.Channels);
  CopyToSaved(rState);
}

std::string FileErrorText(const AppState& rState, const std::string& rReason) {
  std::string text = MessageText(Message::FileError, rState.LanguageIndex);
  if (!rReason.empty()) text += "\r\n" + LocalReason(rState, rReason);
  return text;
}

}  // namespace

bool IsModified(const AppState& rState) {
  const Codeplug& now = rState.Current;
  const Codeplug& saved = rState.SavedCodeplug;
  if (rState.Band.Index != saved.BandIndex) return true;
  if (now.ChannelCount != saved.ChannelCount) return true;
  if (now.FiveToneLastOption != saved.FiveToneLastOption) return true;
  if (ChannelsModified(rState)) return true;
  if (FormOf(now.Settings) != FormOf(saved.Settings)) return true;
  if (FormOf(now.Book) != FormOf(saved.Book)) return true;
  return FormOf(std::array{now.MinRxFreq, now.MaxRxFreq, now.MinTxFreq, now.MaxTxFreq}) !=
         FormOf(std::array{saved.MinRxFreq, saved.MaxRxFreq, saved.MinTxFreq, saved.MaxTxFreq});
}

bool NeedsSaveQuestion(const AppState& rState) { return rState.UnsavedRead || IsModified(rState); }

void CreateNewCodeplug(AppState& rState) {
  rState.ClipboardFilled = false;
  rState.UnsavedRead = false;
  rState.Untitled = true;
  rState.FilePath = "new.dat";
  rState.BookFilePath = "new.cb";
  ResetToDefaults(rState.Current);
  rState.Current.ChannelCount = 1;
  CreateDefaultChannel(rState.Current, rState.Channels);
  LoadDefaultCodeplug(rState);
}

bool NewCommand(AppState& rState, UserInterface& rUi) {
  if (NeedsSaveQuestion(rState)) {
    const MsgAnswer answer = rUi.Ask(LangMsg(rState, 9001), MsgButtons::YesNoCancel, MsgIcon::Warning);
    // Cancel keeps the codeplug, and so does a save that did not happen.
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes && !SaveCommand(rState, rUi)) return false;
  }
  if (!rState.Initializing &&
      rUi.Ask(MessageText(Message::ConfirmNew, rState.LanguageIndex), MsgButtons::OkCancel,
              MsgIcon::Warning) != MsgAnswer::Ok)
    return false;
  CreateNewCodeplug(rState);
  return true;
}

bool OpenCodeplugFile(AppState& rState, UserInterface& rUi, const std::string& rPath) {
  Codeplug plug = rState.SavedCodeplug;
  ChannelTable channels = rState.SavedChannels;
  std::string error;
  std::string warning;
  if (!ReadCodeplugFiles(rPath, plug, channels, error, &warning)) {
    rUi.Tell(FileErrorText(rState, error), MsgIcon::Critical);
    return false;
  }
  rState.SavedCodeplug = plug;
  rState.SavedChannels = channels;
  rState.SavedCodeplug.BandIndex = rState.Band.Index;
  RestoreFromSaved(rState);
  // The slots past the count too: nothing of the previous codeplug stays behind.
  rState.Channels = channels;
  rState.FilePath = rPath;
  rState.Untitled = false;
  rState.UnsavedRead = false;
  if (!warning.empty()) rUi.Tell(LocalReason(rState, warning), MsgIcon::Warning);
  return true;
}

bool OpenCommand(AppState& rState, UserInterface& rUi) {
  if (NeedsSaveQuestion(rState)) {
    const MsgAnswer answer = rUi.Ask(MessageText(Message::ConfirmSaveModified, rState.LanguageIndex),
                                     MsgButtons::YesNoCancel, MsgIcon::Warning);
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes && !SaveCommand(rState, rUi)) return false;
  }
  const auto path = rUi.ChooseFileToOpen(CodeplugFileFilter(rState), rState.FilePath);
  if (!path) return false;
  return OpenCodeplugFile(rState, rUi, *path);
}

bool WriteCodeplug(AppState& rState, UserInterface& rUi, const std::string& rPath) {
  const Codeplug previous = rState.SavedCodeplug;
  const ChannelTable previousChannels = rState.SavedChannels;
  CopyToSaved(rState);
  std::string error;
  if (!WriteCodeplugFiles(rPath, rState.SavedCodeplug, rState.SavedChannels, error)) {
    // The saved copy stands for what is on disk; it must not claim a save that failed.
    rState.SavedCodeplug = previous;
    rState.SavedChannels = previousChannels;
    rUi.Tell(FileErrorText(rState, error), MsgIcon::Critical);
    return false;
  }
  rState.Untitled = false;
  rState.UnsavedRead = false;
  return true;
}

bool SaveCommand(AppState& rState, UserInterface& rUi) {
  if (rState.Untitled) return SaveAsCommand(rState, rUi);
  const std::string question = "\"" + FileNameOf(rState.FilePath) + "\"" +
                               MessageText(Message::ConfirmOverwrite, rState.LanguageIndex);
  if (rUi.Ask(question, MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok) return false;
  return WriteCodeplug(rState, rUi, rState.FilePath);
}

bool SaveAsCommand(AppState& rState, UserInterface& rUi) {
  const auto path = rUi.ChooseFileToSave(CodeplugFileFilter(rState), rState.FilePath);
  if (!path) return false;
  if (!WriteCodeplug(rState, rUi, *path)) return false;
  rState.FilePath = *path;
  return true;
}

std::string CodeplugFileFilter(const AppState& rState) {
  return MessageText(Message::DataFileType, rState.LanguageIndex) + " (*.dat)|*.dat";
}

}  // namespace px
