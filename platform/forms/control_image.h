// The persistent image of a hosted control: a memory DC with a 32-bit bitmap
// of the control's size, the font and the text colour selected into it, the
// back colour the image is cleared to and the background picture drawn over
// that. What is drawn stays until drawn over. The user-control host, the
// off-screen control and the memory surface of tests and benchmarks each
// draw through one; everything it makes goes with it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/forms/control_surface.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"
#include "platform/win/ole/picture.h"

namespace forms {

// Whether the image's fonts follow the screen's scale (a window's image) or
// are sized at 96 pixels per inch whatever the screen (an image for no screen).
enum class FontScale { Screen, None };

class ControlImage {
 public:
  // `owner` names the surface in error messages. The image starts cleared to
  // back_color, with no font selected. Throws when the DC or the image
  // cannot be made, leaving nothing behind.
  // Text is measured through the A or the W functions as `calls` says.
  ControlImage(std::string owner, std::int32_t width, std::int32_t height,
               win::OLE_COLOR back_color, TextCalls calls = TextCalls::Ansi,
               FontScale font_scale = FontScale::Screen);
  ~ControlImage();
  ControlImage(const ControlImage&) = delete;
  ControlImage& operator=(const ControlImage&) = delete;

  // A new image of the size (negative sizes count as 0), cleared to the back
  // colour. When it cannot be made it throws a runtime_error naming the size
  // and the old image stays.
  void resize(std::int32_t width, std::int32_t height);
  std::int32_t width() const { return m_width; }
  std::int32_t height() const { return m_height; }
  win::HDC dc() const { return m_dc; }
  const win::Surface& pixels() const;

  void Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color);
  void Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color);
  void PSet(float x, float y, win::OLE_COLOR color);
  // The extent of a UTF-8 text in the selected font, as the Windows-1252
  // (A) or the wide (W) text calls measure it.
  win::SIZE measure(std::string_view text) const;

  const FontDescription& font() const { return m_font; }
  // Throws when the platform makes no such font; the old one stays.
  void set_font(const FontDescription& font);
  win::OLE_COLOR fore_color() const { return m_fore_color; }
  void set_fore_color(win::OLE_COLOR color);
  win::OLE_COLOR back_color() const { return m_back_color; }
  // Used by the next clear.
  void set_back_color(win::OLE_COLOR color) { m_back_color = color; }
  const win::PicturePtr& picture() const { return m_picture; }
  // Clears the image to the back colour and draws the picture at (0, 0); an
  // empty picture leaves it cleared, which is what pixels no painter touches
  // show.
  void set_picture(win::PicturePtr picture);
  // Fills the whole image with the back colour.
  void clear();

 private:
  void release();

  std::string m_owner;
  TextCalls m_calls;
  FontScale m_font_scale;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  win::HDC m_dc;
  win::HBITMAP m_bitmap;
  win::HBITMAP m_old_bitmap;
  win::HFONT m_hfont;
  FontDescription m_font;
  win::OLE_COLOR m_fore_color = 0;
  win::OLE_COLOR m_back_color = 0xFFFFFF;
  win::PicturePtr m_picture;
};

}  // namespace forms
