#include "platform/forms/control_image.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/forms/color.h"
#include "platform/forms/font.h"
#include "platform/forms/surface_drawing.h"
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/text.h"
#include "platform/win/kernel/codepage.h"
#include "platform/win/user/fill_rect.h"

namespace forms {

ControlImage::ControlImage(std::string owner, std::int32_t width, std::int32_t height,
                           win::OLE_COLOR back_color, TextCalls calls, FontScale font_scale)
    : m_owner(std::move(owner)),
      m_calls(calls),
      m_font_scale(font_scale),
      m_back_color(back_color) {
  try {
    m_dc = win::CreateCompatibleDC(win::HDC{});
    if (!m_dc) throw std::runtime_error(m_owner + ": no device context for the image");
    resize(width, height);
  } catch (...) {
    release();
    throw;
  }
  win::SetBkMode(m_dc, win::TRANSPARENT);
  win::SetTextColor(m_dc, translate_color(m_fore_color));
}

ControlImage::~ControlImage() { release(); }

void ControlImage::release() {
  if (m_dc && m_old_bitmap) win::SelectObject(m_dc, m_old_bitmap);
  if (m_bitmap) win::DeleteObject(m_bitmap);
  if (m_dc) win::DeleteDC(m_dc);
  if (m_hfont) win::DeleteObject(m_hfont);
}

void ControlImage::resize(std::int32_t width, std::int32_t height) {
  const std::int32_t w = std::max(width, 0);
  const std::int32_t h = std::max(height, 0);
  // The platform makes no empty bitmap: a control of no size keeps one pixel.
  // A bitmap of the control's size is cleared below, every pixel, so it
  // need not start black.
  const win::HBITMAP bitmap =
      w > 0 && h > 0 && std::int64_t(w) * h <= win::kMaxBitmapPixels
          ? win::make_bitmap_to_fill(w, h)
          : win::CreateCompatibleBitmap(win::HDC{}, std::max(w, 1), std::max(h, 1));
  if (!bitmap)
    throw std::runtime_error(m_owner + ": no image of " + std::to_string(width) + " x " +
                             std::to_string(height));
  const win::HBITMAP previous = win::SelectObject(m_dc, bitmap);
  if (!m_old_bitmap) m_old_bitmap = previous;
  else win::DeleteObject(previous);
  m_bitmap = bitmap;
  m_width = w;
  m_height = h;
  clear();
}

const win::Surface& ControlImage::pixels() const {
  return win::bitmap_from_handle(m_bitmap)->surface;
}

void ControlImage::clear() {
  const win::RECT all{0, 0, m_width, m_height};
  win::fill_solid_rect(m_dc, &all, translate_color(m_back_color));
}

void ControlImage::Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  draw_line(m_dc, x1, y1, x2, y2, color);
}

void ControlImage::Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  draw_box(m_dc, x1, y1, x2, y2, color);
}

void ControlImage::PSet(float x, float y, win::OLE_COLOR color) { draw_point(m_dc, x, y, color); }

win::SIZE ControlImage::measure(std::string_view text) const {
  win::SIZE size;
  if (m_calls == TextCalls::Wide) {
    const std::u16string wide = win::utf8_to_utf16(text);
    win::GetTextExtentPoint32W(m_dc, wide.c_str(), int(wide.size()), &size);
  } else {
    const std::string ansi = win::utf8_to_cp1252(text);
    win::GetTextExtentPoint32A(m_dc, ansi.c_str(), int(ansi.size()), &size);
  }
  return size;
}

void ControlImage::set_font(const FontDescription& font) {
  const win::HFONT made =
      m_font_scale == FontScale::None ? create_font(font, 1) : create_font(font);
  if (!made) throw std::runtime_error(m_owner + ": " + font_failure(font));
  win::SelectObject(m_dc, made);
  if (m_hfont) win::DeleteObject(m_hfont);
  m_hfont = made;
  m_font = font;
}

void ControlImage::set_fore_color(win::OLE_COLOR color) {
  m_fore_color = color;
  win::SetTextColor(m_dc, translate_color(color));
}

void ControlImage::set_picture(win::PicturePtr picture) {
  m_picture = std::move(picture);
  clear();
  draw_picture(m_dc, m_picture, 0, 0);
}

}  // namespace forms
