#include "platform/forms/label.h"

#include <stdexcept>

#include "platform/forms/color.h"
#include "platform/forms/font.h"
#include "platform/forms/form.h"
#include "platform/forms/layout.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/gdi/text.h"

namespace forms {

namespace {

win::HFONT font_or_throw(const FontDescription& font) {
  const win::HFONT handle = create_font(font);
  if (!handle) throw std::runtime_error(font_failure(font));
  return handle;
}

}  // namespace

Label::Label(Form& form, const LayoutBlock& block) : Control(form, block) {
  m_caption = std::get<std::string>(block.require("Caption", ValueType::Text));
  m_font = std::get<FontDescription>(block.require("Font", ValueType::Font));
  m_hfont = font_or_throw(m_font);
  m_fore_color = static_cast<win::OLE_COLOR>(
      std::get<std::int32_t>(block.require("ForeColor", ValueType::Long)));
  if (const auto back = block.optional("BackColor", ValueType::Long))
    m_back_color = static_cast<win::OLE_COLOR>(std::get<std::int32_t>(*back));
  m_back_style = static_cast<forms::BackStyle>(
      std::get<std::int32_t>(block.require("BackStyle", ValueType::Long)));
  m_alignment = static_cast<forms::Alignment>(
      std::get<std::int32_t>(block.require("Alignment", ValueType::Long)));
}

Label::Label(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), "Label"),
      m_caption(std::move(caption)),
      m_font{"MS Sans Serif", 8, 400, false, false, false, 0},
      m_hfont(font_or_throw(m_font)) {}

Label::~Label() { win::DeleteObject(m_hfont); }

void Label::repaint() {
  if (Visible()) form().invalidate(pixel_rect());
}

void Label::set_Caption(std::string caption) {
  m_caption = std::move(caption);
  repaint();
}

void Label::set_Font(const FontDescription& font) {
  const win::HFONT handle = font_or_throw(font);
  win::DeleteObject(m_hfont);
  m_hfont = handle;
  m_font = font;
  repaint();
}

void Label::set_ForeColor(win::OLE_COLOR color) {
  m_fore_color = color;
  repaint();
}

void Label::paint(win::HDC dc) {
  win::RECT rect = pixel_rect();
  if (m_back_style == forms::BackStyle::Opaque) {
    const win::HBRUSH brush = win::CreateSolidBrush(translate_color(m_back_color));
    win::FillRect(dc, &rect, brush);
    win::DeleteObject(brush);
  }
  const win::HFONT previous = win::SelectObject(dc, m_hfont);
  win::SetTextColor(dc, translate_color(m_fore_color));
  const int mode = win::SetBkMode(dc, win::TRANSPARENT);
  const win::UINT align = m_alignment == forms::Alignment::Center  ? win::DT_CENTER
                          : m_alignment == forms::Alignment::Right ? win::DT_RIGHT
                                                                   : win::DT_LEFT;
  win::DrawTextA(dc, m_caption.c_str(), static_cast<int>(m_caption.size()), &rect,
                 align | win::DT_NOPREFIX);
  win::SetBkMode(dc, mode);
  win::SelectObject(dc, previous);
}

bool Label::hit_test(win::POINT point) const {
  const win::RECT rect = pixel_rect();
  return win::PtInRect(&rect, point) != 0;
}

void Label::click() {
  if (m_on_click) m_on_click();
}

}  // namespace forms
