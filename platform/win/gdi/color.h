// What a COLORREF comes to on a 32-bit surface. The top byte says how the
// low bytes are read: with its lowest bit set they are an index into the
// default 20-entry palette (an index past its end gives black); 0x10 with
// 0xFF in the next byte is a DIB colour-table index, and 32-bit surfaces have
// no table, so it gives black; any other top byte is ignored and the low 24
// bits are the colour.
#pragma once

#include "platform/win/kernel/types.h"

namespace win {

COLORREF device_color(COLORREF color);

}  // namespace win
