// A hosted control's surface with no window: the same persistent image, font,
// colours, background picture and text measuring as the user-control host,
// over a memory DC of a fixed size. Window regions handed to it are kept,
// owned, for the caller to read; Refresh has no window to show the image in.
// Everything it creates goes with it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/forms/image_surfaces.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace forms {

class OffscreenControl final : public ImageControlSurface {
 public:
  // Starts with the host's own design: white background, "Tahoma" 9 pt.
  // Throws when the DC, the image or the font cannot be made.
  // Text is measured through the A or the W functions as `calls` says.
  OffscreenControl(std::int32_t width, std::int32_t height, TextCalls calls = TextCalls::Ansi);
  ~OffscreenControl() override;
  OffscreenControl(const OffscreenControl&) = delete;
  OffscreenControl& operator=(const OffscreenControl&) = delete;

  win::HWND hWnd() const override { return win::HWND{}; }
  void SetWindowRgn(win::HRGN region) override;
  std::int16_t MousePointer() const override { return m_mouse_pointer; }
  void SetMousePointer(std::int16_t pointer) override { m_mouse_pointer = pointer; }
  void Refresh() override {}

  // The persistent image.
  const win::Surface& image() const { return m_image.pixels(); }
  // The last window region handed over, or 0 for the full rectangle.
  win::HRGN window_region() const { return m_window_region; }

 private:
  win::HRGN m_window_region;
  std::int16_t m_mouse_pointer = 0;
};

}  // namespace forms
