// Reading a version block (VS_VERSIONINFO) in the Windows binary layout:
// nodes of { wLength, wValueLength, wType, UTF-16 key, padding, value,
// padding, children }, each key, value and child on a 32-bit boundary.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource_section.h"

namespace resources {

struct VersionNode {
  std::string key;
  std::uint16_t type = 0;          // 1 text, 0 binary
  std::uint16_t value_length = 0;  // words for text, bytes for binary
  Bytes value;
  std::vector<VersionNode> children;
};

struct FixedFileInfo {
  std::uint32_t signature = 0;
  std::uint32_t struct_version = 0;
  std::uint32_t file_version_ms = 0, file_version_ls = 0;
  std::uint32_t product_version_ms = 0, product_version_ls = 0;
  std::uint32_t flags_mask = 0, flags = 0;
  std::uint32_t os = 0, type = 0, subtype = 0;
  std::uint32_t date_ms = 0, date_ls = 0;
};

struct StringTable {
  std::string name;  // language and code page, e.g. "040904B0"
  std::vector<std::pair<std::string, std::string>> strings;
};

struct VersionInfo {
  FixedFileInfo fixed;
  std::vector<StringTable> string_tables;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;  // language, code page
};

// Both throw ResourceError naming what is damaged.
VersionNode parse_version_node(Bytes bytes);
VersionInfo parse_version_info(Bytes block);

}  // namespace resources
