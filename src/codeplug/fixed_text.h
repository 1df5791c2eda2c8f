#pragma once
// A text(N) field of a record: exactly N raw bytes as the radio files hold them.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace px {

// Display form of any fixed text: trailing spaces removed, then everything from the
// first NUL on removed.
std::string TrimFixedText(std::string_view rText);
// Byte k becomes code point k, in UTF-8: a fixed text in a UTF-8 report or document.
std::string BytesToUtf8(std::string_view rRaw);

template <std::size_t N>
struct FixedText {
  static constexpr std::size_t Size = N;
  std::array<char, N> Bytes{};

  FixedText() { Bytes.fill(' '); }

  // Left-aligned assignment: a shorter value is padded with spaces, a longer one cut.
  void Assign(std::string_view rValue) {
    Bytes.fill(' ');
    std::copy_n(rValue.begin(), std::min(rValue.size(), N), Bytes.begin());
  }
  // The empty text the defaults store: one NUL followed by spaces.
  void SetDefaultEmpty() {
    Bytes.fill(' ');
    Bytes[0] = '\0';
  }
  static FixedText Of(std::string_view rValue) {
    FixedText t;
    t.Assign(rValue);
    return t;
  }
  static FixedText DefaultEmpty() {
    FixedText t;
    t.SetDefaultEmpty();
    return t;
  }

  std::string_view Raw() const { return {Bytes.data(), N}; }
  std::string Display() const { return TrimFixedText(Raw()); }

  bool operator==(const FixedText&) const = default;
};

}  // namespace px
