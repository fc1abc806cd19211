#include "canvas.h"

#ifndef _WIN32
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#endif

namespace gdipaint {

#ifdef _WIN32

namespace {
std::uint32_t swap_rb(std::uint32_t v) { return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF); }
}  // namespace

Canvas::Canvas(int width, int height) : m_width(width), m_height(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  m_dc = CreateCompatibleDC(nullptr);
  m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m_bits = static_cast<std::uint32_t*>(bits);
  m_old = ::SelectObject(m_dc, m_bitmap);
}

Canvas::~Canvas() {
  ::SelectObject(m_dc, m_old);
  DeleteObject(m_bitmap);
  DeleteDC(m_dc);
}

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
