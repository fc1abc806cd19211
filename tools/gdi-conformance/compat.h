// The few things the conformance cases need that differ between a Windows
// build (real windows.h) and a build against our platform: a 32-bit canvas
// whose pixels can be read without GDI, a region's rows, and the system
// colour brush values.
#pragma once

#include <cstdint>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/user/draw_state.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/user/syscolor.h"
using namespace win;
#endif

namespace conformance {

struct Span {
  std::int32_t left, right;
  bool operator==(const Span&) const = default;
};
struct Rows {  // rows top .. bottom-1 with the same spans
  std::int32_t top, bottom;
  std::vector<Span> spans;
};

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return m_dc; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  // Reads and writes the bits directly, as COLORREF values.
  std::uint32_t at(int x, int y) const;
  void clear(std::uint32_t color);

 private:
  int m_width, m_height;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
#ifdef _WIN32
  std::uint32_t* m_bits = nullptr;
#endif
};

// The region's rectangles grouped by rows, as the implementation keeps them.
std::vector<Rows> region_rows(HRGN rgn);
// A brush handle that stands for a system colour (COLOR_x + 1).
HBRUSH sys_color_brush_value(int index);
HBRUSH to_brush(HGDIOBJ object);
// A 32-bit bitmap of the given COLORREF pixels (row-major), selected nowhere.
HBITMAP make_picture(int width, int height, const std::vector<std::uint32_t>& pixels);
BOOL draw_state_picture(HDC dc, HBRUSH brush, HBITMAP picture, int x, int y, int cx, int cy,
                        UINT flags);
HPEN to_pen(HGDIOBJ object);

}  // namespace conformance
