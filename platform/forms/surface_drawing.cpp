#include "platform/forms/surface_drawing.h"

#include <algorithm>
#include <cmath>

#include "platform/forms/color.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/solid_line.h"

namespace forms {

int to_pixel(float v) {
  if (!std::isfinite(v)) return 0;
  const double r = std::nearbyint(double(v));
  return r < -1e9 ? -1000000000 : r > 1e9 ? 1000000000 : int(r);
}

void draw_line(win::HDC dc, float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  win::DrawSolidLine(dc, to_pixel(x1), to_pixel(y1), to_pixel(x2), to_pixel(y2),
                     translate_color(color));
}

bool draw_box(win::HDC dc, float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  const int l = to_pixel(x1), t = to_pixel(y1), r = to_pixel(x2), b = to_pixel(y2);
  const win::RECT box{std::min(l, r), std::min(t, b), std::max(l, r) + 1, std::max(t, b) + 1};
  return win::fill_solid_rect(dc, &box, translate_color(color)) != 0;
}

void draw_point(win::HDC dc, float x, float y, win::OLE_COLOR color) {
  win::SetPixelV(dc, to_pixel(x), to_pixel(y), translate_color(color));
}

void draw_picture(win::HDC dc, const win::PicturePtr& picture, int x, int y, int width,
                  int height) {
  if (!picture || !picture->bitmap()) return;
  const win::SIZE size = picture->pixel_size();
  width = std::min<int>(size.cx, width);
  height = std::min<int>(size.cy, height);
  if (width <= 0 || height <= 0) return;
  const win::HDC source = win::CreateCompatibleDC(dc);
  const win::HBITMAP previous = win::SelectObject(source, picture->bitmap());
  win::BitBlt(dc, x, y, width, height, source, 0, 0, win::SRCCOPY);
  win::SelectObject(source, previous);
  win::DeleteDC(source);
}

}  // namespace forms
