// Style 6, painted pixel by pixel: a dark edge ring, a whitish highlight
// crescent near the top and a body that blends from the face colour on the
// middle row toward ColorBright at top and bottom. Enabled and
// BorderBrightness play no part.
#pragma once

#include <cstdint>

#include "candybutton/painters/button_face.h"
#include "platform/win/kernel/types.h"

namespace candy {

// Paints a face one pixel smaller than the client area, so the last column
// and row keep the surface's background. States outside 0..4 paint nothing.
void PaintPixelStyle(ButtonFace& button, const std::int32_t& state);

// Paints columns 0 .. W and rows 0 .. H; a width or height of 0 or less shows nothing.
void PaintPixelFace(ButtonFace& button, const std::int32_t& W, const std::int32_t& H,
                    win::OLE_COLOR face);

}  // namespace candy
