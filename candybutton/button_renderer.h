// The friend of CandyButton that paints it on demand: in a chosen state, as a
// repaint by the control itself would, and a whole look at once with the
// repaints of the single setters held back. Used by the rendering API, and by
// tests and benchmarks that drive a hosted button.
#pragma once

#include <cstdint>

#include "candybutton/candybutton.h"
#include "include/candybutton/render.h"

namespace candy {

class CandyButtonRenderer {
 public:
  static void Redraw(CandyButton& button, std::int32_t state) { button.Redraw(state); }
  static void UpdateButtonRegion(CandyButton& button) { button.UpdateButtonRegion(); }
  // Every property of the look through the public setters, then the shape
  // for the surface's size and one repaint in the look's state.
  static void apply(CandyButton& button, const ButtonLook& look, win::PicturePtr picture);
};

}  // namespace candy
