// Files embedded into the program at build time by candy_embed(<target>
// <symbol> <file>), looked up by their symbol.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

// The bytes of the file embedded under `symbol` (e.g. "background_bmp");
// throws std::out_of_range for an unknown symbol.
std::span<const unsigned char> embedded(std::string_view symbol);

// Every embedded symbol, in the order they were embedded.
std::vector<std::string_view> embedded_names();

}  // namespace resources
