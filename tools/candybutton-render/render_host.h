// A real button on a real container, for drawing it once: a parent window, the
// user-control host, a container with a chosen BackColor, and a CandyButton
// restored from an empty property bag in run mode.
#pragma once

#include <memory>

#include "candybutton/candybutton.h"
#include "platform/forms/user_control.h"
#include "platform/win/gdi/surface.h"
#include "tools/candybutton-render/options.h"

namespace candy {

// Reaches the button's own repaint and region rebuild.
class CandyButtonRenderer {
 public:
  static void Redraw(CandyButton& button, std::int32_t state) { button.Redraw(state); }
  static void UpdateButtonRegion(CandyButton& button) { button.UpdateButtonRegion(); }
};

}  // namespace candy

namespace render {

class RenderContainer;

class RenderHost {
 public:
  // `largest` is the largest button the container window holds.
  explicit RenderHost(win::COLORREF container_color, win::SIZE largest = {8200, 8200});
  ~RenderHost();
  RenderHost(const RenderHost&) = delete;
  RenderHost& operator=(const RenderHost&) = delete;

  candy::CandyButton& button() { return *m_button; }
  forms::UserControl& control() { return *m_control; }

  // The client area as the control's image holds it.
  win::Surface image() const;
  // The window region as a mask: 1 inside; all 1 when the window has none.
  std::vector<std::uint8_t> mask() const;

 private:
  win::HWND m_parent;
  std::unique_ptr<RenderContainer> m_container;
  std::unique_ptr<forms::UserControl> m_control;
  std::unique_ptr<candy::CandyButton> m_button;
};

// Applies every option through the button's public properties, resizes it
// and repaints it in the requested state. Throws when a picture cannot load.
void render_button(RenderHost& host, const RenderOptions& options);

}  // namespace render
