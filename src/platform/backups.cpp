#include "platform/backups.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace px {

namespace {

// A model text as part of a file name: letters, digits, "-" and "_" only.
QString NamePart(const std::string& rModel) {
  QString out;
  for (char c : rModel) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                       (c >= '0' && c <= '9') || c == '-' || c == '_';
    out += plain ? QChar(c) : QChar('_');
  }
  return out.isEmpty() ? QStringLiteral("unknown") : out;
}

}  // namespace

std::string BackupsFolder() {
  return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups")
      .toStdString();
}

std::optional<std::string> SaveBackup(const RadioImage& rImage, BackupDirection rDirection,
                                      const std::string& rModel, std::string& rError) {
  const QString folder = QString::fromStdString(BackupsFolder());
  if (!QDir().mkpath(folder)) {
    rError = "cannot create " + folder.toStdString();
    return std::nullopt;
  }
  const QString name = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss-zzz") +
                       (rDirection == BackupDirection::Read ? "-read-" : "-write-") +
                       NamePart(rModel) + ".img";
  QString path = folder + "/" + name;
  // Radios of a fleet are backed up within the same millisecond: none may replace another.
  for (int n = 2; QFile::exists(path); ++n) path = folder + "/" + name.chopped(4) + "-" + QString::number(n) + ".img";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(rImage.data()), static_cast<qint64>(rImage.size())) !=
          static_cast<qint64>(rImage.size()) ||
      !file.commit()) {
    rError = "cannot write " + path.toStdString() + ": " + file.errorString().toStdString();
    return std::nullopt;
  }
  return path.toStdString();
}

}  // namespace px
