// Composition: the screen image of a top-level window, made from its client
// surface and those of its visible children.
#pragma once

#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace win {

// The colour where no window shows (outside a top-level window's region).
inline constexpr COLORREF kDesktopColor = 0x000000;

// The top-level window's surface, then its visible children in z-order
// (bottom to top), each clipped by its window region and by its parent's
// client area and region, recursively. An empty surface for a bad handle.
Surface compose_screen(HWND top_level);

}  // namespace win
