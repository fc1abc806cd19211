// The GDI font a stored font description stands for.
#pragma once

#include "platform/forms/property_bag.h"
#include "platform/win/kernel/types.h"

namespace forms {

// A new font of the description's face, size in points, weight, styles and
// character set; 0 when none can be made. The caller owns the handle.
// Running out of memory or file descriptors is no missing font: it throws
// std::system_error naming the font, with the system's reason.
win::HFONT create_font(const FontDescription& font);

}  // namespace forms
