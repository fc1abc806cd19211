#include "platform/forms/windowed_control.h"

#include <stdexcept>

#include "platform/forms/form.h"
#include "platform/forms/layout.h"
#include "platform/win/user/window.h"

namespace forms {

namespace {

constexpr const char* kPlaceholderClass = "forms.Placeholder";

win::LRESULT placeholder_procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wparam,
                                   win::LPARAM lparam) {
  return win::DefWindowProcA(hwnd, msg, wparam, lparam);
}

const char* placeholder_class() {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = &placeholder_procedure;
  wc.lpszClassName = kPlaceholderClass;
  wc.background = 0xFFFFFF;
  win::RegisterClassA(&wc);  // fails harmlessly once the class exists
  return kPlaceholderClass;
}

}  // namespace

WindowedControl::WindowedControl(Form& form, const LayoutBlock& block, const char* window_class)
    : Control(form, block) {
  const win::RECT rect = pixel_rect();
  m_hwnd = win::CreateWindowExA(
      0, window_class, Name().c_str(),
      win::WS_CHILD | win::WS_CLIPSIBLINGS | (Visible() ? win::WS_VISIBLE : 0), rect.left, rect.top,
      rect.right - rect.left, rect.bottom - rect.top, form.hWnd(), this);
  if (!m_hwnd) throw std::runtime_error("cannot create the window of control " + Name());
}

WindowedControl::~WindowedControl() { win::DestroyWindow(m_hwnd); }

Placeholder::Placeholder(Form& form, const LayoutBlock& block)
    : WindowedControl(form, block, placeholder_class()),
      m_bag(block.bag ? *block.bag : PropertyBag{}) {}

}  // namespace forms
