#include "platform/forms/offscreen_control.h"

#include <stdexcept>
#include <string>

#include "platform/forms/color.h"
#include "platform/forms/font.h"
#include "platform/forms/surface_drawing.h"
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/text.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/kernel/codepage.h"

namespace forms {

OffscreenControl::OffscreenControl(std::int32_t width, std::int32_t height)
    : m_width(width > 0 ? width : 0), m_height(height > 0 ? height : 0) {
  try {
    m_dc = win::CreateCompatibleDC(win::HDC{});
    if (!m_dc) throw std::runtime_error("OffscreenControl: no device context for the image");
    m_bitmap = win::CreateCompatibleBitmap(win::HDC{}, m_width > 0 ? m_width : 1, m_height > 0 ? m_height : 1);
    if (!m_bitmap)
      throw std::runtime_error("OffscreenControl: no image of " + std::to_string(width) + " x " +
                               std::to_string(height));
    m_old_bitmap = win::SelectObject(m_dc, m_bitmap);
    clear_image();
    SetFont(m_font);
  } catch (...) {
    release();
    throw;
  }
  win::SetBkMode(m_dc, win::TRANSPARENT);
  win::SetTextColor(m_dc, translate_color(m_fore_color));
}

OffscreenControl::~OffscreenControl() { release(); }

void OffscreenControl::release() {
  if (m_dc && m_old_bitmap) win::SelectObject(m_dc, m_old_bitmap);
  if (m_bitmap) win::DeleteObject(m_bitmap);
  if (m_dc) win::DeleteDC(m_dc);
  if (m_hfont) win::DeleteObject(m_hfont);
  if (m_window_region) win::DeleteObject(m_window_region);
}

void OffscreenControl::clear_image() {
  const win::RECT all{0, 0, m_width, m_height};
  const win::HBRUSH brush = win::CreateSolidBrush(translate_color(m_back_color));
  win::FillRect(m_dc, &all, brush);
  win::DeleteObject(brush);
}

void OffscreenControl::Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  draw_line(m_dc, x1, y1, x2, y2, color);
}

void OffscreenControl::Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  draw_box(m_dc, x1, y1, x2, y2, color);
}

void OffscreenControl::PSet(float x, float y, win::OLE_COLOR color) { draw_point(m_dc, x, y, color); }

void OffscreenControl::SetWindowRgn(win::HRGN region) {
  if (m_window_region && m_window_region != region) win::DeleteObject(m_window_region);
  m_window_region = region;
}

float OffscreenControl::TextWidth(std::string_view text) const {
  const std::string ansi = win::utf8_to_cp1252(text);
  win::SIZE size;
  win::GetTextExtentPoint32A(m_dc, ansi.c_str(), int(ansi.size()), &size);
  return float(size.cx);
}

float OffscreenControl::TextHeight(std::string_view text) const {
  const std::string ansi = win::utf8_to_cp1252(text);
  win::SIZE size;
  win::GetTextExtentPoint32A(m_dc, ansi.c_str(), int(ansi.size()), &size);
  return float(size.cy);
}

void OffscreenControl::SetFont(const FontDescription& font) {
  // Drawn for no screen: points at 96 pixels per inch, whatever the screen's scale.
  const win::HFONT made = create_font(font, 1);
  if (!made)
    throw std::runtime_error("OffscreenControl: no font \"" + font.name + "\" of " + std::to_string(font.size) +
                             " pt");
  win::SelectObject(m_dc, made);
  if (m_hfont) win::DeleteObject(m_hfont);
  m_hfont = made;
  m_font = font;
}

void OffscreenControl::SetForeColor(win::OLE_COLOR color) {
  m_fore_color = color;
  win::SetTextColor(m_dc, translate_color(color));
}

// As in the host: an empty picture leaves the image cleared to the background.
void OffscreenControl::SetPicture(win::PicturePtr picture) {
  m_picture = std::move(picture);
  clear_image();
  draw_picture(m_dc, m_picture, 0, 0);
}

const win::Surface& OffscreenControl::image() const { return win::bitmap_from_handle(m_bitmap)->surface; }

}  // namespace forms
