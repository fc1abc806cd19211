// A 32-bit memory DC whose pixels are read without GDI, as COLORREF values;
// the part of the paint harness that differs between the native build and
// the Windows one, with the Windows build's watch on Ellipse.
#pragma once

#include <cstdint>

#include "platform/win/kernel/types.h"

namespace gdipaint {

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  win::HDC dc() const { return m_dc; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  std::uint32_t at(int x, int y) const;
  void clear(std::uint32_t color) const;

 private:
  int m_width, m_height;
  win::HDC m_dc{};
  win::HBITMAP m_bitmap{};
  win::HGDIOBJ m_old{};
  std::uint32_t* m_bits = nullptr;  // the Windows build's DIB section
};

#ifdef _WIN32
// How many Ellipse calls so far changed pixels outside the box they were
// given: the reference fills the rows of narrow ellipses its outline walk
// never reaches from whatever its row buffer last held. The Windows build's
// win::Ellipse (which the painters' plain ellipse stack calls) counts them.
int ellipses_drawn_outside_their_box();
#endif

}  // namespace gdipaint
