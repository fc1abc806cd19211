#include "platform/display/x11_pixels.h"

#include <bit>

namespace display {

namespace {

struct Channel {
  int shift;
  unsigned long max;  // the largest value the channel holds
};

Channel channel(unsigned long mask) {
  if (mask == 0) return {0, 0};
  const int shift = std::countr_zero(mask);
  return {shift, mask >> shift};
}

// Scales an 8-bit value to the channel's range, rounding to nearest.
unsigned long encode(unsigned value, unsigned long mask) {
  const Channel c = channel(mask);
  if (c.max == 0) return 0;
  return ((value * c.max + 127) / 255) << c.shift;
}

unsigned decode(unsigned long pixel, unsigned long mask) {
  const Channel c = channel(mask);
  if (c.max == 0) return 0;
  const unsigned long v = (pixel & mask) >> c.shift;
  return static_cast<unsigned>((v * 255 + c.max / 2) / c.max);
}

}  // namespace

unsigned long to_pixel(win::COLORREF color, const PixelFormat& format) {
  return encode(color & 0xFF, format.red_mask) | encode((color >> 8) & 0xFF, format.green_mask) |
         encode((color >> 16) & 0xFF, format.blue_mask);
}

win::COLORREF from_pixel(unsigned long pixel, const PixelFormat& format) {
  return decode(pixel, format.red_mask) | (decode(pixel, format.green_mask) << 8) |
         (decode(pixel, format.blue_mask) << 16);
}

}  // namespace display
