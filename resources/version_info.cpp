#include "resources/version_info.h"

namespace resources {

namespace {

std::uint16_t u16_at(Bytes bytes, std::size_t at) {
  return std::uint16_t(bytes[at] | (bytes[at + 1] << 8));
}
std::uint32_t u32_at(Bytes bytes, std::size_t at) {
  return u16_at(bytes, at) | (std::uint32_t(u16_at(bytes, at + 2)) << 16);
}
std::size_t align4(std::size_t n) { return (n + 3) / 4 * 4; }

// The ASCII text of UTF-16 code units, up to the first NUL.
std::string narrow(Bytes utf16) {
  std::string text;
  for (std::size_t at = 0; at + 1 < utf16.size(); at += 2) {
    const std::uint16_t unit = u16_at(utf16, at);
    if (unit == 0) break;
    text.push_back(unit < 0x80 ? char(unit) : '?');
  }
  return text;
}

FixedFileInfo parse_fixed(Bytes value) {
  if (value.size() != 52)
    throw ResourceError("version block: VS_FIXEDFILEINFO is " + std::to_string(value.size()) +
                        " bytes, not 52");
  FixedFileInfo f;
  std::uint32_t* fields[] = {&f.signature,
                             &f.struct_version,
                             &f.file_version_ms,
                             &f.file_version_ls,
                             &f.product_version_ms,
                             &f.product_version_ls,
                             &f.flags_mask,
                             &f.flags,
                             &f.os,
                             &f.type,
                             &f.subtype,
                             &f.date_ms,
                             &f.date_ls};
  for (std::size_t i = 0; i < std::size(fields); ++i) *fields[i] = u32_at(value, 4 * i);
  if (f.signature != 0xFEEF04BD)
    throw ResourceError("version block: bad VS_FIXEDFILEINFO signature");
  return f;
}

// A version block nests four deep (root, StringFileInfo, table, string);
// the bound keeps a hostile block from recursing thousands of levels.
constexpr int kMaxDepth = 16;

VersionNode parse_node(Bytes bytes, int depth) {
  if (depth > kMaxDepth)
    throw ResourceError("version block: nodes nest deeper than " + std::to_string(kMaxDepth) +
                        " levels");
  if (bytes.size() < 6) throw ResourceError("version block: truncated node header");
  const std::size_t length = u16_at(bytes, 0);
  if (length < 6 || length > bytes.size())
    throw ResourceError("version block: node length " + std::to_string(length) + " does not fit " +
                        std::to_string(bytes.size()) + " bytes");
  bytes = bytes.first(length);
  VersionNode node;
  node.value_length = u16_at(bytes, 2);
  node.type = u16_at(bytes, 4);
  std::size_t at = 6;
  while (true) {
    if (at + 2 > length) throw ResourceError("version block: unterminated key");
    if (u16_at(bytes, at) == 0) break;
    at += 2;
  }
  node.key = narrow(bytes.subspan(6, at - 6));
  at = align4(at + 2);
  const std::size_t value_size =
      node.type == 1 ? 2 * std::size_t(node.value_length) : node.value_length;
  if (at > length || value_size > length - at) {
    // A key with no value may end right after its key's padding.
    if (value_size != 0)
      throw ResourceError("version block: value of \"" + node.key + "\" lies past its node");
    return node;
  }
  node.value = bytes.subspan(at, value_size);
  at = align4(at + value_size);
  while (at < length) {
    VersionNode child = parse_node(bytes.subspan(at), depth + 1);
    at = align4(at + u16_at(bytes, at));
    node.children.push_back(std::move(child));
  }
  return node;
}

}  // namespace

VersionNode parse_version_node(Bytes bytes) { return parse_node(bytes, 1); }

VersionInfo parse_version_info(Bytes block) {
  const VersionNode root = parse_version_node(block);
  if (root.key != "VS_VERSION_INFO")
    throw ResourceError("version block: root key is \"" + root.key + "\"");
  VersionInfo info;
  info.fixed = parse_fixed(root.value);
  for (const VersionNode& child : root.children) {
    if (child.key == "StringFileInfo") {
      for (const VersionNode& table : child.children) {
        StringTable strings{table.key, {}};
        for (const VersionNode& entry : table.children)
          strings.strings.emplace_back(entry.key, narrow(entry.value));
        info.string_tables.push_back(std::move(strings));
      }
    } else if (child.key == "VarFileInfo") {
      for (const VersionNode& var : child.children)
        if (var.key == "Translation")
          for (std::size_t at = 0; at + 4 <= var.value.size(); at += 4)
            info.translations.emplace_back(u16_at(var.value, at), u16_at(var.value, at + 2));
    } else {
      throw ResourceError("version block: unexpected node \"" + child.key + "\"");
    }
  }
  return info;
}

}  // namespace resources
