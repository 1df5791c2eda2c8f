#include "ui/kit/guarded_command.h"

#include <exception>
#include <new>
#include <string>

#include "app/language.h"

namespace px {
namespace {

constexpr OwnText kOutOfMemory{
    "There is not enough memory to finish this command. The codeplug in the window is unchanged.",
    "内存不足，无法完成此命令。窗口中的数据未被改动。"};
constexpr OwnText kFailed{"This command failed; the codeplug in the window is unchanged.\r\n%1",
                          "此命令失败；窗口中的数据未被改动。\r\n%1"};

}  // namespace

bool RunGuarded(const AppState& rState, UserInterface& rUi, const std::function<void()>& rCommand) {
  std::string told;
  try {
    rCommand();
    return true;
  } catch (const std::bad_alloc&) {
    told = OwnTextOf(rState, kOutOfMemory);
  } catch (const std::exception& e) {
    told = OwnTextOf(rState, kFailed);
    told.replace(told.find("%1"), 2, e.what());
  }
  // Told outside the handler: the box runs an event loop of its own.
  rUi.Tell(told, MsgIcon::Critical);
  return false;
}

}  // namespace px
