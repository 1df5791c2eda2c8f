#pragma once
// Number texts: the one test of "numeric", parsing to double, and the display patterns.
//
// Every text here uses "." as the decimal separator whatever the C or C++ locale; nothing
// in this file reads the global locale.
//
// A numeric text is, in this order:
//   optional blanks (space or tab), an optional sign "+" or "-",
//   decimal digits with at most one "." among them and at least one digit in all,
//   optional blanks,
// and its value must be a finite double. Not numeric: the empty text, exponents ("1e5"),
// hexadecimal ("&H1F", "0x1F"), thousands separators ("1,000"), a "," as decimal point,
// currency signs, and anything too large for a double.
//
// Rounding: the patterns round half away from zero, like the platform the stored files
// come from; RoundHalfEven exists for the places that state banker's rounding. Both round
// the decimal value the user sees, not the binary double: a value is first taken to 15
// significant digits (which is what it looks like when printed), so 145.000005 rounds up
// to 145.00001 although its double is a hair below the half.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace px {

enum class Rounding {
  HalfAwayFromZero,  // 2.5 -> 3, -2.5 -> -3; all Format patterns
  HalfToEven,        // 2.5 -> 2, 3.5 -> 4
};

bool IsNumeric(std::string_view rText);

// The value of a numeric text; nullopt otherwise.
std::optional<double> ParseNumber(std::string_view rText);

// The value of a numeric text, or rDefault.
double NumberValue(std::string_view rText, double rDefault = 0);

// rValue rounded to a whole number. Non-finite values give 0; the result saturates at
// the limits of int64.
std::int64_t RoundToInteger(double rValue, Rounding rMode = Rounding::HalfAwayFromZero);

// round(rValue * 10^rDecimals) computed on the decimal value (see above), saturating
// like RoundToInteger.
std::int64_t RoundScaled(double rValue, int rDecimals, Rounding rMode = Rounding::HalfAwayFromZero);

// rValue rounded to rDecimals decimals and returned as the nearest double.
double RoundToDecimals(double rValue, int rDecimals, Rounding rMode = Rounding::HalfAwayFromZero);

// A fixed-point pattern: rMinIntDigits integer digits at least (0 = no digit before the
// point when the integer part is 0, the pattern "#"), then rDecimals decimals (0 = no
// point); both are taken within 0..64. A value that rounds to zero has no sign.
// Non-finite values format as 0.
std::string FormatFixed(double rValue, int rMinIntDigits, int rDecimals,
                        Rounding rMode = Rounding::HalfAwayFromZero);

// The patterns by name; all round half away from zero.
std::string FormatFreqText(double rValue);      // "000.00000"  145 -> "145.00000", 5 -> "005.00000"
std::string FormatLimitText(double rValue);     // "#.00000"    136 -> "136.00000", 0.5 -> ".50000"
std::string FormatOffsetText(double rValue);    // "0.00000"    5 -> "5.00000", 0.5 -> "0.50000"
std::string FormatDistanceText(double rValue);  // "#0.00000"   same output as "0.00000"
std::string FormatFreq4Text(double rValue);     // "000.0000"   155 -> "155.0000"
std::string FormatNineDigits(double rValue);    // "000000000"  14500000 -> "014500000"
std::string FormatFourDigits(double rValue);    // "0000"       145 -> "0145"
std::string FormatTenthsText(double rValue);    // "#0.0"       62.5 -> "62.5", 0 -> "0.0"
std::string FormatOneDecimal(double rValue);    // "0.0"        same output as "#0.0"
std::string FormatTenthsNoLeadZero(double rValue);  // "#.0"    288.5 -> "288.5", 0.5 -> ".5"

// The shortest plain form: up to 15 significant digits, no exponent, no trailing zeros
// and no point for whole numbers (136, 173.9975, 0.5, -2).
std::string FormatPlainNumber(double rValue);

}  // namespace px
