#pragma once

namespace px {

// The working limits that every frequency check uses, copied from the codeplug's four
// limits whenever they change.
struct BandLimits {
  double MinRx = 136;
  double MaxRx = 174;
  double MinTx = 136;
  double MaxTx = 174;
};

}  // namespace px
