// The rounded window region as its rebuild is defined: the scan written out
// with ordinary Windows calls, one XOR of a rectangle into the region at a
// time. CreateRoundedRegion (button_region.h) builds the same region band by
// band without a CombineRgn per cut; tests hold the two equal.
#pragma once

#include <cstdint>

#include "platform/win/kernel/types.h"

namespace candy {

// From the rectangle (0, 0, x + width, y + height), row by row over the left
// half: each pixel outside the rounded shape (x, y, width, height, radius at
// least 1) whose row differs from the previous cut pixel's closes that cut,
// once on the right half (mirrored) and once on the left. A new region; the
// caller owns it.
win::HRGN CreateRoundedRegionByScan(std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, std::int32_t radius);

// region = region XOR rectangle; the corners may come in either order.
void XorRectIntoRegion(win::HRGN region, const std::int32_t& left, const std::int32_t& top,
                       const std::int32_t& right, const std::int32_t& bottom);

}  // namespace candy
