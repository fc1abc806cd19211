#include "platform/win/user/compose.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/win/user/window_object.h"

namespace win {

namespace {

// Draws `w` with its client origin at (ox, oy) of the output, where `parent`
// (in output coordinates) allows it, then its children inside what it allowed
// itself. Visibility is kept as regions and the pixels are copied a span at a
// time.
void compose_window(Surface& out, const Window& w, std::int64_t ox, std::int64_t oy,
                    const Region& parent) {
  // The part of the window that lies on the output, in window coordinates, so
  // that the offset below stays within the output.
  const std::int64_t left = std::max<std::int64_t>(0, -ox);
  const std::int64_t top = std::max<std::int64_t>(0, -oy);
  const std::int64_t right = std::min<std::int64_t>({w.width, w.surface.width, out.width - ox});
  const std::int64_t bottom = std::min<std::int64_t>({w.height, w.surface.height, out.height - oy});
  if (left >= right || top >= bottom) return;
  Region mine = Region::rect(std::int32_t(left), std::int32_t(top), std::int32_t(right),
                             std::int32_t(bottom));
  if (w.region) mine = Region::combine(mine, *w.region, RGN_AND);
  mine.offset(std::int32_t(ox), std::int32_t(oy));
  mine = Region::combine(mine, parent, RGN_AND);

  for (const Region::Band& band : mine.bands()) {
    for (std::int32_t y = band.top; y < band.bottom; ++y) {
      const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width);
      const std::size_t source_row =
          static_cast<std::size_t>(y - oy) * static_cast<std::size_t>(w.surface.width);
      for (const Region::Span& span : band.spans) {
        std::memcpy(&out.pixels[row + static_cast<std::size_t>(span.left)],
                    &w.surface.pixels[source_row + static_cast<std::size_t>(span.left - ox)],
                    static_cast<std::size_t>(span.right - span.left) * sizeof(COLORREF));
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
  compose_window(out, *w, 0, 0, Region::rect(0, 0, out.width, out.height));
  return out;
}

}  // namespace win
