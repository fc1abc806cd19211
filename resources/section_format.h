// The layout of the executable's resource section: a small directory of
// Windows resources (icon images, the icon group, the version block), each
// kept in its Windows binary form.
//
//   0   "CANDYRSC"                      8 bytes
//   8   entry count                     u32
//   12  0                               u32
//   16  entries: type, id, offset, size u32 each; offsets from the start
//       data, each resource on a 4-byte boundary
// All numbers little-endian.
#pragma once

#include <cstdint>

namespace resources {

inline constexpr char kSectionMagic[8] = {'C', 'A', 'N', 'D', 'Y', 'R', 'S', 'C'};
inline constexpr std::size_t kSectionHeaderSize = 16;
inline constexpr std::size_t kSectionEntrySize = 16;

inline constexpr std::uint32_t RT_ICON = 3;
inline constexpr std::uint32_t RT_GROUP_ICON = 14;
inline constexpr std::uint32_t RT_VERSION = 16;

}  // namespace resources
