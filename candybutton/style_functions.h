// The shape and face operations the control hands its work to: one painter
// per style family and the window-region rebuild. The control owns the table,
// so a host (or a test) can put its own operations in.
#pragma once

#include <cstdint>
#include <functional>

#include "candybutton/painters/painter_context.h"

namespace candy {

struct StyleFunctions {
  using Painter = std::function<void(PainterContext&, const std::int32_t&)>;
  Painter push_button;  // style 0
  Painter tool_button;  // style 1
  Painter rounded;      // styles 2, 3, 4, 5 and 7
  Painter pixel;        // style 6
  // Rebuilds the window region for the current style and size.
  std::function<void(PainterContext&)> update_button_region;
};

}  // namespace candy
