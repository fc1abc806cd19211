#include "canvas.h"

#ifdef _WIN32
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
