// RT_GROUP_ICON: GRPICONDIR (reserved 0, type 1, count) followed by 14-byte
// GRPICONDIRENTRY records that name each image by its resource id.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/resource_section.h"

namespace resources {

struct GroupIconEntry {
  int width = 0;  // 0 in the record means 256
  int height = 0;
  int color_count = 0;
  int planes = 0;
  int bit_count = 0;
  std::uint32_t bytes_in_res = 0;
  std::uint16_t id = 0;
};

// Throws ResourceError when the group is damaged.
std::vector<GroupIconEntry> parse_icon_group(Bytes group);

}  // namespace resources
