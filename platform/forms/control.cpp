#include "platform/forms/control.h"

#include "platform/forms/form.h"
#include "platform/forms/layout.h"
#include "platform/forms/twips.h"
#include "platform/forms/value_conversion.h"
#include "platform/win/user/window.h"

namespace forms {

namespace {

float number_or(const LayoutBlock& block, std::string_view key, float fallback) {
  const auto value = block.optional(key, ValueType::Long);
  return value ? static_cast<float>(std::get<std::int32_t>(*value)) : fallback;
}

}  // namespace

Control::Control(Form& form, std::string name, std::string kind)
    : m_form(form), m_name(std::move(name)), m_kind(std::move(kind)) {}

Control::Control(Form& form, const LayoutBlock& block) : Control(form, block.name, block.kind) {
  m_left = number_or(block, "Left", 0);
  m_top = number_or(block, "Top", 0);
  m_width = number_or(block, "Width", 0);
  m_height = number_or(block, "Height", 0);
  if (const auto visible = block.optional("Visible", ValueType::Flag))
    m_visible = std::get<Flag>(*visible).value;
  if (const auto index = block.optional("TabIndex", ValueType::Long))
    m_tab_index = std::get<std::int32_t>(*index);
}

win::RECT Control::pixel_rect() const {
  const int left = twips_to_pixels(m_left);
  const int top = twips_to_pixels(m_top);
  return {left, top, left + twips_to_pixels(m_width), top + twips_to_pixels(m_height)};
}

void Control::place(float left, float top, float width, float height) {
  const win::RECT old_rect = pixel_rect();
  m_left = left;
  m_top = top;
  m_width = width;
  m_height = height;
  if (!(pixel_rect() == old_rect)) placement_changed(old_rect, m_visible);
}

void Control::set_Left(float twips) { place(twips, m_top, m_width, m_height); }
void Control::set_Top(float twips) { place(m_left, twips, m_width, m_height); }
void Control::set_Width(float twips) { place(m_left, m_top, twips, m_height); }
void Control::set_Height(float twips) { place(m_left, m_top, m_width, twips); }
void Control::Move(float left, float top, float width, float height) {
  place(left, top, width, height);
}

void Control::set_Visible(bool visible) {
  if (visible == m_visible) return;
  m_visible = visible;
  placement_changed(pixel_rect(), !visible);
}

void Control::placement_changed(const win::RECT& old_rect, bool was_visible) {
  if (const win::HWND window = hWnd()) {
    const win::RECT rect = pixel_rect();
    win::MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 1);
    win::ShowWindow(window, m_visible ? win::SW_SHOW : win::SW_HIDE);
    return;
  }
  if (was_visible) m_form.invalidate(old_rect);
  if (m_visible) m_form.invalidate(pixel_rect());
}

}  // namespace forms
