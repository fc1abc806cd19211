// A real button on a real container, the way a program hosts one: a parent
// window, the user-control host, a container with a chosen BackColor, and a
// CandyButton restored from an empty property bag in run mode. The reference
// that the window-free rendering must match, and the host of the benchmarks.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "candybutton/button_renderer.h"
#include "candybutton/candybutton.h"
#include "include/candybutton/render.h"
#include "platform/forms/user_control.h"
#include "platform/win/gdi/surface.h"

namespace candy::testing {

class WindowedContainer;

class WindowedButton {
 public:
  // The parent window is parent_side pixels square: room for the largest button.
  explicit WindowedButton(win::COLORREF container_color, std::int32_t parent_side = 8200);
  ~WindowedButton();
  WindowedButton(const WindowedButton&) = delete;
  WindowedButton& operator=(const WindowedButton&) = delete;

  CandyButton& button() { return *m_button; }
  forms::UserControl& control() { return *m_control; }

  // The client area as the control's image holds it.
  win::Surface image() const;
  // The window region as a mask: 1 inside; all 1 when the window has none.
  std::vector<std::uint8_t> mask() const;

 private:
  win::HWND m_parent;
  std::unique_ptr<WindowedContainer> m_container;
  std::unique_ptr<forms::UserControl> m_control;
  std::unique_ptr<CandyButton> m_button;
};

// Sets every property of the look one setter at a time, each repainting,
// resizes the window and repaints in the look's state.
void apply_look(WindowedButton& host, const ButtonLook& look);

}  // namespace candy::testing
