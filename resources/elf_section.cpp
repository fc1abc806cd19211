#include "resources/elf_section.h"

#include <cstdint>
#include <cstring>
#include <fstream>

#include "resources/resource_section.h"

namespace resources {

namespace {

template <class T>
T read_at(const std::vector<unsigned char>& file, std::uint64_t offset, const std::string& path) {
  if (offset > file.size() || sizeof(T) > file.size() - offset)
    throw ResourceError(path + ": truncated ELF file");
  T value;
  std::memcpy(&value, file.data() + offset, sizeof(T));
  return value;
}

}  // namespace

std::vector<unsigned char> read_elf_section(const std::string& path, const std::string& name) {
  std::ifstream stream(path, std::ios::binary | std::ios::ate);
  if (!stream) throw ResourceError("cannot open " + path);
  std::vector<unsigned char> file(static_cast<std::size_t>(stream.tellg()));
  stream.seekg(0);
  if (!stream.read(reinterpret_cast<char*>(file.data()), std::streamsize(file.size())))
    throw ResourceError("cannot read " + path);
  if (file.size() < 64 ||
      std::memcmp(file.data(),
                  "\x7f"
                  "ELF",
                  4) != 0 ||
      file[4] != 2 || file[5] != 1)
    throw ResourceError(path + ": not a 64-bit little-endian ELF file");
  // Host byte order is little-endian here, so the fields are copied as they are.
  const auto section_headers = read_at<std::uint64_t>(file, 0x28, path);
  const auto entry_size = read_at<std::uint16_t>(file, 0x3A, path);
  const auto count = read_at<std::uint16_t>(file, 0x3C, path);
  const auto names_index = read_at<std::uint16_t>(file, 0x3E, path);
  if (entry_size < 64 || names_index >= count)
    throw ResourceError(path + ": bad section header table");
  const auto header = [&](std::uint64_t index) { return section_headers + index * entry_size; };
  const auto names_offset = read_at<std::uint64_t>(file, header(names_index) + 0x18, path);
  const auto names_size = read_at<std::uint64_t>(file, header(names_index) + 0x20, path);
  for (std::uint64_t i = 0; i < count; ++i) {
    const auto name_at = read_at<std::uint32_t>(file, header(i), path);
    if (name_at >= names_size) continue;
    std::string section_name;
    for (std::uint64_t at = names_offset + name_at; at < file.size() && file[at]; ++at)
      section_name.push_back(char(file[at]));
    if (section_name != name) continue;
    const auto offset = read_at<std::uint64_t>(file, header(i) + 0x18, path);
    const auto size = read_at<std::uint64_t>(file, header(i) + 0x20, path);
    if (offset > file.size() || size > file.size() - offset)
      throw ResourceError(path + ": section " + name + " lies past the end");
    return {file.begin() + std::ptrdiff_t(offset), file.begin() + std::ptrdiff_t(offset + size)};
  }
  throw ResourceError(path + ": no section " + name);
}

}  // namespace resources
