#include "codeplug/codeplug_file.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "codeplug/byte_io.h"
#include "codeplug/file_bytes.h"

namespace px {

std::vector<Byte> SerializeCodeplug(const Codeplug& rPlug) {
  ByteWriter writer(kCodeplugFileSize);
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
  ByteWriter writer(kChannelRecordSize);
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

std::string CodeplugNameProblem(const std::string& rPath) {
  const std::string name = rPath.substr(rPath.find_last_of('/') + 1);
  std::string suffix = name.size() > 4 ? name.substr(name.size() - 4) : "";
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (suffix == ".dat") return {};
  return rPath + ": a codeplug file name ends in .dat (its channel file is then the same name"
                 " ending in .fre)";
}

namespace {

// Records past the last slot are never read; a side file much longer than the table is
// no side file of this program.
constexpr std::size_t kSideFileCeiling = 1u << 20;

std::string ChannelsText(int rCount) {
  return std::to_string(rCount) + (rCount == 1 ? " channel" : " channels");
}

}  // namespace

bool ReadCodeplugFiles(const std::string& rPath, Codeplug& rPlug, ChannelTable& rChannels,
                       std::string& rError, std::string* rWarning) {
  std::vector<Byte> bytes;
  std::uintmax_t size = 0;
  const FileRead read = ReadFileBytes(rPath, bytes, rError, kCodeplugFileSize, &size);
  if (read != FileRead::Read && read != FileRead::TooLarge) return false;
  if (read == FileRead::TooLarge || bytes.size() != kCodeplugFileSize) {
    rError = rPath + " is " + std::to_string(read == FileRead::TooLarge ? size : bytes.size()) +
             " bytes long; a codeplug file has " + std::to_string(kCodeplugFileSize);
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

  // Nothing of what the table held before may pass for this file's channels.
  ChannelTable channels{};
  const std::string sidePath = SideFilePath(rPath);
  std::vector<Byte> side;
  std::string sideError;
  const FileRead sideRead = ReadFileBytes(sidePath, side, sideError, kSideFileCeiling);
  if (sideRead == FileRead::Failed || sideRead == FileRead::TooLarge) {
    rError = sideError;
    return false;
  }
  const int named = plug.ChannelCount;
  const int held = static_cast<int>(std::min<std::size_t>(side.size() / kChannelRecordSize,
                                                          static_cast<std::size_t>(named)));
  for (int k = 0; k < held; ++k)
    channels[static_cast<std::size_t>(k)] = ParseChannel(side.data() + k * kChannelRecordSize);
  if (held < named && rWarning) {
    *rWarning = sideRead == FileRead::Missing
                    ? sidePath + " is missing: the " + ChannelsText(named) + " that " + rPath +
                          " names are left out"
                    : sidePath + " holds " + ChannelsText(held) + " of the " +
                          std::to_string(named) + " that " + rPath + " names; the others are left out";
  }
  plug.ChannelCount = static_cast<Int16>(held);
  rPlug = plug;
  rChannels = channels;
  return true;
}


bool WriteCodeplugFiles(const std::string& rPath, const Codeplug& rPlug,
                        const ChannelTable& rChannels, std::string& rError) {
  if (const std::string problem = CodeplugNameProblem(rPath); !problem.empty()) {
    rError = problem;
    return false;
  }
  if (rPlug.ChannelCount < 0 || rPlug.ChannelCount > kChannelSlots) {
    rError = "channel count " + std::to_string(rPlug.ChannelCount) + " is outside 0.." +
             std::to_string(kChannelSlots);
    return false;
  }
  // A folder in the way or a folder that takes no files fails before either file is
  // touched.
  if (const std::string problem = OutputProblem(rPath); !problem.empty()) {
    rError = problem;
    return false;
  }
  // Records beyond the count from an earlier, longer save stay in the side file, as
  // they always have; only the first ChannelCount records are replaced.
  const std::string sidePath = SideFilePath(rPath);
  std::vector<Byte> side;
  std::string ignored;
  if (ReadFileBytes(sidePath, side, ignored, kSideFileCeiling) != FileRead::Read) side.clear();
  const std::size_t needed = static_cast<std::size_t>(rPlug.ChannelCount) * kChannelRecordSize;
  if (side.size() < needed) side.resize(needed);
  for (int k = 0; k < rPlug.ChannelCount; ++k) {
    const auto record = SerializeChannel(rChannels[k]);
    std::copy(record.begin(), record.end(), side.begin() + k * kChannelRecordSize);
  }

  // Both files are written and on the disk before either replaces its old one, so only
  // the two renames stand between the old pair and the new. The codeplug file names the
  // count, so it goes last: a save stopped between the renames leaves the old codeplug
  // file over a side file that holds at least its channels.
  if (!WriteTemporaryFor(sidePath, side, rError)) return false;
  if (!WriteTemporaryFor(rPath, SerializeCodeplug(rPlug), rError)) {
    DiscardTemporaryFor(sidePath);
    return false;
  }
  if (!RenameTemporaryOver(sidePath, rError)) {
    DiscardTemporaryFor(rPath);
    return false;
  }
  return RenameTemporaryOver(rPath, rError);
}

}  // namespace px

