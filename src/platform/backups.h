#pragma once
// Every image read from a radio, and every image about to be written to one, is kept in
// the per-user data folder, so that a radio can always be put back as it was.

#include <optional>
#include <string>

#include "link/radio_image.h"

namespace px {

enum class BackupDirection { Read, Write };

// "<per-user data folder>/backups".
std::string BackupsFolder();

// Writes "<yyyyMMdd-HHmmss-zzz>-<read|write>-<model>.img" there; returns its path, or
// nullopt with rError set.
std::optional<std::string> SaveBackup(const RadioImage& rImage, BackupDirection rDirection,
                                      const std::string& rModel, std::string& rError);


}  // namespace px
