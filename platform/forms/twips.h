// Twips, the form's unit: 15 to the pixel at the design resolution, 15 /
// scale on a scaled screen. Values stay exact in single precision; only
// placing and drawing convert.
#pragma once

#include <cmath>

#include "platform/win/user/system_metrics.h"

namespace forms {

inline constexpr float kTwipsPerPixel = 15.0f;

// At the screen's scale: 15 at scale 1, 7.5 at scale 2.
inline float twips_per_pixel() { return kTwipsPerPixel / static_cast<float>(win::screen_scale()); }

// Round to nearest, ties to even (490 twips is 32.67 px, drawn at 33).
inline int twips_to_pixels(float twips) {
  return static_cast<int>(std::nearbyint(twips / twips_per_pixel()));
}

}  // namespace forms
