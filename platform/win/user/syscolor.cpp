#include "platform/win/user/syscolor.h"

#include <array>

namespace win {
namespace {

constexpr std::array<COLORREF, 31> kStandardScheme = {
    0xC8C8C8,  // scroll bar
    0x808000,  // desktop
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3-D dark shadow
    0xC0C0C0,  // 3-D light
    0x000000,  // tooltip text
    0xE1FFFF,  // tooltip background
    0xB5B5B5,  // alternate button face
    0x800000,  // hot-tracked item
    0xD08410,  // active caption gradient
    0xB5B5B5,  // inactive caption gradient
    0x800000,  // highlighted menu item
    0xC0C0C0,  // menu bar
};

}  // namespace

bool is_sys_color_index(int index) {
  return index >= 0 && index < static_cast<int>(kStandardScheme.size());
}

DWORD GetSysColor(int index) {
  return is_sys_color_index(index) ? kStandardScheme[static_cast<std::size_t>(index)] : 0;
}

}  // namespace win
