#include "resources/icon_group.h"

#include <string>

namespace resources {

std::vector<GroupIconEntry> parse_icon_group(Bytes group) {
  const auto u16 = [&](std::size_t at) { return std::uint16_t(group[at] | (group[at + 1] << 8)); };
  if (group.size() < 6 || u16(0) != 0 || u16(2) != 1) throw ResourceError("icon group: bad header");
  const std::size_t count = u16(4);
  if (group.size() != 6 + 14 * count)
    throw ResourceError("icon group: " + std::to_string(group.size()) + " bytes for " +
                        std::to_string(count) + " entries");
  std::vector<GroupIconEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + 14 * i;
    GroupIconEntry e;
    e.width = group[at] ? group[at] : 256;
    e.height = group[at + 1] ? group[at + 1] : 256;
    e.color_count = group[at + 2];
    e.planes = u16(at + 4);
    e.bit_count = u16(at + 6);
    e.bytes_in_res = std::uint32_t(u16(at + 8)) | (std::uint32_t(u16(at + 10)) << 16);
    e.id = u16(at + 12);
    entries.push_back(e);
  }
  return entries;
}

}  // namespace resources
