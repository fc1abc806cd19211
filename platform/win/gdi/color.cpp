#include "platform/win/gdi/color.h"

#include <array>

namespace win {
namespace {

constexpr std::array<COLORREF, 20> kDefaultPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
    0xC0C0C0, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF,
    0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

}  // namespace

COLORREF device_color(COLORREF color) {
  const DWORD kind = color >> 24;
  if (kind & 1) {
    const DWORD index = color & 0xFFFF;
    return index < kDefaultPalette.size() ? kDefaultPalette[index] : 0;
  }
  if (kind == 0x10 && ((color >> 16) & 0xFF) == 0xFF) return 0;
  return color & 0x00FFFFFF;
}

}  // namespace win
