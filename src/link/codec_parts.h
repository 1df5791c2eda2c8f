#pragma once
// The encoder and decoder of each range of the radio image. codec.cpp calls them in the
// radio's order; each encoder throws EncodeFailure for a value it cannot convert and
// writes only through ImageAreas of its own ranges.

#include "app/app_state.h"
#include "link/radio_image.h"

namespace px {

// Addresses of the ranges.
constexpr std::size_t kInUseMap = 0x0100;
constexpr std::size_t kScanSkipMap = 0x0120;
constexpr std::size_t kSlotMapSize = 0x20;
constexpr std::size_t kKeyFunctionsAt = 0x01F0;
constexpr std::size_t kBandLimitsAt = 0x0200;
constexpr std::size_t kPowerOnPasswordAt = 0x0210;
constexpr std::size_t kOptionsAt = 0x0220;
constexpr std::size_t kChannelPBAt = 0x0260;
constexpr std::size_t kChannelPAAt = 0x0280;
constexpr std::size_t kChannelVFOAt = 0x02C0;
constexpr std::size_t kAlertAt = 0x03A0;
constexpr std::size_t kScanAt = 0x03B0;
constexpr std::size_t kPowerOnMessageAt = 0x03E0;
constexpr std::size_t kPttIdCodesAt = 0x0600;
constexpr std::size_t kMemoryChannelsAt = 0x2000;
constexpr std::size_t kChannelRecordBytes = 32;
constexpr std::size_t kPttIdCodeBytes = 5;

constexpr std::size_t kDtmfValuesAt = 0x02E0;
constexpr std::size_t kDtmfPttIdAt = 0x0340;
constexpr std::size_t kDtmfMemoriesAt = 0x0400;
constexpr std::size_t kTwoToneHeaderAt = 0x0300;
constexpr std::size_t kTwoToneMap = 0x0380;
constexpr std::size_t kTwoToneEntriesAt = 0x0B00;
constexpr std::size_t kFiveTonePageAt = 0x0320;
constexpr std::size_t kFiveToneSpecialAt = 0x0360;
constexpr std::size_t kFiveToneMap = 0x0390;
constexpr std::size_t kFiveToneTableAt = 0x03C0;
constexpr std::size_t kFiveToneInfoAt = 0x0500;
constexpr std::size_t kFiveToneCodesAt = 0x0D00;
constexpr std::size_t kBookCallIdsAt = 0x1980;
constexpr std::size_t kBookNamesAt = 0x1C00;

void EncodeKeyFunctions(const Codeplug& rPlug, RadioImage& rImage);
void EncodeScan(const Codeplug& rPlug, RadioImage& rImage);
void EncodeAlert(const Codeplug& rPlug, RadioImage& rImage);
void EncodeChannels(const Codeplug& rPlug, const ChannelTable& rChannels, RadioImage& rImage);
void EncodeOptions(const Codeplug& rPlug, RadioImage& rImage);
void EncodeFiveTone(const Codeplug& rPlug, RadioImage& rImage);
void EncodeTwoTone(const Codeplug& rPlug, RadioImage& rImage);
// Corrects the DTMF single values in the codeplug as it stores them.
void EncodeDtmf(Codeplug& rPlug, RadioImage& rImage);
void EncodeBook(const Codeplug& rPlug, RadioImage& rImage);

// Rebuilds the channel table and the band limits; the rest of the codeplug must have
// been reset first.
void DecodeChannels(AppState& rState, const RadioImage& rImage);
void DecodeKeyFunctions(Codeplug& rPlug, const RadioImage& rImage);
void DecodeScan(Codeplug& rPlug, const RadioImage& rImage);
void DecodeAlert(Codeplug& rPlug, const RadioImage& rImage);
void DecodeOptions(Codeplug& rPlug, const RadioImage& rImage);
void DecodeFiveTone(Codeplug& rPlug, const RadioImage& rImage);
void DecodeTwoTone(Codeplug& rPlug, const RadioImage& rImage);
void DecodeDtmf(Codeplug& rPlug, const RadioImage& rImage);
void DecodeBook(Codeplug& rPlug, const RadioImage& rImage);

// The 8 digits of a band limit: MHz x 10000 rounded half to even on the decimal value.
std::string BandLimitDigits(double rMHz);
// The limit of an image text of 8 digits, or the fall-back limit rIndex (0..3).
double BandLimitOf(const std::string& rDigits8, int rIndex);

}  // namespace px
