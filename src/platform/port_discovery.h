#pragma once
// The serial ports present on this machine, as the system lists them.

#include <vector>

#include "link/ports.h"

namespace px {

std::vector<PresentPort> DiscoverSerialPorts();

}  // namespace px
