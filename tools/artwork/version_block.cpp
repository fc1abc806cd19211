#include "tools/artwork/version_block.h"

#include <string>
#include <utility>

#include "tools/artwork/canvas.h"

namespace artwork {

namespace {

using Bytes = std::vector<std::uint8_t>;

void pad32(Bytes& out) {
  while (out.size() % 4) out.push_back(0);
}

void put_utf16(Bytes& out, const std::string& text) {
  for (unsigned char ch : text) put_u16(out, ch);
  put_u16(out, 0);
}

// wType 1 for text values, 0 for binary ones. `value_length` counts words
// for text and bytes for binary values, as Windows does.
Bytes node(const std::string& key, std::uint16_t type, const Bytes& value,
           std::uint16_t value_length, const std::vector<Bytes>& children) {
  Bytes out(6, 0);
  put_utf16(out, key);
  pad32(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const Bytes& child : children) {
    pad32(out);
    out.insert(out.end(), child.begin(), child.end());
  }
  out[0] = std::uint8_t(out.size());
  out[1] = std::uint8_t(out.size() >> 8);
  out[2] = std::uint8_t(value_length);
  out[3] = std::uint8_t(value_length >> 8);
  out[4] = std::uint8_t(type);
  out[5] = 0;
  return out;
}

Bytes string_entry(const std::string& key, const std::string& value) {
  Bytes text;
  put_utf16(text, value);
  return node(key, 1, text, std::uint16_t(value.size() + 1), {});
}

Bytes fixed_file_info() {
  Bytes out;
  put_u32(out, 0xFEEF04BD);  // signature
  put_u32(out, 0x00010000);  // structure version 1.0
  put_u32(out, 0x00010000);  // file version 1.0.0.0
  put_u32(out, 0x00000000);
  put_u32(out, 0x00010000);  // product version 1.0.0.0
  put_u32(out, 0x00000000);
  put_u32(out, 0);  // file flags mask
  put_u32(out, 0);  // file flags
  put_u32(out, 4);  // VOS__WINDOWS32
  put_u32(out, 1);  // VFT_APP
  put_u32(out, 0);  // subtype
  put_u32(out, 0);  // date
  put_u32(out, 0);
  return out;
}

}  // namespace

std::vector<std::uint8_t> make_version_block() {
  const std::vector<std::pair<std::string, std::string>> strings = {
      {"ProductName", "brindlecovemediacenter"},
      {"FileVersion", "1.00"},
      {"ProductVersion", "1.00"},
      {"InternalName", "brindlecovemediacenter"},
      {"OriginalFilename", "brindlecovemediacenter.exe"},
  };
  std::vector<Bytes> entries;
  for (const auto& [key, value] : strings) entries.push_back(string_entry(key, value));
  const Bytes table = node("040904B0", 1, {}, 0, entries);
  const Bytes string_info = node("StringFileInfo", 1, {}, 0, {table});

  Bytes translation;
  put_u16(translation, 0x0409);  // U.S. English
  put_u16(translation, 0x04B0);  // code page 1200, Unicode
  const Bytes var = node("Translation", 0, translation, 4, {});
  const Bytes var_info = node("VarFileInfo", 1, {}, 0, {var});

  const Bytes fixed = fixed_file_info();
  return node("VS_VERSION_INFO", 0, fixed, std::uint16_t(fixed.size()), {string_info, var_info});
}

}  // namespace artwork
