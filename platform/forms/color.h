#pragma once

#include "platform/win/kernel/types.h"

namespace forms {

// An OLE colour as a plain colour: system colours translated, a colour that
// names nothing as black.
win::COLORREF translate_color(win::OLE_COLOR color);

}  // namespace forms
