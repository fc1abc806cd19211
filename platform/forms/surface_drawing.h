// A drawing surface's Line, Box and PSet carried out on a device context, for
// every surface that draws through one. Coordinates are rounded to the nearest
// pixel, ties to even; a coordinate that is not finite counts as 0 and one
// beyond ±1e9 is held there. Colours are OLE colours, translated first.
#pragma once

#include <climits>

#include "platform/win/ole/picture.h"
#include "platform/win/kernel/types.h"

namespace forms {

int to_pixel(float v);

// The start pixel and every pixel up to, but not including, the end pixel.
void draw_line(win::HDC dc, float x1, float y1, float x2, float y2, win::OLE_COLOR color);
// A filled box; both corner points are included, in either order. False
// when nothing could be drawn (the DC is not live).
bool draw_box(win::HDC dc, float x1, float y1, float x2, float y2, win::OLE_COLOR color);
void draw_point(win::HDC dc, float x, float y, win::OLE_COLOR color);

// Copies the picture's bitmap unscaled to (x, y), at most width x height
// pixels of it from its top-left corner. Null pictures and pictures that
// hold no bitmap draw nothing.
void draw_picture(win::HDC dc, const win::PicturePtr& picture, int x, int y, int width = INT_MAX,
                  int height = INT_MAX);

}  // namespace forms
