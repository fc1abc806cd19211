// The window regions of the shaped styles. The outer region (the whole shape)
// goes to the window; the inner one, one pixel smaller on every side, stays
// with the control and tells the painters where the frame is.
#pragma once

#include <cstdint>

#include "candybutton/painters/button_face.h"
#include "platform/forms/drawing_surface.h"
#include "platform/win/kernel/types.h"

namespace candy {

// Builds both regions from the face's size and style: for a shaped style the
// window's rounded shape and an inner one a pixel smaller on every side, with
// the corner radius used; any other style gets the full rectangle (no outer
// region) and no inner region. The caller owns what is returned.
ButtonRegions BuildButtonRegions(const ButtonFace& button);

// Keeps a rebuild: the kept inner region is deleted and replaced, the window
// gets the outer region (and owns it from then on), and the corner radius is
// taken when the rebuild set one.
void KeepButtonRegions(const ButtonRegions& regions, forms::DrawingSurface& surface,
                       win::HRGN& m_Region, std::int32_t& m_CornerRadius);

// A new region (the caller owns it) holding the rounded shape (x, y, width,
// height, radius), built from the rectangle (0, 0, x + width, y + height) by
// cutting the corners of the left half away and mirroring each cut. The
// radius used, at least 1, is written to corner_radius. The scan that defines
// the region is CreateRoundedRegionByScan (rounded_region_scan.h); this one
// writes the same region band by band.
win::HRGN CreateRoundedRegion(const std::int32_t& x, const std::int32_t& y,
                              const std::int32_t& width, const std::int32_t& height,
                              const std::int32_t& radius, std::int32_t& corner_radius);

}  // namespace candy
