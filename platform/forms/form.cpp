#include "platform/forms/form.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/forms/color.h"
#include "platform/forms/names.h"
#include "platform/forms/surface_drawing.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/system_metrics.h"
#include "platform/win/user/window.h"

namespace forms {

namespace {

constexpr const char* kFormClass = "forms.Form";

}  // namespace

void fatal_run_time_error(std::string_view where, std::string_view what) {
  std::fprintf(stderr, "brindlecovemediacenter: run-time error in %.*s: %.*s\n",
               static_cast<int>(where.size()), where.data(), static_cast<int>(what.size()),
               what.data());
  std::fflush(nullptr);
  std::_Exit(1);
}

Form::Form(std::string name, std::string caption)
    : m_name(std::move(name)), m_caption(std::move(caption)) {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = &Form::window_procedure;
  wc.lpszClassName = kFormClass;
  wc.background = 0xFFFFFF;
  win::RegisterClassA(&wc);  // fails harmlessly once the class exists
  m_hwnd =
      win::CreateWindowExA(0, kFormClass, m_caption.c_str(), win::WS_POPUP | win::WS_CLIPCHILDREN,
                           0, 0, 0, 0, win::HWND{}, this);
  if (!m_hwnd) throw std::runtime_error("cannot create the window of form " + m_name);
}

Form::~Form() {
  m_pressed = nullptr;
  while (!m_controls.empty())
    m_controls.pop_back();  // later controls first, as they were created last
  win::DestroyWindow(m_hwnd);
}

void Form::set_Caption(std::string caption) {
  m_caption = std::move(caption);
  win::SetWindowTextA(m_hwnd, m_caption.c_str());
}

void Form::resize() {
  win::MoveWindow(m_hwnd, twips_to_pixels(m_left), twips_to_pixels(m_top), twips_to_pixels(m_width),
                  twips_to_pixels(m_height), 1);
}

void Form::set_Left(float twips) {
  m_left = twips;
  resize();
}
void Form::set_Top(float twips) {
  m_top = twips;
  resize();
}
void Form::set_Width(float twips) {
  m_width = twips;
  resize();
}
void Form::set_Height(float twips) {
  m_height = twips;
  resize();
}

void Form::set_BackColor(win::OLE_COLOR color) {
  m_back_color = color;
  win::InvalidateRect(m_hwnd, nullptr, 1);
}

void Form::set_Picture(win::PicturePtr picture) {
  m_picture = std::move(picture);
  win::InvalidateRect(m_hwnd, nullptr, 1);
}

void Form::Show() {
  if (!m_shown && m_start_up_position == StartUpPosition::CenterScreen) {
    // Centred in twips, as the size is: the pixel position follows from it.
    const float screen_width =
        static_cast<float>(win::GetSystemMetrics(win::SM_CXSCREEN)) * twips_per_pixel();
    const float screen_height =
        static_cast<float>(win::GetSystemMetrics(win::SM_CYSCREEN)) * twips_per_pixel();
    m_left = std::floor((screen_width - m_width) / 2);
    m_top = std::floor((screen_height - m_height) / 2);
    resize();
  }
  m_shown = true;
  win::ShowWindow(m_hwnd, win::SW_SHOW);
}

Control& Form::add(std::unique_ptr<Control> control) {
  for (const auto& existing : m_controls) {
    if (same_name(existing->Name(), control->Name()))
      throw std::runtime_error("form " + m_name + " already has a control named " +
                               control->Name());
  }
  m_controls.push_back(std::move(control));
  Control& added = *m_controls.back();
  if (added.Visible() && !added.hWnd()) invalidate(added.pixel_rect());
  return added;
}

Control& Form::control(std::string_view name) const {
  for (const auto& control : m_controls) {
    if (same_name(control->Name(), name)) return *control;
  }
  throw std::runtime_error("form " + m_name + " has no control named " + std::string(name));
}

void Form::invalidate(const win::RECT& rect) { win::InvalidateRect(m_hwnd, &rect, 1); }

unsigned Form::register_timer(Timer& timer) {
  m_timers.push_back(&timer);
  return static_cast<unsigned>(m_timers.size());
}

void Form::unregister_timer(unsigned id) {
  if (id >= 1 && id <= m_timers.size()) m_timers[id - 1] = nullptr;
}

win::LRESULT Form::window_procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wparam,
                                    win::LPARAM lparam) {
  auto* form = static_cast<Form*>(win::GetWindowCreateParam(hwnd));
  if (!form || !form->m_hwnd) return win::DefWindowProcA(hwnd, msg, wparam, lparam);
  try {
    return form->handle(msg, wparam, lparam);
  } catch (const std::exception& e) {
    fatal_run_time_error(form->m_name, e.what());
  } catch (...) {
    fatal_run_time_error(form->m_name, "an error of unknown kind");
  }
}

win::LRESULT Form::handle(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  const win::POINT point{win::GET_X_LPARAM(lparam), win::GET_Y_LPARAM(lparam)};
  switch (msg) {
    case win::WM_PAINT: paint(); return 0;
    case win::WM_ERASEBKGND: return 1;  // the paint covers everything
    case win::WM_TIMER: {
      const auto id = static_cast<std::size_t>(wparam);
      if (id >= 1 && id <= m_timers.size() && m_timers[id - 1]) m_timers[id - 1]->tick();
      return 0;
    }
    case win::WM_CLOSE:
      if (!m_on_close) return win::DefWindowProcA(m_hwnd, msg, wparam, lparam);
      m_on_close();
      return 0;
    case win::WM_LBUTTONDOWN: mouse_down(point); return 0;
    case win::WM_LBUTTONUP: mouse_up(point); return 0;
    default: return win::DefWindowProcA(m_hwnd, msg, wparam, lparam);
  }
}

void Form::paint() {
  win::PAINTSTRUCT ps;
  const win::HDC dc = win::BeginPaint(m_hwnd, &ps);
  win::RECT client;
  win::GetClientRect(m_hwnd, &client);
  const win::HBRUSH brush = win::CreateSolidBrush(translate_color(m_back_color));
  win::FillRect(dc, &client, brush);
  win::DeleteObject(brush);
  m_scaled_picture.draw(dc, m_picture, 0, 0);
  for (const auto& control : m_controls) {
    if (control->Visible() && !control->hWnd()) control->paint(dc);
  }
  win::EndPaint(m_hwnd, &ps);
  ++m_paint_count;
}

Control* Form::windowless_at(win::POINT point) const {
  win::RECT client;
  win::GetClientRect(m_hwnd, &client);
  if (!win::PtInRect(&client, point))
    return nullptr;  // a control's rectangle is clipped by the form
  for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
    Control& control = **it;
    if (control.Visible() && !control.hWnd() && control.hit_test(point)) return &control;
  }
  return nullptr;
}

void Form::mouse_down(win::POINT point) { m_pressed = windowless_at(point); }

void Form::mouse_up(win::POINT point) {
  Control* pressed = m_pressed;
  m_pressed = nullptr;
  if (pressed && windowless_at(point) == pressed) pressed->click();
}

}  // namespace forms
