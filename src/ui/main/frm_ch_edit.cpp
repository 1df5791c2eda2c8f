#include "ui/main/frm_ch_edit.h"

#include "app/language.h"
#include "ui/main/message_service.h"

namespace px {

// The editor dialog is not built yet; say so rather than open nothing.
bool OpenChannelEditor(AppState& rState, int, QWidget* rParent) {
  const std::string text = rState.LanguageIndex == kChinese ? "此版本尚未提供信道编辑器。"
                                                            : "The channel editor is not available in this version yet.";
  MessageService::TellUser(rParent, text, MsgIcon::Information);
  return false;
}

}  // namespace px
