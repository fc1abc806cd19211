// Pixels of a TrueColor X visual: each channel sits under its mask, with as
// many bits as the mask has. 8-bit channels convert both ways exactly.
#pragma once

#include <cstdint>

#include "platform/win/kernel/types.h"

namespace display {

struct PixelFormat {
  unsigned long red_mask = 0;
  unsigned long green_mask = 0;
  unsigned long blue_mask = 0;
};

unsigned long to_pixel(win::COLORREF color, const PixelFormat& format);
win::COLORREF from_pixel(unsigned long pixel, const PixelFormat& format);

}  // namespace display
