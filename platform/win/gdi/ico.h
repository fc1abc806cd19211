// Windows icons. An ICO file is a directory (ICONDIR: reserved 0, type 1,
// count) of 16-byte entries, each pointing at one image. An image, in a file
// or as an icon resource, is a DIB whose header gives twice the icon's
// height: the colour (XOR) rows come first, then the 1-bit AND mask rows,
// both bottom-up, each row padded to 4 bytes. A set mask bit is transparent.
#pragma once

#include <vector>

#include "platform/win/gdi/dib.h"

namespace win {

struct IconImage {
  Surface color;
  std::vector<bool> transparent;  // row-major, true where the background shows
  int bits_per_pixel = 0;
};

// One image as an icon resource stores it: header, colour table, XOR, AND.
IconImage decode_icon_image(ByteSpan dib, const std::string& context = "icon image");

// Every image of an ICO file, in directory order.
std::vector<IconImage> decode_ico(ByteSpan bytes);

// The index of the image an icon of the given size is best shown with: the
// exact size with the most colours, else the largest image.
std::size_t best_icon_image(const std::vector<IconImage>& images, std::int32_t size);

}  // namespace win
