#include "resources/resource_section.h"

#include <algorithm>
#include <string>

#include "resources/embedded.h"

namespace resources {

namespace {

std::uint32_t u32_at(Bytes bytes, std::size_t offset) {
  return std::uint32_t(bytes[offset]) | (std::uint32_t(bytes[offset + 1]) << 8) |
         (std::uint32_t(bytes[offset + 2]) << 16) | (std::uint32_t(bytes[offset + 3]) << 24);
}

}  // namespace

std::vector<ResourceEntry> parse_section(Bytes section) {
  if (section.size() < kSectionHeaderSize ||
      !std::equal(kSectionMagic, kSectionMagic + 8, section.begin()))
    throw ResourceError("resource section: bad magic");
  const std::size_t count = u32_at(section, 8);
  if (count > (section.size() - kSectionHeaderSize) / kSectionEntrySize)
    throw ResourceError("resource section: " + std::to_string(count) + " entries do not fit");
  std::vector<ResourceEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kSectionHeaderSize + i * kSectionEntrySize;
    const std::uint32_t offset = u32_at(section, at + 8), size = u32_at(section, at + 12);
    if (offset > section.size() || size > section.size() - offset)
      throw ResourceError("resource section: entry " + std::to_string(i + 1) +
                          " lies past the end");
    entries.push_back(
        {u32_at(section, at), u32_at(section, at + 4), section.subspan(offset, size)});
  }
  return entries;
}

Bytes find_resource(Bytes section, std::uint32_t type, std::uint32_t id) {
  for (const ResourceEntry& entry : parse_section(section))
    if (entry.type == type && entry.id == id) return entry.bytes;
  throw ResourceError("no resource of type " + std::to_string(type) + " with id " +
                      std::to_string(id));
}

Bytes resource_section() { return embedded("rsrc"); }
Bytes icon_group() { return find_resource(resource_section(), RT_GROUP_ICON, 1); }
Bytes version_block() { return find_resource(resource_section(), RT_VERSION, 1); }
Bytes icon_image(std::uint32_t id) { return find_resource(resource_section(), RT_ICON, id); }

}  // namespace resources
