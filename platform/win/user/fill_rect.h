// FillRect, a user32 call in Windows: besides a brush handle it takes a
// system colour as COLOR_x + 1 in place of a brush.
#pragma once
#ifndef _WIN32  // a Windows compiler takes these names from windows.h: see the end
#include "platform/win/kernel/types.h"

namespace win {

// Right and bottom are excluded; an inverted side covers from its smaller
// end + 1 to its larger end + 1; an empty side draws nothing. Returns 0 for
// a bad DC, a null rectangle or a brush that is neither.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);

}  // namespace win

#else
#include "platform/win/kernel/windows_build.h"
#endif  // _WIN32
