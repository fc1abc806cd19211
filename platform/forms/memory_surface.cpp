#include "platform/forms/memory_surface.h"

#include "platform/win/gdi/gdi.h"

namespace forms {

MemorySurface::MemorySurface(std::int32_t width, std::int32_t height, win::COLORREF background)
    : OverControlImage("MemorySurface", width, height, background) {}

MemorySurface::~MemorySurface() {
  if (m_window_region) win::DeleteObject(m_window_region);
}

void MemorySurface::SetWindowRgn(win::HRGN region) {
  if (m_window_region && m_window_region != region) win::DeleteObject(m_window_region);
  m_window_region = region;
}

void MemorySurface::clear(win::COLORREF color) {
  m_image.set_back_color(color);
  m_image.clear();
}

win::COLORREF MemorySurface::pixel(std::int32_t x, std::int32_t y) const {
  return win::GetPixel(m_image.dc(), x, y);
}

}  // namespace forms
