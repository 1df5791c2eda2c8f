#include "edit/five_tone_codes.h"

#include <algorithm>

#include "app/language.h"
#include "codeplug/text_formats.h"

namespace px {
namespace {

constexpr int kTextMessageCall = 60073;
constexpr int kTextWithMessage = 60084;
constexpr std::size_t kMessageCallMin = 8;  // "E1", five digits, "E"
constexpr std::size_t kAniDetectMin = 10;

bool HasOwnIdPrefix(std::string_view rCode) { return rCode.starts_with("E2") || rCode.starts_with("E6"); }

}  // namespace

std::string CodeInUse(const FiveToneCode& rCode) {
  std::string digits = TrimFixedText(rCode.Digits.Raw());
  const std::size_t count = std::min<std::size_t>(rCode.CodeBytes[2], FiveToneCode{}.Digits.Size);
  if (digits.size() < count) digits.append(count - digits.size(), 'E');
  digits.resize(count);
  return digits;
}

FiveToneCallType CallTypeOf(std::string_view rCode, std::string_view rOwnId) {
  if (rCode.starts_with("E1") && rCode.size() >= kMessageCallMin) return FiveToneCallType::Message;
  if (EndsWithOwnId(rCode, rOwnId)) return FiveToneCallType::Ani;
  if (rCode.starts_with("E6")) return FiveToneCallType::PttId;
  return FiveToneCallType::None;
}

std::string CallTypeText(const AppState& rState, FiveToneCallType rType) {
  switch (rType) {
    case FiveToneCallType::Message: return LangOption(rState, kTextMessageCall);
    case FiveToneCallType::Ani: return "ANI";
    case FiveToneCallType::PttId: return "PTTID";
    case FiveToneCallType::None: break;
  }
  return {};
}

std::string ShownCodeText(const AppState& rState, std::string_view rCode, FiveToneCallType rType) {
  std::string shown = EditedCodeText(rCode, rType);
  if (rType == FiveToneCallType::Message) shown += std::string(8, ' ') + LangOption(rState, kTextWithMessage);
  return shown;
}

std::string EditedCodeText(std::string_view rCode, FiveToneCallType rType) {
  switch (rType) {
    case FiveToneCallType::Message: return Mid5ToneNoE(rCode, 3, kOwnIdLength);
    case FiveToneCallType::Ani: return Mid5ToneNoE(rCode, 1, kOwnIdLength);
    case FiveToneCallType::PttId: return {};
    case FiveToneCallType::None: break;
  }
  return std::string(rCode);
}

std::string CodeAlphabetOnly(std::string_view rText) {
  std::string out;
  for (const char c : rText) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) out.push_back(c);
    else if (c >= 'a' && c <= 'f') out.push_back(static_cast<char>(c - 'a' + 'A'));
  }
  return out;
}

bool IsOwnIdComplete(std::string_view rOwnId) {
  return rOwnId.size() == kOwnIdLength &&
         std::all_of(rOwnId.begin(), rOwnId.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string WithOwnId(std::string_view rCode, std::string_view rOwnId) {
  std::string code(rCode);
  if (code.size() <= 2) return code;
  if (HasOwnIdPrefix(code)) return code.substr(0, 2) + std::string(rOwnId);
  if (CallTypeOf(code, rOwnId) != FiveToneCallType::Ani) return code;
  const std::size_t replaced = code.ends_with(kSelfIdPlaceholder) ? kSelfIdPlaceholder.size() : kOwnIdLength;
  return code.substr(0, code.size() - replaced) + std::string(rOwnId);
}

std::string WithNewOwnId(std::string_view rCode, std::string_view rOldId, std::string_view rNewId) {
  std::string code(rCode);
  if (HasOwnIdPrefix(code)) return code.substr(0, 2) + std::string(rNewId);
  if (code.size() < kAniDetectMin || code.ends_with(kSelfIdPlaceholder)) return code;
  if (CallTypeOf(code, rOldId) != FiveToneCallType::Ani) return code;
  return code.substr(0, code.size() - kOwnIdLength) + std::string(rNewId);
}

std::optional<char> FilterCodeKey(int rCode) {
  if (rCode == 3 || rCode == 22 || rCode == 24 || rCode > 127 || rCode < 0) return std::nullopt;
  const char c = static_cast<char>(rCode);
  if (rCode < 32 || rCode == 127) return c;
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) return c;
  if (c >= 'a' && c <= 'f') return static_cast<char>(c - 'a' + 'A');
  return std::nullopt;
}

}  // namespace px
