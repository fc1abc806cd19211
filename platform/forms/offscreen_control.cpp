#include "platform/forms/offscreen_control.h"

#include "platform/win/gdi/gdi.h"

namespace forms {

OffscreenControl::OffscreenControl(std::int32_t width, std::int32_t height, TextCalls calls)
    : ImageControlSurface("OffscreenControl", width, height, calls, FontScale::None) {}

OffscreenControl::~OffscreenControl() {
  if (m_window_region) win::DeleteObject(m_window_region);
}

void OffscreenControl::SetWindowRgn(win::HRGN region) {
  if (m_window_region && m_window_region != region) win::DeleteObject(m_window_region);
  m_window_region = region;
}

}  // namespace forms
