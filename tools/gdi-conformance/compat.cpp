#include "compat.h"

#include "../common/dib_canvas.h"

#include <utility>

#include "platform/win/gdi/region_bands.h"

namespace conformance {

// Both builds read a region the one plain way, through GetRegionData, as the
// painters' Windows build does.
std::vector<Rows> region_rows(HRGN rgn) {
  std::vector<Rows> rows;
  const win::plain::RegionBands bands(rgn);
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const win::RegionBand band = bands[i];
    rows.push_back({band.top, band.bottom, {}});
    for (const win::RegionSpan& s : band.spans) rows.back().spans.push_back({s.left, s.right});
  }
  return rows;
}

#ifdef _WIN32

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
  return tools::swap_rb(m_bits[y * m_width + x]);
}

void Canvas::clear(std::uint32_t color) {
  GdiFlush();
  const std::uint32_t v = tools::swap_rb(color);
  for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = v;
}

HBITMAP make_picture(int width, int height, const std::vector<std::uint32_t>& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* out = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const std::uint32_t c = pixels[static_cast<std::size_t>(i)];
    out[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  GdiFlush();
  return bitmap;
}

BOOL draw_state_picture(HDC dc, HBRUSH brush, HBITMAP picture, int x, int y, int cx, int cy,
                        UINT flags) {
  return DrawStateA(dc, brush, nullptr, reinterpret_cast<LPARAM>(picture), 0, x, y, cx, cy,
                    DST_BITMAP | flags);
}

HBRUSH sys_color_brush_value(int index) {
  return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(index + 1));
}
HBRUSH to_brush(HGDIOBJ object) { return static_cast<HBRUSH>(object); }
HPEN to_pen(HGDIOBJ object) { return static_cast<HPEN>(object); }

#else

Canvas::Canvas(int width, int height) : m_width(width), m_height(height) {
  m_dc = CreateCompatibleDC(HDC{});
  m_bitmap = CreateCompatibleBitmap(m_dc, width, height);
  m_old = SelectObject(m_dc, HGDIOBJ(m_bitmap));
}

Canvas::~Canvas() {
  SelectObject(m_dc, m_old);
  DeleteObject(m_bitmap);
  DeleteDC(m_dc);
}

std::uint32_t Canvas::at(int x, int y) const {
  return bitmap_from_handle(m_bitmap)->surface.at(x, y) & 0xFFFFFF;
}

void Canvas::clear(std::uint32_t color) {
  Surface& s = bitmap_from_handle(m_bitmap)->surface;
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) s.at(x, y) = color;
}

HBITMAP make_picture(int width, int height, const std::vector<std::uint32_t>& pixels) {
  Surface surface(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      surface.at(x, y) = pixels[static_cast<std::size_t>(y * width + x)];
  return make_bitmap_handle(std::move(surface));
}

BOOL draw_state_picture(HDC dc, HBRUSH brush, HBITMAP picture, int x, int y, int cx, int cy,
                        UINT flags) {
  return DrawStateA(dc, brush, DRAWSTATEPROC{}, static_cast<LPARAM>(picture.value), 0, x, y, cx, cy,
                    DST_BITMAP | flags);
}

HBRUSH sys_color_brush_value(int index) { return HBRUSH(static_cast<std::uint32_t>(index + 1)); }
HBRUSH to_brush(HGDIOBJ object) { return HBRUSH(object); }
HPEN to_pen(HGDIOBJ object) { return HPEN(object); }

#endif

}  // namespace conformance
