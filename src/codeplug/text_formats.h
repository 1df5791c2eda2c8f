#pragma once
// Text forms of frequencies, tones and codes, and the small number helpers the dialogs use.
//
// A stored frequency is nine decimal digits in units of 10 Hz (145 MHz = "014500000");
// nine spaces or "FFFFFFFFF" mean no frequency. Stored texts may be passed raw (as the
// nine bytes of the field) or trimmed; they are trimmed with TrimFixedText first.
// Frequency arithmetic is done in whole units of 10 Hz so that a sum of two texts never
// lands a hair outside the band.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/format_warnings.h"
#include "codeplug/records.h"

namespace px {

// ---- Frequencies -------------------------------------------------------------------

constexpr std::int64_t kUnitsPerMhz = 100000;  // one unit is 10 Hz

// MHz to whole units of 10 Hz, rounded half away from zero on the decimal value and
// held within +-10^15 units, whatever a damaged file holds.
std::int64_t FreqToUnits(double rMhz);
// Units to the "000.00000" text.
std::string UnitsToFreqText(std::int64_t rUnits);

// Display form to the stored nine digits: value x 100000 rounded to the nearest 10 Hz.
// "" for an empty or blank text. Any numeric text is taken as MHz, with or without a
// point ("145" = "145.00000"). A text that is not a number gives "" (no frequency), and
// values outside 0 .. 9999.99999 MHz are clamped, so the result always fits the field.
std::string ToStoredFreq(std::string_view rText);

// Stored form to "000.00000"; "" for no frequency. The first four characters are the
// MHz: " 14500000" shows 145.00000. A stored text that is not numeric (IsNumeric), or
// whose MHz form is not or is negative, raises NotNumeric and gives the lowest receive
// limit in plain form ("136").
std::string ToDisplayFreq(std::string_view rStored, const FormatContext& rCtx);

// Stored offset to "0.00000"; "0.00000" for no offset. A damaged stored text (as for
// ToDisplayFreq) raises NotNumeric and gives "0.00000".
std::string ToDisplayOffset(std::string_view rStored, const FormatContext& rCtx);

// The channel raster, relative to the lowest frequency of the band (both in units):
// a distance on none of the 2.5 kHz, 6.25 kHz or 8.33 kHz (within each 25 kHz) grids
// goes down to the 2.5 kHz step below; the third 8.33 kHz step (2499 of 2500) goes up
// one unit onto the 25 kHz grid; everything else stays. Unit counts are those of
// FreqToUnits (within +-10^15).
std::int64_t RasterCorrectUnits(std::int64_t rUnits, std::int64_t rLowestUnits);
double RasterCorrect(double rMhz, double rLowestMhz);

// A typed frequency checked against the receive (transmit) band: not numeric -> the
// lowest limit, below -> the lowest limit, above -> the highest limit, each raising
// OutOfBand once when rWarn is set; within the band -> raster-corrected. Always a
// "000.00000" text.
std::string ParseRxFreq(std::string_view rText, bool rWarn, const FormatContext& rCtx);
std::string ParseTxFreq(std::string_view rText, bool rWarn, const FormatContext& rCtx);

// The effective transmit offset: the transmit frequency (receive - offset for direction 1,
// receive + offset for any other direction) checked by ParseTxFreq with warnings on,
// then its distance from the receive frequency in the direction's sense, "000.00000".
// A non-numeric offset or receive text gives "000.00000" without a warning.
std::string ComputeOffset(std::string_view rOffset, std::string_view rRx, int rDirection,
                          const FormatContext& rCtx);

// ---- Lists of the channel page -------------------------------------------------------

// "2.5K" .. "50K", by StepIndex.
const std::vector<std::string>& ChannelStepTexts();
// "25KHz", "20KHz", "12.5KHz", by BandwidthIndex.
const std::vector<std::string>& BandwidthTexts();
// The 51 CTCSS tones in Hz with one decimal ("62.5" .. "254.1"), by CtcssIndexA/B.
const std::vector<std::string>& CtcssTexts();

// A DCS code 0..511 in octal, three digits: 19 -> "023", 511 -> "777". Any other number
// gives "000", the first entry of the list.
std::string DcsCodeText(int rCode);
// The 512 code texts in order.
const std::vector<std::string>& DcsCodeTexts();

// ---- Digit texts ---------------------------------------------------------------------

// DTMF: "*" <-> "E", "#" <-> "F"; other characters unchanged.
std::string DtmfToStored(std::string_view rText);
std::string DtmfToDisplay(std::string_view rText);

// 5-Tone repeat digits: a digit equal to the one written before it becomes "E".
// rContext is one character put in front for the walk and removed afterwards, or "X"
// (also "") for none. Codes beginning with "E1" keep positions 9 on unchanged.
// 1123 -> 1E23, 1111 -> 1E1E; with context "1", 123 -> E23.
std::string InsertRepeatDigits(std::string_view rCode, std::string_view rContext);

// Whether a 5-Tone code is an ANI call ending with the own ID (or the "SelfID"
// placeholder). Code and own ID are trimmed first.
bool EndsWithOwnId(std::string_view rCode, std::string_view rOwnId);

// The stored form of a 5-Tone code: repeat digits inserted; an 11-character ANI code keeps
// its separator and first own-ID digit (positions 6 and 7) unchanged.
std::string EncodeFiveToneCode(std::string_view rCode, std::string_view rOwnId);

// The part of a 5-Tone code the radio sends: rLen characters from the 1-based position
// rStart, each "E" replaced by the character before it in rCode itself (which may be an
// "E" too: 1EE gives 11E). A leading "E" has nothing before it and stays.
std::string Mid5ToneNoE(std::string_view rCode, int rStart, int rLen);

// A 5-Tone tone duration in ms as the radio keeps it: 30..100, anything else is 70.
inline constexpr Byte kDefaultToneDurationMs = 70;
constexpr Byte ToneDurationOrDefault(int rMs) {
  return rMs >= 30 && rMs <= 100 ? static_cast<Byte>(rMs) : kDefaultToneDurationMs;
}

// ---- Numbers and names ----------------------------------------------------------------

// Negative -> 255, 0..255 -> itself, above 255 -> 0.
Byte ByteOf(Int16 rValue);
// Two upper-case hexadecimal digits: 10 -> "0A".
std::string HexByte(Byte rValue);
// An empty or non-numeric text gives rDefault; otherwise the value rounded to a whole
// number (halves to even, as the platform's integer conversion does) and clamped to int32.
std::int32_t NumberOrDefault(std::string_view rText, std::int32_t rDefault);
// The text after the last "\" or "/" (the whole text when there is none).
std::string FileNameOf(std::string_view rPath);
// The band limit used when the radio image holds none: 100 MHz for index 0 and 2 (lowest
// receive and transmit), 500 MHz for 1 and 3 (highest); nothing for other indexes.
std::optional<double> FallbackBandLimit(int rIndex);

}  // namespace px
