// A 32-bit pixel buffer: a window's image or a bitmap's bits. Pixels are
// stored as COLORREF values (0x00BBGGRR), row-major, top row first, so that
// drawing a pixel is a bounds test and a store.
#pragma once

#include <cstdint>
#include <cwchar>
#include <vector>

#include "platform/win/kernel/types.h"

namespace win {

struct Surface {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<COLORREF> pixels;

  Surface() = default;
  Surface(std::int32_t w, std::int32_t h, COLORREF fill = 0) { resize(w, h, fill); }

  // New size; the content is reset to the fill colour.
  void resize(std::int32_t w, std::int32_t h, COLORREF fill = 0) {
    width = w > 0 ? w : 0;
    height = h > 0 ? h : 0;
    pixels.clear();
    pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));  // zeroed
    if (fill != 0) this->fill(fill);
  }
  bool contains(std::int32_t x, std::int32_t y) const {
    return x >= 0 && y >= 0 && x < width && y < height;
  }
  COLORREF at(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  COLORREF& at(std::int32_t x, std::int32_t y) {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  // One wmemset: an element-wise fill of a large image costs as much as
  // painting it.
  void fill(COLORREF c) {
    static_assert(sizeof(wchar_t) == sizeof(COLORREF));
    if (!pixels.empty())
      std::wmemset(reinterpret_cast<wchar_t*>(pixels.data()), static_cast<wchar_t>(c),
                   pixels.size());
  }
};

}  // namespace win
