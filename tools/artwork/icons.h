// The program's icon images: a small application window (white body,
// blue-green title bar, grey shadow at its lower right) on a transparent
// background, each stored as an icon resource stores it: a 40-byte info
// header with twice the height, the colour table, the XOR rows and the AND
// mask rows, bottom-up, every row padded to 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

struct IconResource {
  std::uint16_t id = 0;
  int size = 0;
  int bits_per_pixel = 0;
  std::vector<std::uint8_t> bytes;
};

// 30001 (32 x 32, 1 bpp), 30002 (32 x 32, 4 bpp), 30003 (16 x 16, 4 bpp).
std::vector<IconResource> make_icon_resources();

// RT_GROUP_ICON: GRPICONDIR and one GRPICONDIRENTRY per image, naming its id.
std::vector<std::uint8_t> make_icon_group(const std::vector<IconResource>& icons);

// The same images as an ICO file.
std::vector<std::uint8_t> make_ico_file(const std::vector<IconResource>& icons);

}  // namespace artwork
