#include "codeplug/codeplug_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <span>
#include <algorithm>

#include "codeplug/byte_io.h"

namespace px {
namespace {

std::string SystemReason() { return std::strerror(errno); }

bool ReadWholeFile(const std::string& rPath, std::vector<Byte>& rBytes, std::string& rError) {
  std::ifstream in(rPath, std::ios::binary);
  if (!in) {
    rError = "cannot open " + rPath + ": " + SystemReason();
    return false;
  }
  rBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    rError = "cannot read " + rPath + ": " + SystemReason();
    return false;
  }
  return true;
}

}  // namespace

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

namespace {

// Writes rBytes to a temporary file beside rPath and renames it over rPath.
bool ReplaceFile(const std::string& rPath, const std::vector<Byte>& rBytes, std::string& rError) {
  const std::string temp = rPath + ".tmp~";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      rError = "cannot write " + rPath + ": " + SystemReason();
      return false;
    }
    out.write(reinterpret_cast<const char*>(rBytes.data()),
              static_cast<std::streamsize>(rBytes.size()));
    out.flush();
    if (!out) {
      rError = "cannot write " + rPath + ": " + SystemReason();
      out.close();
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), rPath.c_str()) != 0) {
    rError = "cannot replace " + rPath + ": " + SystemReason();
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

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

