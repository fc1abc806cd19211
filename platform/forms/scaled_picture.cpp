#include "platform/forms/scaled_picture.h"

#include <algorithm>
#include <cmath>

#include "platform/forms/surface_drawing.h"
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/system_metrics.h"

namespace forms {

namespace {

int scaled_length(int length, double scale) {
  return static_cast<int>(std::nearbyint(length * scale));
}

win::COLORREF mix(win::COLORREF a, win::COLORREF b, double t) {
  win::COLORREF out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF;
    const double cb = (b >> shift) & 0xFF;
    out |= static_cast<win::COLORREF>(std::nearbyint(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

// Where a destination pixel's centre falls in the source: the two source
// pixels either side and how far toward the second one.
struct Sample {
  int first;
  int second;
  double t;
};

Sample sample(int dest, double scale, int source_length) {
  const double at = std::clamp((dest + 0.5) / scale - 0.5, 0.0, double(source_length - 1));
  const int first = static_cast<int>(at);
  return {first, std::min(first + 1, source_length - 1), at - first};
}

}  // namespace

win::Surface scale_surface(const win::Surface& source, double scale) {
  win::Surface out(scaled_length(source.width, scale), scaled_length(source.height, scale));
  if (source.pixels.empty() || out.pixels.empty()) return out;
  if (scale == std::floor(scale)) {
    const int k = static_cast<int>(scale);
    for (int y = 0; y < out.height; ++y)
      for (int x = 0; x < out.width; ++x) out.at(x, y) = source.at(x / k, y / k);
    return out;
  }
  for (int y = 0; y < out.height; ++y) {
    const Sample sy = sample(y, scale, source.height);
    for (int x = 0; x < out.width; ++x) {
      const Sample sx = sample(x, scale, source.width);
      const win::COLORREF top =
          mix(source.at(sx.first, sy.first), source.at(sx.second, sy.first), sx.t);
      const win::COLORREF bottom =
          mix(source.at(sx.first, sy.second), source.at(sx.second, sy.second), sx.t);
      out.at(x, y) = mix(top, bottom, sy.t);
    }
  }
  return out;
}

void ScaledPicture::draw(win::HDC dc, const win::PicturePtr& picture, int x, int y, int width,
                         int height) {
  const double scale = win::screen_scale();
  if (scale == 1 || !picture || !picture->bitmap()) {
    draw_picture(dc, picture, x, y, width, height);
    return;
  }
  const win::Bitmap* bitmap = win::bitmap_from_handle(picture->bitmap());
  if (!bitmap) return;
  if (picture != m_source || scale != m_scale) {
    m_image = scale_surface(bitmap->surface, scale);
    m_source = picture;
    m_scale = scale;
  }
  width = std::min(m_image.width, width);
  height = std::min(m_image.height, height);
  if (width <= 0 || height <= 0) return;
  const win::HBITMAP scaled = win::make_bitmap_handle(m_image);
  const win::HDC source = win::CreateCompatibleDC(dc);
  const win::HBITMAP previous = win::SelectObject(source, scaled);
  win::BitBlt(dc, x, y, width, height, source, 0, 0, win::SRCCOPY);
  win::SelectObject(source, previous);
  win::DeleteDC(source);
  win::DeleteObject(scaled);
}

}  // namespace forms
