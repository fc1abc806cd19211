// Conversion of a floating value to a 32-bit integer the way the control's
// drawing does it: to nearest, ties to even (the default rounding mode).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace candy {

// Values beyond the 32-bit range saturate and NaN gives 0, so a degenerate
// size can never turn into undefined behaviour.
inline std::int32_t RoundToInt(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded <= double(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  if (rounded >= double(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(rounded);
}

}  // namespace candy
