#include "platform/forms/image.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/forms/layout.h"
#include "platform/win/gdi.h"

namespace forms {

Image::Image(Form& form, const LayoutBlock& block, win::PicturePtr picture)
    : Control(form, block), m_picture(std::move(picture)) {}

void Image::set_Picture(win::PicturePtr picture) {
  m_picture = std::move(picture);
  if (Visible()) form().invalidate(pixel_rect());
}

void Image::paint(win::HDC dc) {
  if (!m_picture || !m_picture->bitmap()) return;
  const win::RECT rect = pixel_rect();
  const win::SIZE size = m_picture->pixel_size();
  const int width = std::min<int>(size.cx, rect.right - rect.left);
  const int height = std::min<int>(size.cy, rect.bottom - rect.top);
  if (width <= 0 || height <= 0) return;
  const win::HDC source = win::CreateCompatibleDC(dc);
  const win::HBITMAP previous = win::SelectObject(source, m_picture->bitmap());
  win::BitBlt(dc, rect.left, rect.top, width, height, source, 0, 0, win::SRCCOPY);
  win::SelectObject(source, previous);
  win::DeleteDC(source);
}

}  // namespace forms
