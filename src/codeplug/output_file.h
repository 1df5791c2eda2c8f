#pragma once
// What may be replaced by a file the program writes: nothing but a regular file or a
// name that does not exist yet. Writing goes through a temporary file renamed over the
// target, which would replace a named pipe or a device node (as root even /dev/null)
// with a regular file; such a target is refused before anything is written.

#include <string>

namespace px {

// Empty when rPath is absent or (after symbolic links) a regular file; otherwise the
// reason, naming the path: "cannot write x: Is a directory", "x is not a regular file".
// "-" is a name like any other here: a caller that takes it for standard output decides
// so before asking.
std::string OutputTargetProblem(const std::string& rPath);

}  // namespace px
