// Reads one named section out of an ELF64 executable file, so that a tool
// (or a test) can find the resource section of a built program.
#pragma once

#include <string>
#include <vector>

namespace resources {

// The section's bytes; throws ResourceError when the file can't be read,
// is not a 64-bit little-endian ELF file, or has no such section.
std::vector<unsigned char> read_elf_section(const std::string& path, const std::string& name);

}  // namespace resources
