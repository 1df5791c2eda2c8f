#pragma once
// The two warnings the text formats can raise. The formats name the warning; each
// program turns it into its message (language text 2001, "Not IsNumeric").

#include <functional>

#include "codeplug/band_limits.h"

namespace px {

enum class FormatWarning {
  OutOfBand,   // a typed frequency outside the band, or not a number
  NotNumeric,  // a stored frequency that is not nine digits (a damaged file)
};

struct FormatContext {
  BandLimits Limits;
  std::function<void(FormatWarning)> Warn;  // empty: warnings are dropped

  void Raise(FormatWarning rWarning) const {
    if (Warn) Warn(rWarning);
  }
};

}  // namespace px
