#include "app/reason_text.h"

#include <cerrno>
#include <cstring>
#include <regex>
#include <vector>

#include "app/app_state.h"
#include "app/language.h"

namespace px {
namespace {

// "%1".."%9" stand for paths, numbers and nested reasons, in the same order in both
// forms unless the Chinese form reorders them.
struct ReasonForm {
  const char* English;
  const char* Chinese;
};

constexpr ReasonForm kForms[] = {
    {"cannot read %1: %2", "无法读取 %1：%2"},
    {"cannot write %1: %2", "无法写入 %1：%2"},
    {"%1 is not a regular file", "%1 不是普通文件"},
    {"%1 is %2 bytes long; a codeplug file has %3", "%1 长 %2 字节；数据文件应为 %3 字节"},
    {"%1 is %2 bytes long; a book file has %3", "%1 长 %2 字节；通讯录文件应为 %3 字节"},
    {"%1 is %2 bytes long; at most %3 bytes are read", "%1 长 %2 字节；最多只读取 %3 字节"},
    {"standard input is larger than %1 bytes, the most that is read", "标准输入超过 %1 字节，即最多读取的大小"},
    {"%1 holds a channel count of %2; at most %3 channels fit", "%1 记录的信道数为 %2；最多只能容纳 %3 个信道"},
    {"%1 is missing: the %2 channels that %3 names are left out", "%1 不存在：%3 记录的 %2 个信道未载入"},
    {"%1 is missing: the %2 channel that %3 names are left out", "%1 不存在：%3 记录的 %2 个信道未载入"},
    {"%1 holds %2 channels of the %3 that %4 names; the others are left out",
     "%1 只有 %4 记录的 %3 个信道中的 %2 个；其余信道未载入"},
    {"%1 holds %2 channel of the %3 that %4 names; the others are left out",
     "%1 只有 %4 记录的 %3 个信道中的 %2 个；其余信道未载入"},
    {"channel count %1 is outside 0..%2", "信道数 %1 不在 0..%2 之内"},
    {"%1: a codeplug file name ends in .dat (its channel file is then the same name ending in .fre)",
     "%1：数据文件名须以 .dat 结尾（其信道文件为同名、以 .fre 结尾的文件）"},
    {"%1 is not a radio memory image: %2 bytes, an image has %3", "%1 不是电台内存映像：%2 字节，映像应为 %3 字节"},
    {"%1 is one of the inputs (%2); choose another output file", "%1 是输入文件之一（%2）；请选择其他输出文件"},
    {"%1: nested more than %2 levels deep; a codeplug's JSON form has far fewer",
     "%1：嵌套超过 %2 层；数据的 JSON 形式远没有这么深"},
    {"No serial port is chosen.", "未选择串口。"},
    {"%1: permission denied (or the port is in use by another program).", "%1：权限不足（或端口正被其他程序使用）。"},
    {"%1: no such device. Is the cable plugged in?", "%1：没有这个设备。写频线插好了吗？"},
    {"%1: permission denied. Join the group \"%2\" that owns the device (sudo usermod -aG %3 $USER), then log in again.",
     "%1：权限不足。请加入拥有该设备的用户组“%2”（sudo usermod -aG %3 $USER），然后重新登录。"},
};

// The system's texts, by error number, so that they match whatever the C library says.
struct SystemForm {
  int Error;
  const char* Chinese;
};

constexpr SystemForm kSystemForms[] = {
    {ENOENT, "没有那个文件或目录"},
    {EACCES, "权限不够"},
    {EPERM, "不允许的操作"},
    {EISDIR, "是一个目录"},
    {ENOTDIR, "不是目录"},
    {ENOSPC, "设备上没有空间"},
    {EDQUOT, "超出磁盘配额"},
    {EROFS, "只读文件系统"},
    {EBUSY, "设备或资源忙"},
    {ETXTBSY, "文本文件忙"},
    {ENOMEM, "内存不足"},
    {EIO, "输入/输出错误"},
    {ELOOP, "符号链接的层数过多"},
    {ENAMETOOLONG, "文件名过长"},
    {ENXIO, "没有那个设备或地址"},
    {ENODEV, "没有那个设备"},
    {EFBIG, "文件过大"},
    {EEXIST, "文件已存在"},
    {EMFILE, "打开的文件过多"},
    {EXDEV, "无效的跨设备链接"},
};

std::string SystemTextInChinese(const std::string& rText) {
  for (const SystemForm& form : kSystemForms)
    if (rText == std::strerror(form.Error)) return form.Chinese;
  return {};
}

std::string Escaped(const std::string& rLiteral) {
  static const std::regex kSpecial(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(rLiteral, kSpecial, R"(\$&)");
}

struct CompiledForm {
  std::regex Pattern;
  std::vector<int> Slots;  // the %N of each capture, in order
  std::string Chinese;
};

const std::vector<CompiledForm>& CompiledForms() {
  static const std::vector<CompiledForm> kCompiled = [] {
    std::vector<CompiledForm> all;
    for (const ReasonForm& form : kForms) {
      CompiledForm compiled;
      std::string english = form.English;
      std::string pattern = "^";
      std::size_t at = 0;
      while (at < english.size()) {
        const std::size_t mark = english.find('%', at);
        if (mark == std::string::npos || mark + 1 >= english.size()) {
          pattern += Escaped(english.substr(at));
          break;
        }
        pattern += Escaped(english.substr(at, mark - at)) + "(.+)";
        compiled.Slots.push_back(english[mark + 1] - '0');
        at = mark + 2;
      }
      compiled.Pattern = std::regex(pattern + "$");
      compiled.Chinese = form.Chinese;
      all.push_back(std::move(compiled));
    }
    return all;
  }();
  return kCompiled;
}

std::string LineInChinese(const std::string& rLine) {
  if (std::string system = SystemTextInChinese(rLine); !system.empty()) return system;
  std::smatch match;
  for (const CompiledForm& form : CompiledForms()) {
    if (!std::regex_match(rLine, match, form.Pattern)) continue;
    std::string text = form.Chinese;
    for (std::size_t k = 0; k < form.Slots.size(); ++k) {
      std::string value = match[k + 1].str();
      // A nested reason (the system's text after "cannot read x: ") is translated too.
      if (std::string inner = LineInChinese(value); !inner.empty()) value = inner;
      const std::string mark = "%" + std::to_string(form.Slots[k]);
      if (const auto place = text.find(mark); place != std::string::npos) text.replace(place, mark.size(), value);
    }
    return text;
  }
  // "<what>: <the system's text>", as a port or a file gives it.
  if (const std::size_t colon = rLine.rfind(": "); colon != std::string::npos) {
    if (std::string system = SystemTextInChinese(rLine.substr(colon + 2)); !system.empty())
      return rLine.substr(0, colon) + "：" + system;
  }
  return {};
}

}  // namespace

std::string LocalReason(int rLanguageIndex, const std::string& rReason) {
  if (rLanguageIndex != kChinese || rReason.empty()) return rReason;
  std::string out;
  std::size_t at = 0;
  while (at <= rReason.size()) {
    const std::size_t end = rReason.find('\n', at);
    const std::size_t stop = end == std::string::npos ? rReason.size() : end;
    std::string line = rReason.substr(at, stop - at);
    const bool carriage = !line.empty() && line.back() == '\r';
    if (carriage) line.pop_back();
    const std::string translated = LineInChinese(line);
    out += translated.empty() ? line : translated;
    if (carriage) out += '\r';
    if (end == std::string::npos) break;
    out += '\n';
    at = end + 1;
  }
  return out;
}

std::string LocalReason(const AppState& rState, const std::string& rReason) {
  return LocalReason(rState.LanguageIndex, rReason);
}

}  // namespace px
