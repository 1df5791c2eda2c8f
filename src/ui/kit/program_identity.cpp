#include "ui/kit/program_identity.h"

#include <QApplication>

namespace px {

void NameProgram() { QApplication::setApplicationName(QString::fromLatin1(kProgramName)); }

}  // namespace px
