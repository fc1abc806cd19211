#include "platform/win/kernel/excerpt.h"

namespace win {

std::string printable_excerpt(std::string_view text, std::size_t limit) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string_view shown = text.substr(0, limit);
  std::string out;
  out.reserve(shown.size() + 32);
  for (const char c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  if (shown.size() < text.size()) out += "... (" + std::to_string(text.size()) + " bytes in all)";
  return out;
}

}  // namespace win
