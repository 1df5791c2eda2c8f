#pragma once
// The desktop program's names: the one the system files its settings and data under,
// and the product title the user reads.

namespace px {

inline constexpr const char* kProgramName = "px4800-cps";
inline constexpr const char* kProgramTitle = "NR_6240";

// Names the running application kProgramName. It deliberately sets no display name:
// Qt appends one to every window title (" — NR_6240"), and the main window's title must
// read exactly as it is built. Windows that want the product title use kProgramTitle.
void NameProgram();

}  // namespace px
