// The screen's size as a program sees it. Presenters set it; until one does
// it is 1024 × 768.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;

// SM_CXSCREEN and SM_CYSCREEN; 0 for any other index.
int GetSystemMetrics(int index);
void set_screen_size(SIZE size);

}  // namespace win
