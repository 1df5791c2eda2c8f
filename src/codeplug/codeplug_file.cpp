#include "codeplug/codeplug_file.h"

#include <span>
#include <algorithm>

#include "codeplug/byte_io.h"
#include "codeplug/whole_file.h"

namespace px {

std::vector<Byte> SerializeCodeplug(const Codeplug& rPlug) {
  ByteWriter writer;
  writer.Put(rPlug);
  return writer.Take();
}

bool ParseCodeplug(const std::vector<Byte>& rBytes, Codeplug& rPlug) {
  if (rBytes.size() != kCodeplugFileSize) return false;
  ByteReader reader(rBytes);
  Codeplug plug;
  reader.Get(plug);
  rPlug = plug;
  return true;
}

std::vector<Byte> SerializeChannel(const ChannelRecord& rChannel) {
  ByteWriter writer;
  writer.Put(rChannel);
  return writer.Take();
}

ChannelRecord ParseChannel(const Byte* rBytes) {
  ByteReader reader(std::span<const Byte>(rBytes, kChannelRecordSize));
  ChannelRecord channel;
  reader.Get(channel);
  return channel;
}

std::string SideFilePath(const std::string& rCodeplugPath) {
  const std::size_t keep = rCodeplugPath.size() >= 3 ? rCodeplugPath.size() - 3 : 0;
  return rCodeplugPath.substr(0, keep) + "fre";
}

bool ReadCodeplugFiles(const std::string& rPath, Codeplug& rPlug, ChannelTable& rChannels,
                       std::string& rError) {
  std::vector<Byte> bytes;
  if (!ReadWholeFile(rPath, bytes, rError)) return false;
  if (bytes.size() != kCodeplugFileSize) {
    rError = rPath + " is " + std::to_string(bytes.size()) + " bytes long; a codeplug file has " +
             std::to_string(kCodeplugFileSize);
    return false;
  }
  Codeplug plug;
  ParseCodeplug(bytes, plug);
  // A count outside the table cannot come from a save; reading it would run off the table.
  if (plug.ChannelCount < 0 || plug.ChannelCount > kChannelSlots) {
    rError = rPath + " holds a channel count of " + std::to_string(plug.ChannelCount) +
             "; at most " + std::to_string(kChannelSlots) + " channels fit";
    return false;
  }

  // The side file may be missing or short: the slots it covers are read, the rest stay.
  ChannelTable channels = rChannels;
  std::vector<Byte> side;
  std::string sideError;
  if (ReadWholeFile(SideFilePath(rPath), side, sideError)) {
    const std::size_t records = std::min<std::size_t>(side.size() / kChannelRecordSize,
                                                      static_cast<std::size_t>(plug.ChannelCount));
    for (std::size_t k = 0; k < records; ++k)
      channels[k] = ParseChannel(side.data() + k * kChannelRecordSize);
  }
  rPlug = plug;
  rChannels = channels;
  return true;
}


bool WriteCodeplugFiles(const std::string& rPath, const Codeplug& rPlug,
                        const ChannelTable& rChannels, std::string& rError) {
  if (rPlug.ChannelCount < 0 || rPlug.ChannelCount > kChannelSlots) {
    rError = "channel count " + std::to_string(rPlug.ChannelCount) + " is outside 0.." +
             std::to_string(kChannelSlots);
    return false;
  }
  // Records beyond the count from an earlier, longer save stay in the side file, as
  // they always have; only the first ChannelCount records are replaced.
  const std::string sidePath = SideFilePath(rPath);
  std::vector<Byte> side;
  std::string ignored;
  if (!ReadWholeFile(sidePath, side, ignored)) side.clear();
  const std::size_t needed = static_cast<std::size_t>(rPlug.ChannelCount) * kChannelRecordSize;
  if (side.size() < needed) side.resize(needed);
  for (int k = 0; k < rPlug.ChannelCount; ++k) {
    const auto record = SerializeChannel(rChannels[k]);
    std::copy(record.begin(), record.end(), side.begin() + k * kChannelRecordSize);
  }

  // The codeplug file names the count, so it goes last: an interrupted save leaves the
  // previous pair readable.
  if (!ReplaceFile(sidePath, side, rError)) return false;
  return ReplaceFile(rPath, SerializeCodeplug(rPlug), rError);
}

}  // namespace px

