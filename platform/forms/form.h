// A form: a borderless top-level window whose position and size are twips,
// with a background colour, a background picture drawn at the top-left
// corner at the screen's scale, and its controls in stored order, reachable by name. Its
// paint draws the background and the windowless controls; its timers tick
// through the window's WM_TIMER; a click on a windowless control goes to it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/scaled_picture.h"
#include "platform/win/ole/picture.h"
#include "platform/win/kernel/types.h"

namespace forms {

class Timer;

// Finds a picture by the name a stored layout gives it; throws when there is
// no such picture.
using PictureSource = std::function<win::PicturePtr(const std::string& name)>;

enum class StartUpPosition { Manual = 0, CenterOwner = 1, CenterScreen = 2, WindowsDefault = 3 };

class Form {
 public:
  // Creates the hidden window: 0 × 0 twips at (0, 0) until sized.
  Form(std::string name, std::string caption);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return m_name; }
  win::HWND hWnd() const { return m_hwnd; }

  const std::string& Caption() const { return m_caption; }
  void set_Caption(std::string caption);
  float Left() const { return m_left; }
  float Top() const { return m_top; }
  float Width() const { return m_width; }
  float Height() const { return m_height; }
  void set_Left(float twips);
  void set_Top(float twips);
  void set_Width(float twips);
  void set_Height(float twips);
  win::OLE_COLOR BackColor() const { return m_back_color; }
  void set_BackColor(win::OLE_COLOR color);
  const win::PicturePtr& Picture() const { return m_picture; }
  void set_Picture(win::PicturePtr picture);
  StartUpPosition start_up_position() const { return m_start_up_position; }
  void set_start_up_position(StartUpPosition position) { m_start_up_position = position; }

  // Shows the window, modeless and without owner. A form that starts centred
  // is centred on the screen when it is first shown.
  void Show();
  bool shown() const { return m_shown; }
  // Paints handled so far.
  std::uint64_t paint_count() const { return m_paint_count; }

  // Controls in creation order.
  Control& add(std::unique_ptr<Control> control);
  const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
  // The control with this name (case-insensitive); throws when there is none.
  Control& control(std::string_view name) const;
  template <class T>
  T& control_as(std::string_view name) const;

  // Repaints the client pixels of the rectangle at the next paint.
  void invalidate(const win::RECT& rect);

  // What a close request from the desktop (WM_CLOSE: Alt+F4, a task bar's
  // Close) does. Unset, the window is destroyed as any window's would be.
  void on_close(std::function<void()> handler) { m_on_close = std::move(handler); }

  // Timers register here to receive their WM_TIMER ticks; the id is theirs.
  unsigned register_timer(Timer& timer);
  void unregister_timer(unsigned id);

 private:
  static win::LRESULT window_procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wparam,
                                       win::LPARAM lparam);
  win::LRESULT handle(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam);
  void paint();
  void resize();
  void mouse_down(win::POINT point);
  void mouse_up(win::POINT point);
  Control* windowless_at(win::POINT point) const;

  std::string m_name;
  std::string m_caption;
  win::HWND m_hwnd;
  float m_left = 0;
  float m_top = 0;
  float m_width = 0;
  float m_height = 0;
  win::OLE_COLOR m_back_color = 0x8000000F;
  win::PicturePtr m_picture;
  ScaledPicture m_scaled_picture;
  StartUpPosition m_start_up_position = StartUpPosition::Manual;
  bool m_shown = false;
  std::vector<std::unique_ptr<Control>> m_controls;
  std::vector<Timer*> m_timers;  // index + 1 is the timer id
  Control* m_pressed = nullptr;
  std::function<void()> m_on_close;
  std::uint64_t m_paint_count = 0;
};

// Reports an error that escaped an event handler as the fatal run-time error
// it is, on stderr, and ends the process with status 1.
[[noreturn]] void fatal_run_time_error(std::string_view where, std::string_view what);

template <class T>
T& Form::control_as(std::string_view name) const {
  Control& found = control(name);
  if (auto* typed = dynamic_cast<T*>(&found)) return *typed;
  throw std::runtime_error("control " + std::string(name) + " of form " + m_name + " is a " +
                           found.kind() + ", not the kind asked for");
}

}  // namespace forms
