// From the command line to the rendering API: the button's look, with the
// picture file read into memory, and the size warning for large renders.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "include/candybutton/render.h"
#include "tools/candybutton-render/options.h"

namespace render {

// Throws naming the picture file when it cannot be read.
candy::ButtonLook look_of(const RenderOptions& options);

// Renders above this many pixels (2048 x 2048) get a warning.
inline constexpr std::int64_t kLargeRenderPixels = std::int64_t(2048) * 2048;

// The warning for a render of this size, or nothing when it is not large:
// the memory it takes, and that the shaded styles take long at that size.
std::optional<std::string> large_render_warning(const candy::ButtonLook& look);

}  // namespace render
