#include "platform/forms/user_control.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "platform/forms/color.h"
#include "platform/forms/font.h"
#include "platform/forms/surface_drawing.h"
#include "platform/win/kernel/codepage.h"
#include "platform/win/user/cursor.h"
#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/input.h"
#include "platform/win/user/paint.h"
#include "platform/win/gdi/text.h"
#include "platform/win/user/window.h"

namespace forms {

namespace {

constexpr const char* kClassName = "CandyUserControl";

// The platform's table from a control window to its host.
std::unordered_map<std::uint32_t, UserControl*>& hosts() {
  static std::unordered_map<std::uint32_t, UserControl*> table;
  return table;
}

win::LRESULT control_proc(win::HWND hwnd, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  const auto found = hosts().find(hwnd.value);
  if (found == hosts().end()) return win::DefWindowProcA(hwnd, msg, wparam, lparam);
  return found->second->handle_message(msg, wparam, lparam);
}

void register_class() {
  static const bool registered = [] {
    win::WNDCLASSA wc;
    wc.style = win::CS_DBLCLKS;
    wc.lpfnWndProc = control_proc;
    wc.lpszClassName = kClassName;
    return win::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
}

// Mouse arguments: MK_* flags to Button (1 left, 2 right, 4 middle) and Shift
// (1 Shift, 2 Ctrl, 4 Alt).
std::int16_t buttons_of(win::WPARAM wparam) {
  return std::int16_t(((wparam & win::MK_LBUTTON) ? 1 : 0) | ((wparam & win::MK_RBUTTON) ? 2 : 0) |
                      ((wparam & win::MK_MBUTTON) ? 4 : 0));
}
std::int16_t shift_of(win::WPARAM wparam) {
  return std::int16_t(((wparam & win::MK_SHIFT) ? 1 : 0) | ((wparam & win::MK_CONTROL) ? 2 : 0) |
                      (win::key_is_down(win::VK_MENU) ? 4 : 0));
}
std::int16_t key_shift() {
  return std::int16_t((win::key_is_down(win::VK_SHIFT) ? 1 : 0) |
                      (win::key_is_down(win::VK_CONTROL) ? 2 : 0) |
                      (win::key_is_down(win::VK_MENU) ? 4 : 0));
}

}  // namespace

ImageTooLarge::ImageTooLarge(std::int32_t width, std::int32_t height)
    : std::runtime_error("UserControl: an image of " + std::to_string(width) + " x " +
                         std::to_string(height) + " pixels is more than the " +
                         std::to_string(win::kMaxBitmapPixels) +
                         " pixels a control image may have"),
      m_width(width),
      m_height(height) {}

namespace {

// The width of a control image, once the whole image is known to be no
// larger than the platform makes.
std::int32_t checked_width(std::int32_t width, std::int32_t height) {
  const std::int32_t w = std::max(width, 0), h = std::max(height, 0);
  if (std::int64_t(w) * h > win::kMaxBitmapPixels) throw ImageTooLarge(w, h);
  return width;
}

}  // namespace

UserControl::Window::Window(UserControl* host, win::HWND parent, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height) {
  register_class();
  hwnd = win::CreateWindowExA(0, kClassName, "", win::WS_CHILD | win::WS_TABSTOP, x, y, width,
                              height, parent);
  if (!hwnd) throw std::runtime_error("UserControl: the control window could not be created");
  hosts()[hwnd.value] = host;
}

UserControl::Window::~Window() {
  hosts().erase(hwnd.value);
  win::DestroyWindow(hwnd);
}

// The image comes first: when the window cannot be made, the image goes
// with the error.
UserControl::UserControl(win::HWND parent, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height)
    : ImageControlSurface("UserControl", checked_width(width, height), height),
      m_window(this, parent, x, y, width, height),
      m_hwnd(m_window.hwnd) {}

UserControl::~UserControl() = default;

void UserControl::make_image(std::int32_t width, std::int32_t height) {
  m_image.resize(checked_width(width, height), height);
}

void UserControl::SetWindowRgn(win::HRGN region) { win::SetWindowRgn(m_hwnd, region, 1); }

void UserControl::SetMousePointer(std::int16_t pointer) {
  m_mouse_pointer = pointer;
  win::HCURSOR cursor;
  if (pointer == vbCustom) {
    cursor = win::LoadCursorA(win::HMODULE{}, win::IDC_HAND);
  } else if (pointer == vbArrow) {
    cursor = win::LoadCursorA(win::HMODULE{}, win::IDC_ARROW);
  }
  win::set_window_cursor(m_hwnd, cursor);
}

void UserControl::SetTabIndex(int index) { win::SetWindowTabIndex(m_hwnd, index); }

void UserControl::Refresh() {
  const win::HDC window_dc = win::GetDC(m_hwnd);
  win::BitBlt(window_dc, 0, 0, m_image.width(), m_image.height(), m_image.dc(), 0, 0, win::SRCCOPY);
  win::ReleaseDC(m_hwnd, window_dc);
}

template <class Notify>
void UserControl::deliver(const char* what, Notify&& notify) {
  if (!m_events) return;
  try {
    notify(*m_events);
  } catch (const std::exception& e) {
    std::cerr << "control " << what << " notification failed: " << e.what() << "\n";
  } catch (...) {
    std::cerr << "control " << what << " notification failed\n";
  }
}

win::LRESULT UserControl::handle_message(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  float X = float(win::GET_X_LPARAM(lparam));
  float Y = float(win::GET_Y_LPARAM(lparam));
  std::int16_t Shift = shift_of(wparam);
  auto mouse = [&](const char* what, std::int16_t Button, auto handler) {
    deliver(what, [&](ControlEvents& e) { (e.*handler)(Button, Shift, X, Y); });
  };
  switch (msg) {
    case win::WM_PAINT: {
      win::PAINTSTRUCT ps;
      const win::HDC dc = win::BeginPaint(m_hwnd, &ps);
      win::BitBlt(dc, 0, 0, m_image.width(), m_image.height(), m_image.dc(), 0, 0, win::SRCCOPY);
      win::EndPaint(m_hwnd, &ps);
      return 0;
    }
    case win::WM_ERASEBKGND: return 1;
    case win::WM_SIZE: {
      const int width = win::LOWORD(win::DWORD(lparam));
      const int height = win::HIWORD(win::DWORD(lparam));
      if (width != m_image.width() || height != m_image.height()) make_image(width, height);
      deliver("resize", [](ControlEvents& e) { e.OnResize(); });
      return 0;
    }
    case win::WM_SHOWWINDOW:
      if (wparam) deliver("show", [](ControlEvents& e) { e.OnShow(); });
      return 0;
    case win::WM_SETFOCUS:
      deliver("focus gained", [](ControlEvents& e) { e.OnGotFocus(); });
      return 0;
    case win::WM_KILLFOCUS:
      deliver("focus lost", [](ControlEvents& e) { e.OnLostFocus(); });
      return 0;
    case win::WM_KEYDOWN:
    case win::WM_KEYUP: {
      std::int16_t KeyCode = std::int16_t(wparam);
      std::int16_t KeyShift = key_shift();
      if (msg == win::WM_KEYDOWN)
        deliver("key down", [&](ControlEvents& e) { e.OnKeyDown(KeyCode, KeyShift); });
      else deliver("key up", [&](ControlEvents& e) { e.OnKeyUp(KeyCode, KeyShift); });
      return 0;
    }
    case win::WM_LBUTTONDOWN:
      m_left_down = true;
      mouse("mouse down", 1, &ControlEvents::OnMouseDown);
      return 0;
    // Only the left button has a double click: a quick second right or
    // middle press, which the class's double-click style turns into a
    // DBLCLK message, is an ordinary press.
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONDBLCLK: mouse("mouse down", 2, &ControlEvents::OnMouseDown); return 0;
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONDBLCLK: mouse("mouse down", 4, &ControlEvents::OnMouseDown); return 0;
    case win::WM_MOUSEMOVE:
      mouse("mouse move", buttons_of(wparam), &ControlEvents::OnMouseMove);
      return 0;
    case win::WM_LBUTTONUP: {
      // A click is a left press and release both on the control.
      const bool click = m_left_down && X >= 0 && Y >= 0 && X < float(m_image.width()) &&
                         Y < float(m_image.height());
      m_left_down = false;
      mouse("mouse up", 1, &ControlEvents::OnMouseUp);
      if (click) deliver("click", [](ControlEvents& e) { e.OnClick(); });
      return 0;
    }
    case win::WM_RBUTTONUP: mouse("mouse up", 2, &ControlEvents::OnMouseUp); return 0;
    case win::WM_MBUTTONUP: mouse("mouse up", 4, &ControlEvents::OnMouseUp); return 0;
    // The second press of a double click: its release raises no second Click.
    case win::WM_LBUTTONDBLCLK:
      m_left_down = false;
      deliver("double click", [](ControlEvents& e) { e.OnDblClick(); });
      return 0;
    default: return win::DefWindowProcA(m_hwnd, msg, wparam, lparam);
  }
}

}  // namespace forms
