#include "ui/kit/program_identity.h"

#include <QApplication>
#include <QIcon>

#include "app/program_version.h"

namespace px {

namespace {

// The theme's icon when the desktop has one installed, else the copy built into the
// program, so that a build run from its folder shows it too.
QIcon ProgramIcon() {
  const QString name = QString::fromLatin1(kProgramName);
  return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/px4800-cps.svg")));
}

}  // namespace

void NameProgram() {
  QApplication::setApplicationName(QString::fromLatin1(kProgramName));
  QApplication::setApplicationVersion(QString::fromUtf8(ProgramVersion().data(), ProgramVersion().size()));
  QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace px
