#include "platform/win/user/compose.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/win/user/window_object.h"

namespace win {

namespace {

// One byte a pixel of the output: 1 where the window being drawn may show.
using Mask = std::vector<std::uint8_t>;

void allow_span(Mask& mine, const Mask& parent, const Surface& out, std::int64_t y, std::int64_t left,
                std::int64_t right) {
  if (y < 0 || y >= out.height) return;
  left = std::max<std::int64_t>(left, 0);
  right = std::min<std::int64_t>(right, out.width);
  const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width);
  for (std::int64_t x = left; x < right; ++x) {
    mine[row + static_cast<std::size_t>(x)] = parent[row + static_cast<std::size_t>(x)];
  }
}

// Draws `w` with its client origin at (ox, oy) of the output, where
// `parent` allows it, then its children inside what it allowed itself.
void compose_window(Surface& out, const Window& w, std::int64_t ox, std::int64_t oy, const Mask& parent) {
  Mask mine(parent.size(), 0);
  if (w.region) {
    for (const auto& band : w.region->bands()) {
      const std::int64_t top = std::max<std::int64_t>(band.top, 0);
      const std::int64_t bottom = std::min<std::int64_t>(band.bottom, w.height);
      for (std::int64_t y = top; y < bottom; ++y) {
        for (const auto& span : band.spans) {
          const std::int64_t left = std::max<std::int64_t>(span.left, 0);
          const std::int64_t right = std::min<std::int64_t>(span.right, w.width);
          if (left < right) allow_span(mine, parent, out, oy + y, ox + left, ox + right);
        }
      }
    }
  } else {
    for (std::int64_t y = 0; y < w.height; ++y) allow_span(mine, parent, out, oy + y, ox, ox + w.width);
  }

  const std::int64_t y0 = std::max<std::int64_t>(oy, 0);
  const std::int64_t y1 = std::min<std::int64_t>(oy + w.height, out.height);
  const std::int64_t x0 = std::max<std::int64_t>(ox, 0);
  const std::int64_t x1 = std::min<std::int64_t>(ox + w.width, out.width);
  for (std::int64_t y = y0; y < y1; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width);
    for (std::int64_t x = x0; x < x1; ++x) {
      if (mine[row + static_cast<std::size_t>(x)]) {
        out.pixels[row + static_cast<std::size_t>(x)] =
            w.surface.at(static_cast<std::int32_t>(x - ox), static_cast<std::int32_t>(y - oy));
      }
    }
  }

  for (HWND child_handle : w.children) {
    const Window* child = find_window(child_handle);
    if (!child || !child->visible_flag()) continue;
    compose_window(out, *child, ox + child->x, oy + child->y, mine);
  }
}

}  // namespace

Surface compose_screen(HWND top_level) {
  const Window* w = find_window(top_level);
  if (!w) return {};
  Surface out(w->width, w->height, kDesktopColor);
  const Mask everywhere(out.pixels.size(), 1);
  compose_window(out, *w, 0, 0, everywhere);
  return out;
}

}  // namespace win
