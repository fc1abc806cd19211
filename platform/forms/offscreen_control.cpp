#include "platform/forms/offscreen_control.h"

#include "platform/win/gdi/gdi.h"

namespace forms {

OffscreenControl::OffscreenControl(std::int32_t width, std::int32_t height)
    : m_image("OffscreenControl", width, height, 0xFFFFFF) {
  m_image.set_font({"Tahoma", 9, 400, false, false, false, 0});
}

OffscreenControl::~OffscreenControl() {
  if (m_window_region) win::DeleteObject(m_window_region);
}

void OffscreenControl::Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  m_image.Line(x1, y1, x2, y2, color);
}

void OffscreenControl::Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) {
  m_image.Box(x1, y1, x2, y2, color);
}

void OffscreenControl::PSet(float x, float y, win::OLE_COLOR color) { m_image.PSet(x, y, color); }

void OffscreenControl::SetWindowRgn(win::HRGN region) {
  if (m_window_region && m_window_region != region) win::DeleteObject(m_window_region);
  m_window_region = region;
}

float OffscreenControl::TextWidth(std::string_view text) const { return float(m_image.measure(text).cx); }

float OffscreenControl::TextHeight(std::string_view text) const { return float(m_image.measure(text).cy); }

void OffscreenControl::SetFont(const FontDescription& font) { m_image.set_font(font); }

void OffscreenControl::SetForeColor(win::OLE_COLOR color) { m_image.set_fore_color(color); }

// As in the host: an empty picture leaves the image cleared to the background.
void OffscreenControl::SetPicture(win::PicturePtr picture) { m_image.set_picture(std::move(picture)); }

}  // namespace forms
