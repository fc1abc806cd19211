// A stored layout as read from its text: the form's block with its typed
// properties, its controls' blocks in stored order, and a control's property
// bag where it has one. Every value remembers its line for error messages.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/property_bag.h"

namespace forms {

// Malformed or unusable stored layout: names the line, the key (or the
// block) and what was expected.
class LayoutError : public std::runtime_error {
 public:
  LayoutError(int line, std::string_view key, std::string_view problem);
  int line() const { return m_line; }
  const std::string& key() const { return m_key; }

 private:
  int m_line;
  std::string m_key;
};

struct LayoutProperty {
  std::string key;
  Value value;
  int line = 0;
};

struct LayoutBlock {
  std::string kind;
  std::string name;
  int line = 0;      // the Begin line
  int end_line = 0;  // the End line
  std::vector<LayoutProperty> properties;
  std::optional<PropertyBag> bag;
  std::vector<std::pair<std::string, int>> bag_lines;  // each bag key's line
  std::vector<LayoutBlock> children;

  const LayoutProperty* find(std::string_view key) const;  // case-insensitive
  // The line of a bag key, or the block's line when the bag has no such key.
  int bag_line_of(std::string_view key) const;

  // The value converted to the type, or a LayoutError naming the key: a
  // missing key, or a value of a type that does not convert.
  Value require(std::string_view key, ValueType type) const;
  // Like require, but the key may be absent.
  std::optional<Value> optional(std::string_view key, ValueType type) const;
};

}  // namespace forms
