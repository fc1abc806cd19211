#include "canvas.h"

#ifdef _WIN32
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "../common/dib_canvas.h"
#endif

#ifndef _WIN32
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#endif

namespace gdipaint {

#ifdef _WIN32

using tools::swap_rb;

Canvas::Canvas(int width, int height) : m_width(width), m_height(height) {
  const tools::DibCanvas c = tools::make_dib_canvas(width, height);
  m_dc = c.dc;
  m_bitmap = c.bitmap;
  m_old = c.old;
  m_bits = c.bits;
}

Canvas::~Canvas() { tools::release_dib_canvas({m_dc, m_bitmap, m_old, m_bits}); }

std::uint32_t Canvas::at(int x, int y) const {
  GdiFlush();
  return swap_rb(m_bits[y * m_width + x]) & 0xFFFFFF;
}

void Canvas::clear(std::uint32_t color) const {
  GdiFlush();
  for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = swap_rb(color);
}

namespace {
int g_ellipses_outside = 0;
}  // namespace

int ellipses_drawn_outside_their_box() { return g_ellipses_outside; }

}  // namespace gdipaint

// Ellipse, watching the DC's 32-bit DIB section for pixels changed outside
// the box.
win::BOOL win::Ellipse(HDC dc, int left, int top, int right, int bottom) {
  DIBSECTION dib{};
  const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  if (!bitmap || GetObject(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 32 ||
      !dib.dsBm.bmBits)
    return ::Ellipse(dc, left, top, right, bottom);
  const auto* bits = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  const int width = dib.dsBm.bmWidth, height = std::abs(dib.dsBm.bmHeight);
  const std::vector<std::uint32_t> before(bits, bits + std::size_t(width) * std::size_t(height));
  GdiFlush();
  const BOOL drawn = ::Ellipse(dc, left, top, right, bottom);
  GdiFlush();
  const int l = std::min(left, right), r = std::max(left, right);
  const int t = std::min(top, bottom), b = std::max(top, bottom);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
      if (bits[i] != before[i] && (x < l || x >= r || y < t || y >= b)) {
        ++gdipaint::g_ellipses_outside;
        return drawn;
      }
    }
  return drawn;
}

namespace gdipaint {

#else

Canvas::Canvas(int width, int height) : m_width(width), m_height(height) {
  m_dc = win::CreateCompatibleDC(win::HDC{});
  m_bitmap = win::CreateCompatibleBitmap(m_dc, width, height);
  m_old = win::SelectObject(m_dc, win::HGDIOBJ(m_bitmap));
}

Canvas::~Canvas() {
  win::SelectObject(m_dc, m_old);
  win::DeleteObject(m_bitmap);
  win::DeleteDC(m_dc);
}

std::uint32_t Canvas::at(int x, int y) const {
  return win::bitmap_from_handle(m_bitmap)->surface.at(x, y) & 0xFFFFFF;
}

void Canvas::clear(std::uint32_t color) const {
  win::Surface& s = win::bitmap_from_handle(m_bitmap)->surface;
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) s.at(x, y) = color;
}

#endif

}  // namespace gdipaint
