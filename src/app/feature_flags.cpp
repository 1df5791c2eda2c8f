#include "app/feature_flags.h"

#include <filesystem>
#include <fstream>
#include <span>
#include <system_error>

#include "codeplug/byte_io.h"
#include "codeplug/file_bytes.h"
#include "codeplug/records.h"

namespace px {

namespace {

// The five flags in record order.
template <class Flags, class Visit>
void ForEachFlag(Flags& rFlags, Visit rVisit) {
  rVisit(rFlags.FiveToneEnabled);
  rVisit(rFlags.TwoToneEnabled);
  rVisit(rFlags.DtmfEnabled);
  rVisit(rFlags.RadioOptionFlag);
  rVisit(rFlags.FeatureItemsRevealed);
}

}  // namespace

std::array<std::uint8_t, kFeatureRecordSize> EncodeFeatureRecord(const FeatureFlags& rFlags) {
  ByteWriter writer;
  ForEachFlag(rFlags, [&](Int16 rValue) { writer.Put(rValue); });
  std::array<std::uint8_t, kFeatureRecordSize> record{};
  const auto& bytes = writer.Bytes();
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = bytes[i];
  return record;
}

std::optional<FeatureFlags> DecodeFeatureRecord(const std::string& rBytes) {
  if (rBytes.size() != kFeatureRecordSize) return std::nullopt;
  std::array<Byte, kFeatureRecordSize> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<Byte>(rBytes[i]);
  ByteReader reader{std::span<const Byte>(bytes)};
  FeatureFlags flags;
  ForEachFlag(flags, [&](Int16& rValue) { reader.Get(rValue); });
  return flags;
}

FeatureFlags ReadFeatureFile(const std::string& rPath) {
  std::ifstream in(rPath, std::ios::binary);
  if (!in) return {};
  // The record is the file's first ten bytes; a shorter file holds no record.
  std::string bytes(kFeatureRecordSize, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(kFeatureRecordSize)) return {};
  return DecodeFeatureRecord(bytes).value_or(FeatureFlags{});
}

bool WriteFeatureFile(const std::string& rPath, const FeatureFlags& rFlags) {
  const auto record = EncodeFeatureRecord(rFlags);
  std::string error;
  return ReplaceFileBytes(rPath, record, error);
}

}  // namespace px
