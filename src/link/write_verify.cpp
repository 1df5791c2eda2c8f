#include "link/write_verify.h"

#include <cstdio>

#include "app/language.h"
#include "app/text_fill.h"

namespace px {

namespace {

constexpr OwnText kVerified{"Verified: the radio holds what was written.",
                            "校验通过：对讲机中的数据与写入的一致。"};
constexpr OwnText kMismatch{
    "Verify failed: %1 bytes in the radio differ from what was written, first at %2",
    "校验失败：对讲机中有 %1 个字节与写入的不同，最先在 %2"};
constexpr OwnText kReadBackFailed{
    "Verify failed: the radio could not be read back after writing.",
    "校验失败：写入后无法从对讲机读回数据。"};
constexpr OwnText kAt{"0x%1 (written %2, read %3)", "0x%1（写入 %2，读回 %3）"};

std::string Hex(unsigned rValue, int rDigits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", rDigits, rValue);
  return text;
}

}  // namespace

VerifyResult CompareWrittenArea(const RadioImage& rSent, const RadioImage& rReadBack) {
  VerifyResult result;
  for (std::size_t address = kWriteStart; address < kImageSize; ++address) {
    if (rSent[address] == rReadBack[address]) continue;
    ++result.Differing;
    if (result.First.size() < kMismatchesShown) result.First.push_back({address, rSent[address], rReadBack[address]});
  }
  return result;
}

std::string VerifyResultText(const AppState& rState, const VerifyResult& rResult) {
  if (rResult.Matches()) return OwnTextOf(rState, kVerified);
  std::string places;
  for (const ByteMismatch& m : rResult.First) {
    if (!places.empty()) places += ", ";
    places += FillText(OwnTextOf(rState, kAt), {Hex(static_cast<unsigned>(m.Address), 4), Hex(m.Sent, 2), Hex(m.Read, 2)});
  }
  if (rResult.Differing > rResult.First.size()) places += ", ...";
  return FillText(OwnTextOf(rState, kMismatch), {std::to_string(rResult.Differing), places});
}

std::string VerifyReadFailedText(const AppState& rState) { return OwnTextOf(rState, kReadBackFailed); }

}  // namespace px
