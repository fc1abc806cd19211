// The Windows builds of the comparison tools: a top-down 32-bit DIB section
// selected into a memory DC, whose pixels are read and written without GDI.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <cstdint>

namespace tools {

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
inline std::uint32_t swap_rb(std::uint32_t v) {
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

struct DibCanvas {
  HDC dc{};
  HBITMAP bitmap{};
  HGDIOBJ old{};
  std::uint32_t* bits = nullptr;
};

inline DibCanvas make_dib_canvas(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  DibCanvas c;
  void* bits = nullptr;
  c.dc = CreateCompatibleDC(nullptr);
  c.bitmap = CreateDIBSection(c.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  c.bits = static_cast<std::uint32_t*>(bits);
  c.old = ::SelectObject(c.dc, c.bitmap);
  return c;
}

inline void release_dib_canvas(const DibCanvas& c) {
  ::SelectObject(c.dc, c.old);
  DeleteObject(c.bitmap);
  DeleteDC(c.dc);
}

}  // namespace tools
#endif
