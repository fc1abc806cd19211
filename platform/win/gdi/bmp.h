// Windows BMP files: a 14-byte file header ("BM", file size, pixel data
// offset) followed by a device-independent bitmap. 1, 4, 8, 24 and 32 bits
// per pixel, uncompressed, bottom-up or top-down.
#pragma once

#include "platform/win/gdi/dib.h"

namespace win {

// Throws ImageFormatError naming the problem for anything it can't read.
DibImage decode_bmp(ByteSpan bytes);

}  // namespace win
