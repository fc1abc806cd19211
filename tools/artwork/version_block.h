// The version block (VS_VERSIONINFO) in the Windows binary layout: nodes of
// { wLength, wValueLength, wType, UTF-16 key, padding, value, padding,
// children }, every key, value and child starting on a 32-bit boundary.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

std::vector<std::uint8_t> make_version_block();

}  // namespace artwork
