// The window regions of the shaped styles. The outer region (the whole shape)
// goes to the window; the inner one, one pixel smaller on every side, stays
// with the control and tells the painters where the frame is.
#pragma once

#include <cstdint>

#include "candybutton/painters/painter_context.h"
#include "platform/forms/drawing_surface.h"
#include "platform/win/kernel/types.h"

namespace candy {

// What the rebuild reads and writes of the control.
struct ShapeContext {
  forms::DrawingSurface& surface;  // size, and the window the outer region goes to
  const std::int32_t& m_Style;
  std::int32_t& m_CornerRadius;    // set for the shaped styles, kept otherwise
  win::HRGN& m_Region;             // the inner region, or 0; never left holding a deleted region
};

// Rebuilds both regions from the current size and style: deletes the inner
// region kept so far, then for styles 2 to 7 gives the window its rounded
// shape and keeps a new inner region; any other style gets the full rectangle
// and no inner region.
void UpdateButtonRegion(ShapeContext& context);
// The same over the painters' view of the control, which holds every member
// the rebuild needs.
void UpdateButtonRegion(PainterContext& context);

// A new region (the caller owns it) holding the rounded shape (x, y, width,
// height, radius), built from the rectangle (0, 0, x + width, y + height) by
// cutting the corners of the left half away and mirroring each cut. The
// radius used, at least 1, is written to corner_radius.
win::HRGN CreateRoundedRegion(const std::int32_t& x, const std::int32_t& y, const std::int32_t& width,
                              const std::int32_t& height, const std::int32_t& radius, std::int32_t& corner_radius);

// region = region XOR rectangle; the corners may come in either order.
void XorRectIntoRegion(win::HRGN region, const std::int32_t& left, const std::int32_t& top,
                       const std::int32_t& right, const std::int32_t& bottom);

}  // namespace candy
