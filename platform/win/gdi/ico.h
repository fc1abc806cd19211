// Windows icons. An ICO file is a directory (ICONDIR: reserved 0, type 1,
// count) of 16-byte entries, each pointing at one image. An image, in a file
// or as an icon resource, is a DIB whose header gives twice the icon's
// height: the colour (XOR) rows come first, then the 1-bit AND mask rows,
// both bottom-up, each row padded to 4 bytes. A set mask bit is transparent.
#pragma once

#include <string>
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

// The most pixels an ICO file may decode to, all its images together: a
// directory may list one image many times, and a few hundred entries must
// not take gigabytes.
inline constexpr std::size_t kMaxIcoPixels = std::size_t(1) << 24;

// One directory entry, checked against its image's header but not decoded.
struct IcoEntry {
  ByteSpan dib;
  std::string where;  // "ICO image 3", for errors
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bits_per_pixel = 0;
};

// The directory of an ICO file. Throws ImageFormatError for a damaged
// directory, an entry that disagrees with its image, or images of more than
// kMaxIcoPixels together.
std::vector<IcoEntry> read_ico_directory(ByteSpan bytes);

// Every image of an ICO file, in directory order.
std::vector<IconImage> decode_ico(ByteSpan bytes);

// Only the image an icon of the given size is best shown with (see
// best_icon_image); the other entries are checked but not decoded.
IconImage decode_best_ico_image(ByteSpan bytes, std::int32_t size);

// The index of the image an icon of the given size is best shown with: the
// exact size with the most colours, else the largest image.
std::size_t best_icon_image(const std::vector<IconImage>& images, std::int32_t size);
std::size_t best_icon_image(const std::vector<IcoEntry>& entries, std::int32_t size);

}  // namespace win
