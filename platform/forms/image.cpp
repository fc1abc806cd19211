#include "platform/forms/image.h"

#include "platform/forms/form.h"
#include "platform/forms/layout.h"
#include "platform/forms/surface_drawing.h"

namespace forms {

Image::Image(Form& form, const LayoutBlock& block, win::PicturePtr picture)
    : Control(form, block), m_picture(std::move(picture)) {}

void Image::set_Picture(win::PicturePtr picture) {
  m_picture = std::move(picture);
  if (Visible()) form().invalidate(pixel_rect());
}

void Image::paint(win::HDC dc) {
  const win::RECT rect = pixel_rect();
  m_scaled.draw(dc, m_picture, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace forms
