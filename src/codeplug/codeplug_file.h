#pragma once
// The codeplug file (8667 bytes, the Codeplug record) and its channel side file
// (108-byte records, one per occupied slot), byte for byte.

#include <string>
#include <vector>

#include "codeplug/records.h"

namespace px {

constexpr std::size_t kCodeplugFileSize = 8667;
constexpr std::size_t kChannelRecordSize = 108;

std::vector<Byte> SerializeCodeplug(const Codeplug& rPlug);
// rBytes must be exactly kCodeplugFileSize long.
bool ParseCodeplug(const std::vector<Byte>& rBytes, Codeplug& rPlug);

std::vector<Byte> SerializeChannel(const ChannelRecord& rChannel);
ChannelRecord ParseChannel(const Byte* rBytes);  // kChannelRecordSize bytes

// "abc.dat" -> "abc.fre": the last three characters are replaced, whatever they are.
std::string SideFilePath(const std::string& rCodeplugPath);

// Empty when rPath may name a codeplug file: it ends in ".dat" (any case), so that its
// side file is a different file beside it. Otherwise what is wrong, for the user.
std::string CodeplugNameProblem(const std::string& rPath);

// Reads both files into rPlug and rChannels; every slot comes from these files alone.
// The codeplug file must be exactly 8667 bytes. A missing or short side file gives the
// channels it holds whole: ChannelCount becomes that number, the other slots are
// empty, and rWarning (when given) names the side file and what it held. A side file
// that exists but cannot be read is an error. On failure nothing is changed and rError
// says why.
bool ReadCodeplugFiles(const std::string& rPath, Codeplug& rPlug, ChannelTable& rChannels,
                       std::string& rError, std::string* rWarning = nullptr);

// Writes the pair through temporary files renamed over the targets, so that a failed
// save never leaves a half-written file. Refuses a name CodeplugNameProblem refuses.
bool WriteCodeplugFiles(const std::string& rPath, const Codeplug& rPlug,
                        const ChannelTable& rChannels, std::string& rError);

}  // namespace px
