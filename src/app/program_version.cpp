#include "app/program_version.h"

namespace px {

std::string_view ProgramVersion() { return PX_VERSION; }

}  // namespace px
