// The screen's size and scale as a program sees them. Presenters set them;
// until one does the screen is 1024 × 768 at scale 1.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;

// SM_CXSCREEN and SM_CYSCREEN; 0 for any other index.
int GetSystemMetrics(int index);
void set_screen_size(SIZE size);

// The screen's scale: its logical resolution is 96 × scale pixels per inch,
// so a twip is scale / 15 pixels and a point 4 × scale / 3. 1 keeps every
// pixel as it always was.
inline constexpr double kMaxScreenScale = 8;
double screen_scale();
// Throws std::invalid_argument for a scale below 1, above kMaxScreenScale
// or not a number.
void set_screen_scale(double scale);

}  // namespace win
