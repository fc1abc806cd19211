#include "platform/forms/memory_surface.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/forms/surface_drawing.h"
#include "platform/win/gdi/gdi.h"

namespace forms {

MemorySurface::MemorySurface(std::int32_t width, std::int32_t height, win::COLORREF background)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)) {
  m_dc = win::CreateCompatibleDC(win::HDC{});
  if (!m_dc) throw std::runtime_error("MemorySurface: cannot create a memory DC");
  m_bitmap = win::CreateCompatibleBitmap(m_dc, m_width, m_height);
  if (!m_bitmap) {
    win::DeleteDC(m_dc);
    throw std::runtime_error("MemorySurface: cannot create a " + std::to_string(m_width) + " x " +
                             std::to_string(m_height) + " bitmap");
  }
  m_old_bitmap = win::SelectObject(m_dc, m_bitmap);
  clear(background);
}

MemorySurface::~MemorySurface() {
  win::SelectObject(m_dc, m_old_bitmap);
  win::DeleteObject(m_bitmap);
  win::DeleteDC(m_dc);
  if (m_window_region) win::DeleteObject(m_window_region);
}

void MemorySurface::Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  draw_line(m_dc, x1, y1, x2, y2, color);
}

void MemorySurface::Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  draw_box(m_dc, x1, y1, x2, y2, color);
}

void MemorySurface::PSet(float x, float y, win::OLE_COLOR color) { draw_point(m_dc, x, y, color); }

void MemorySurface::SetWindowRgn(win::HRGN region) {
  if (m_window_region && m_window_region != region) win::DeleteObject(m_window_region);
  m_window_region = region;
}

void MemorySurface::clear(win::COLORREF color) {
  if (m_width == 0 || m_height == 0) return;
  Box(0.0f, 0.0f, float(m_width - 1), float(m_height - 1), color);
}

win::COLORREF MemorySurface::pixel(std::int32_t x, std::int32_t y) const {
  return win::GetPixel(m_dc, x, y);
}

}  // namespace forms
