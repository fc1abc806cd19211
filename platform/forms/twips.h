// Twips, the form's unit: 15 to the pixel at the design resolution. Values
// stay exact in single precision; only placing and drawing convert.
#pragma once

#include <cmath>

namespace forms {

inline constexpr float kTwipsPerPixel = 15.0f;

// Round to nearest, ties to even (490 twips is 32.67 px, drawn at 33).
inline int twips_to_pixels(float twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }

}  // namespace forms
