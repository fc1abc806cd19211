// The box emblem: a cube seen from one corner, as a thick smoothed outline.
#pragma once

#include "tools/artwork/canvas.h"

namespace artwork {

inline constexpr Rgb kNavy{7, 57, 84};

// Draws the cube centred in the canvas.
void draw_cube(Canvas& canvas, Rgb colour);

}  // namespace artwork
