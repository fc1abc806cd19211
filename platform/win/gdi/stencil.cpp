#include "platform/win/gdi/stencil.h"

#include <algorithm>

namespace win {

Stencil::Stencil(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h)
    : left(l), top(t), width(std::max(w, 0)), height(std::max(h, 0)),
      coverage(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

std::uint8_t Stencil::at(std::int32_t x, std::int32_t y) const {
  x -= left;
  y -= top;
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  return coverage[static_cast<std::size_t>(y * width + x)];
}

Stencil crop(const Stencil& stencil, std::int32_t cx, std::int32_t cy) {
  const std::int32_t left = cx > 0 ? std::max(stencil.left, 0) : stencil.left;
  const std::int32_t top = cy > 0 ? std::max(stencil.top, 0) : stencil.top;
  const std::int32_t right = cx > 0 ? std::min(stencil.left + stencil.width, cx) : stencil.left + stencil.width;
  const std::int32_t bottom = cy > 0 ? std::min(stencil.top + stencil.height, cy) : stencil.top + stencil.height;
  Stencil out(left, top, right - left, bottom - top);
  for (std::int32_t y = 0; y < out.height; ++y) {
    for (std::int32_t x = 0; x < out.width; ++x) {
      out.coverage[static_cast<std::size_t>(y * out.width + x)] = stencil.at(left + x, top + y);
    }
  }
  return out;
}

namespace {

template <class IsInk>
Stencil picture_stencil(std::int32_t w, std::int32_t h, std::int32_t cx, std::int32_t cy, IsInk is_ink) {
  if (cx > 0) w = std::min(w, cx);
  if (cy > 0) h = std::min(h, cy);
  Stencil stencil(0, 0, w, h);
  for (std::int32_t y = 0; y < stencil.height; ++y) {
    for (std::int32_t x = 0; x < stencil.width; ++x) {
      if (is_ink(x, y)) stencil.coverage[static_cast<std::size_t>(y * stencil.width + x)] = 255;
    }
  }
  return stencil;
}

}  // namespace

Stencil whole_stencil(const Surface& image, std::int32_t cx, std::int32_t cy) {
  return picture_stencil(image.width, image.height, cx, cy, [](std::int32_t, std::int32_t) { return true; });
}

Stencil ink_stencil(const Surface& image, std::int32_t cx, std::int32_t cy) {
  return picture_stencil(image.width, image.height, cx, cy, [&](std::int32_t x, std::int32_t y) {
    return (image.at(x, y) & 0x00FFFFFF) != 0x00FFFFFF;
  });
}

Stencil icon_stencil(const Icon& icon, std::int32_t cx, std::int32_t cy) {
  const bool has_mask = icon.transparent.size() ==
                        static_cast<std::size_t>(icon.color.width) * static_cast<std::size_t>(icon.color.height);
  return picture_stencil(icon.color.width, icon.color.height, cx, cy, [&](std::int32_t x, std::int32_t y) {
    return !has_mask || !icon.is_transparent(x, y);
  });
}

}  // namespace win
