#pragma once
// The signalling feature flags, kept between runs as a 10-byte record in "Setting.ini".

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace px {

struct FeatureFlags {
  std::int16_t FiveToneEnabled = 0;
  std::int16_t TwoToneEnabled = 0;
  std::int16_t DtmfEnabled = 0;
  std::int16_t RadioOptionFlag = 0;
  std::int16_t FeatureItemsRevealed = 0;
  bool operator==(const FeatureFlags&) const = default;
};

constexpr std::size_t kFeatureRecordSize = 10;

std::array<std::uint8_t, kFeatureRecordSize> EncodeFeatureRecord(const FeatureFlags& rFlags);
// A record of any other length is not a feature record.
std::optional<FeatureFlags> DecodeFeatureRecord(const std::string& rBytes);

// A file that is missing or unreadable gives all flags 0.
FeatureFlags ReadFeatureFile(const std::string& rPath);
bool WriteFeatureFile(const std::string& rPath, const FeatureFlags& rFlags);

}  // namespace px
