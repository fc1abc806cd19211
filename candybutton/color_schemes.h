// The six built-in colour schemes of the shaded styles. A scheme sets the four
// face colours at once; 0 (and any value outside 1..6) means "no scheme".
#pragma once

#include <cstdint>

#include "platform/win/kernel/types.h"

namespace candy {

struct ColorSchemeColors {
  win::OLE_COLOR ColorButtonUp;     // resting and focused face
  win::OLE_COLOR ColorButtonHover;  // face under the mouse
  win::OLE_COLOR ColorButtonDown;   // pressed and checked face
  win::OLE_COLOR ColorBright;       // centre of the glow
};

// The colours of scheme 1..6, or null for any other value. The setter applies
// them in the field order above.
const ColorSchemeColors* FindColorScheme(std::int32_t scheme);

}  // namespace candy
