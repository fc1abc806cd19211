// The executable's resource section (see section_format.h): the icon images,
// the icon group and the version block, as Windows stores them.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "resources/section_format.h"

namespace resources {

using Bytes = std::span<const unsigned char>;

class ResourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ResourceEntry {
  std::uint32_t type = 0;
  std::uint32_t id = 0;
  Bytes bytes;
};

// The directory of a section's bytes; throws ResourceError when damaged.
std::vector<ResourceEntry> parse_section(Bytes section);
// One resource of the section; throws ResourceError naming type and id when absent.
Bytes find_resource(Bytes section, std::uint32_t type, std::uint32_t id);

// This program's section, as embedded.
Bytes resource_section();
// RT_GROUP_ICON 1, RT_VERSION 1 and the RT_ICON images of this program.
Bytes icon_group();
Bytes version_block();
Bytes icon_image(std::uint32_t id);

}  // namespace resources
