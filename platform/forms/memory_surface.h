// A drawing surface over a memory DC and a 32-bit bitmap, with no window:
// for tests, benchmarks and off-screen rendering of a control's painters.
// It draws as a hosted control's surface does, system colours included. A
// window region handed to it is kept, owned, until the next one or until the
// surface goes.
#pragma once

#include <cstdint>

#include "platform/forms/image_surfaces.h"

namespace forms {

class MemorySurface final : public OverControlImage<DrawingSurface> {
 public:
  // Throws when the DC or the bitmap cannot be created.
  MemorySurface(std::int32_t width, std::int32_t height, win::COLORREF background = 0xFFFFFF);
  ~MemorySurface() override;
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  win::HWND hWnd() const override { return win::HWND{}; }
  void SetWindowRgn(win::HRGN region) override;

  // Fills the whole image with one colour.
  void clear(win::COLORREF color);
  win::COLORREF pixel(std::int32_t x, std::int32_t y) const;
  // The last region handed over, or 0 for the full rectangle.
  win::HRGN window_region() const { return m_window_region; }

 private:
  win::HRGN m_window_region;
};

}  // namespace forms
