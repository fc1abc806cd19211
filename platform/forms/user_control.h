// The host of a windowed control: a child window with its own procedure and
// a persistent image (a memory bitmap of the client size) that all drawing
// goes to and that the window shows whenever it paints. Window messages are
// translated into the control's notifications; a notification that throws is
// caught at the window procedure and reported on stderr.
//
// Its own stored design: white background, "Tahoma" 9 pt weight 400, pixels.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "platform/forms/control_events.h"
#include "platform/forms/image_surfaces.h"
#include "platform/win/kernel/types.h"

namespace forms {

// The control's size asks for an image larger than the platform makes.
class ImageTooLarge : public std::runtime_error {
 public:
  ImageTooLarge(std::int32_t width, std::int32_t height);
  std::int32_t width() const { return m_width; }
  std::int32_t height() const { return m_height; }

 private:
  std::int32_t m_width;
  std::int32_t m_height;
};

class UserControl final : public ImageControlSurface {
 public:
  // The control's design size in pixels (1830 x 1335 twips).
  static constexpr std::int32_t kDesignWidth = 122;
  static constexpr std::int32_t kDesignHeight = 89;

  // Creates the child window, hidden, at (x, y) in the parent's client area.
  // Throws when the window or its image cannot be made (ImageTooLarge past
  // the largest image), leaving nothing behind.
  UserControl(win::HWND parent, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height);
  ~UserControl() override;
  UserControl(const UserControl&) = delete;
  UserControl& operator=(const UserControl&) = delete;

  // The control's place in the Tab order of its form.
  void SetTabIndex(int index);

  // Where the notifications go; null drops them.
  void set_events(ControlEvents* events) { m_events = events; }

  win::HWND hWnd() const override { return m_hwnd; }
  void SetWindowRgn(win::HRGN region) override;
  std::int16_t MousePointer() const override { return m_mouse_pointer; }
  // 99 shows the hand over the whole window, 1 the arrow, 0 the default.
  void SetMousePointer(std::int16_t pointer) override;
  void Refresh() override;

  // The window procedure's work, for one message of this control's window.
  win::LRESULT handle_message(win::UINT msg, win::WPARAM wparam, win::LPARAM lparam);

 private:
  void make_image(std::int32_t width, std::int32_t height);
  template <class Notify>
  void deliver(const char* what, Notify&& notify);

  // The window, with its entry in the platform's table of hosts.
  struct Window {
    Window(UserControl* host, win::HWND parent, std::int32_t x, std::int32_t y, std::int32_t width,
           std::int32_t height);
    ~Window();
    win::HWND hwnd;
  };
  Window m_window;
  win::HWND m_hwnd;
  std::int16_t m_mouse_pointer = 0;
  bool m_left_down = false;
  ControlEvents* m_events = nullptr;
};

}  // namespace forms
