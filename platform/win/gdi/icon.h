// An icon object: colour pixels plus the AND mask that makes parts of it
// transparent.
#pragma once

#include <vector>

#include "platform/win/kernel/handles.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace win {

struct Icon : Object {
  Surface color;                  // the XOR image, as colours
  std::vector<bool> transparent;  // AND mask: true where the background shows, row-major
  bool is_transparent(std::int32_t x, std::int32_t y) const {
    return transparent[static_cast<std::size_t>(y) * static_cast<std::size_t>(color.width) +
                       static_cast<std::size_t>(x)];
  }
};

Icon* icon_from_handle(HICON icon);
HICON make_icon_handle(Surface color, std::vector<bool> transparent);
BOOL DestroyIcon(HICON icon);

}  // namespace win
