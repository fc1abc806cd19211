#include "candybutton/color_schemes.h"

namespace candy {
namespace {

constexpr ColorSchemeColors kSchemes[6] = {
    {0xD06720, 0xE99950, 0xA06710, 0xFFEDB0},  // light blue
    {0xD09060, 0xE06000, 0xA98050, 0xFFFAFA},  // steel blue
    {0x800000, 0xA00000, 0xF00000, 0xFF0000},  // pure blue
    {0x000080, 0x0000A0, 0x0000F0, 0x0000FF},  // pure red
    {0x008000, 0x00A000, 0x00C000, 0x00FF00},  // pure green
    {0x008080, 0x00A0A0, 0x00C0C0, 0x00FFFF},  // olive to yellow
};

}  // namespace

const ColorSchemeColors* FindColorScheme(std::int32_t scheme) {
  if (scheme < 1 || scheme > 6) return nullptr;
  return &kSchemes[scheme - 1];
}

}  // namespace candy
