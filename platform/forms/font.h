// The GDI font a stored font description stands for.
#pragma once

#include <string>

#include "platform/forms/property_bag.h"
#include "platform/win/kernel/types.h"

namespace forms {

// A new font of the description's face, size in points at 96 × scale pixels
// per inch, weight, styles and character set; 0 when none can be made. The
// caller owns the handle.
win::HFONT create_font(const FontDescription& font, double scale);
// The same at the screen's scale.
win::HFONT create_font(const FontDescription& font);

// Why create_font just gave 0, from the last error: "no font "Tahoma" of
// 9 pt", and when the system ran short, of what, with the system's text.
std::string font_failure(const FontDescription& font);

}  // namespace forms
