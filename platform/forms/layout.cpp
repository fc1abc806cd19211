#include "platform/forms/layout.h"

#include "platform/forms/names.h"
#include "platform/forms/value_conversion.h"
#include "platform/win/kernel/excerpt.h"

namespace forms {

namespace {

// What was wrong may quote values, themselves cut short; the bound keeps the
// whole message to a few lines.
constexpr std::size_t kProblemBytes = 400;

}  // namespace

LayoutError::LayoutError(int line, std::string_view key, std::string_view problem)
    : std::runtime_error("stored layout, line " + std::to_string(line) + ", key \"" +
                         win::printable_excerpt(key) +
                         "\": " + win::printable_excerpt(problem, kProblemBytes)),
      m_line(line),
      m_key(key) {}

const LayoutProperty* LayoutBlock::find(std::string_view key) const {
  for (const auto& property : properties) {
    if (same_name(property.key, key)) return &property;
  }
  return nullptr;
}

int LayoutBlock::bag_line_of(std::string_view key) const {
  for (const auto& [name, at] : bag_lines) {
    if (same_name(name, key)) return at;
  }
  return line;
}

std::optional<Value> LayoutBlock::optional(std::string_view key, ValueType type) const {
  const LayoutProperty* property = find(key);
  if (!property) return std::nullopt;
  // A stored layout is written with the types it means: only numbers widen
  // or narrow; text is never taken for a number or a flag.
  const ValueType stored = type_of(property->value);
  const auto is_number = [](ValueType t) {
    return t == ValueType::Byte || t == ValueType::Integer || t == ValueType::Long;
  };
  if (stored != type && !(is_number(stored) && is_number(type))) {
    throw LayoutError(
        property->line, property->key,
        "expected " + std::string(describe(type)) + ", found " + to_literal(property->value));
  }
  try {
    return convert(property->key, property->value, type);
  } catch (const PropertyTypeError&) {
    throw LayoutError(property->line, property->key,
                      "expected " + std::string(describe(type)) + ", found " +
                          to_literal(property->value) + " (out of range)");
  }
}

Value LayoutBlock::require(std::string_view key, ValueType type) const {
  auto value = optional(key, type);
  if (!value) {
    throw LayoutError(
        line, key,
        "missing in " + kind + " " + name + " (expected " + std::string(describe(type)) + ")");
  }
  return *value;
}

}  // namespace forms
