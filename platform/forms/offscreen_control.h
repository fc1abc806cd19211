// A hosted control's surface with no window: the same persistent image, font,
// colours, background picture and text measuring as the user-control host,
// over a memory DC of a fixed size. Window regions handed to it are kept,
// owned, for the caller to read; Refresh has no window to show the image in.
// Everything it creates goes with it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/forms/control_surface.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace forms {

class OffscreenControl final : public ControlSurface {
 public:
  // Starts with the host's own design: white background, "Tahoma" 9 pt.
  // Text is measured through the A or the W functions as `calls` says.
  // Throws when the DC, the image or the font cannot be made.
  OffscreenControl(std::int32_t width, std::int32_t height, TextCalls calls = TextCalls::Ansi);
  ~OffscreenControl() override;
  OffscreenControl(const OffscreenControl&) = delete;
  OffscreenControl& operator=(const OffscreenControl&) = delete;

  float ScaleWidth() const override { return float(m_width); }
  float ScaleHeight() const override { return float(m_height); }
  void Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) override;
  void Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) override;
  void PSet(float x, float y, win::OLE_COLOR color) override;
  win::HDC hDC() const override { return m_dc; }
  win::HWND hWnd() const override { return win::HWND{}; }
  void SetWindowRgn(win::HRGN region) override;
  float TextWidth(std::string_view text) const override;
  float TextHeight(std::string_view text) const override;
  FontDescription Font() const override { return m_font; }
  void SetFont(const FontDescription& font) override;
  win::OLE_COLOR ForeColor() const override { return m_fore_color; }
  void SetForeColor(win::OLE_COLOR color) override;
  win::OLE_COLOR BackColor() const override { return m_back_color; }
  void SetBackColor(win::OLE_COLOR color) override { m_back_color = color; }
  win::PicturePtr Picture() const override { return m_picture; }
  void SetPicture(win::PicturePtr picture) override;
  std::int16_t MousePointer() const override { return m_mouse_pointer; }
  void SetMousePointer(std::int16_t pointer) override { m_mouse_pointer = pointer; }
  void Refresh() override {}

  // The persistent image.
  const win::Surface& image() const;
  // The last window region handed over, or 0 for the full rectangle.
  win::HRGN window_region() const { return m_window_region; }

 private:
  void clear_image();
  void release();
  win::SIZE measure(std::string_view text) const;

  std::int32_t m_width;
  std::int32_t m_height;
  TextCalls m_calls;
  win::HDC m_dc;
  win::HBITMAP m_bitmap;
  win::HBITMAP m_old_bitmap;
  win::HFONT m_hfont;
  win::HRGN m_window_region;
  FontDescription m_font{"Tahoma", 9, 400, false, false, false, 0};
  win::OLE_COLOR m_fore_color = 0;
  win::OLE_COLOR m_back_color = 0xFFFFFF;
  win::PicturePtr m_picture;
  std::int16_t m_mouse_pointer = 0;
};

}  // namespace forms
