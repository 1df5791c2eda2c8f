#include "codeplug/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace px {

namespace {

constexpr int kSignificantDigits = 15;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal form of a finite, non-zero magnitude: 15 significant digits d0 d1 ... and
// the power of ten of d0. Taken from a correctly rounded scientific text, so it is what
// the value looks like printed, not the binary expansion of the double.
struct DecimalForm {
  std::string Digits;  // exactly kSignificantDigits digits, the first non-zero
  int Exponent = 0;
};

DecimalForm DecimalOf(double rMagnitude) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, rMagnitude, std::chars_format::scientific,
                                 kSignificantDigits - 1);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  DecimalForm form;
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (IsDigit(c)) form.Digits.push_back(c);
  }
  const std::string_view expText = text.substr(e + 1);
  const bool negExp = expText.front() == '-';
  int exp = 0;
  for (char c : expText.substr(1)) exp = exp * 10 + (c - '0');
  form.Exponent = negExp ? -exp : exp;
  return form;
}

// Adds one to a string of decimal digits.
void Increment(std::string& rDigits) {
  for (std::size_t i = rDigits.size(); i-- > 0;) {
    if (rDigits[i] != '9') {
      ++rDigits[i];
      return;
    }
    rDigits[i] = '0';
  }
  rDigits.insert(rDigits.begin(), '1');
}

// The digits of round(|rValue| * 10^rDecimals), without leading zeros ("0" for zero).
std::string RoundedDigits(double rValue, int rDecimals, Rounding rMode) {
  if (!std::isfinite(rValue) || rValue == 0) return "0";
  const DecimalForm form = DecimalOf(std::fabs(rValue));
  const int intCount = form.Exponent + 1 + rDecimals;  // digits before the scaled point
  if (intCount >= kSignificantDigits) {
    return form.Digits + std::string(static_cast<std::size_t>(intCount - kSignificantDigits), '0');
  }
  if (intCount < 0) return "0";

  std::string whole = form.Digits.substr(0, static_cast<std::size_t>(intCount));
  const std::string_view frac = std::string_view(form.Digits).substr(static_cast<std::size_t>(intCount));
  bool up = false;
  if (frac.front() > '5') {
    up = true;
  } else if (frac.front() == '5') {
    const bool exactHalf = frac.substr(1).find_first_not_of('0') == std::string_view::npos;
    if (!exactHalf || rMode == Rounding::HalfAwayFromZero) {
      up = true;
    } else {
      const char last = whole.empty() ? '0' : whole.back();
      up = (last - '0') % 2 == 1;
    }
  }
  if (whole.empty()) whole = "0";
  if (up) Increment(whole);
  const std::size_t first = whole.find_first_not_of('0');
  return first == std::string::npos ? "0" : whole.substr(first);
}

std::int64_t SaturatedInteger(double rValue, int rDecimals, Rounding rMode) {
  const std::string digits = RoundedDigits(rValue, rDecimals, rMode);
  std::uint64_t magnitude = 0;
  const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  const bool overflow = res.ec != std::errc{} || magnitude > kMax;
  if (rValue < 0) {
    return overflow ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
  }
  return overflow ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view rText) {
  std::size_t begin = 0;
  std::size_t end = rText.size();
  while (begin < end && IsBlank(rText[begin])) ++begin;
  while (end > begin && IsBlank(rText[end - 1])) --end;
  std::string_view core = rText.substr(begin, end - begin);

  bool negative = false;
  if (!core.empty() && (core.front() == '+' || core.front() == '-')) {
    negative = core.front() == '-';
    core.remove_prefix(1);
  }
  int digits = 0;
  int points = 0;
  for (char c : core) {
    if (IsDigit(c)) {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || points > 1) return std::nullopt;

  double value = 0;
  const auto res = std::from_chars(core.data(), core.data() + core.size(), value, std::chars_format::fixed);
  if (res.ec != std::errc{} || res.ptr != core.data() + core.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

bool IsNumeric(std::string_view rText) { return ParseNumber(rText).has_value(); }

double NumberValue(std::string_view rText, double rDefault) {
  return ParseNumber(rText).value_or(rDefault);
}

std::int64_t RoundToInteger(double rValue, Rounding rMode) {
  return SaturatedInteger(rValue, 0, rMode);
}

std::int64_t RoundScaled(double rValue, int rDecimals, Rounding rMode) {
  return SaturatedInteger(rValue, rDecimals, rMode);
}

double RoundToDecimals(double rValue, int rDecimals, Rounding rMode) {
  return NumberValue(FormatFixed(rValue, 1, rDecimals, rMode));
}

std::string FormatFixed(double rValue, int rMinIntDigits, int rDecimals, Rounding rMode) {
  if (!std::isfinite(rValue)) rValue = 0;
  rMinIntDigits = std::clamp(rMinIntDigits, 0, 64);
  rDecimals = std::clamp(rDecimals, 0, 64);
  std::string digits = RoundedDigits(rValue, rDecimals, rMode);
  const bool negative = rValue < 0 && digits != "0";

  const auto decimals = static_cast<std::size_t>(rDecimals);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - decimals);
  const std::string frac = digits.substr(digits.size() - decimals);
  if (whole == "0") whole.clear();
  const auto minWhole = static_cast<std::size_t>(rMinIntDigits);
  if (whole.size() < minWhole) whole.insert(0, minWhole - whole.size(), '0');

  std::string out = negative ? "-" : "";
  out += whole;
  if (rDecimals > 0) out += "." + frac;
  return out;
}

std::string FormatFreqText(double rValue) { return FormatFixed(rValue, 3, 5); }
std::string FormatLimitText(double rValue) { return FormatFixed(rValue, 0, 5); }
std::string FormatOffsetText(double rValue) { return FormatFixed(rValue, 1, 5); }
std::string FormatDistanceText(double rValue) { return FormatFixed(rValue, 1, 5); }
std::string FormatFreq4Text(double rValue) { return FormatFixed(rValue, 3, 4); }
std::string FormatNineDigits(double rValue) { return FormatFixed(rValue, 9, 0); }
std::string FormatFourDigits(double rValue) { return FormatFixed(rValue, 4, 0); }
std::string FormatTenthsText(double rValue) { return FormatFixed(rValue, 1, 1); }
std::string FormatOneDecimal(double rValue) { return FormatFixed(rValue, 1, 1); }
std::string FormatTenthsNoLeadZero(double rValue) { return FormatFixed(rValue, 0, 1); }

std::string FormatPlainNumber(double rValue) {
  if (!std::isfinite(rValue) || rValue == 0) return "0";
  const DecimalForm form = DecimalOf(std::fabs(rValue));
  std::string digits = form.Digits;
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string out = rValue < 0 ? "-" : "";
  if (form.Exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-form.Exponent - 1), '0');
    out += digits;
    return out;
  }
  const auto wholeCount = static_cast<std::size_t>(form.Exponent) + 1;
  if (digits.size() <= wholeCount) {
    out += digits;
    out.append(wholeCount - digits.size(), '0');
  } else {
    out += digits.substr(0, wholeCount);
    out += '.';
    out += digits.substr(wholeCount);
  }
  return out;
}

}  // namespace px
