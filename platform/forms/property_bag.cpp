#include "platform/forms/property_bag.h"

#include <cstdio>

#include "platform/forms/names.h"
#include "platform/forms/value_conversion.h"

namespace forms {

namespace {

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';  // a quote inside is doubled
    out += c;
  }
  return out + '"';
}

std::string number_text(float value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
  return buffer;
}

const char* flag_text(bool value) { return value ? "True" : "False"; }

// Numbers and flags as one signed value, for comparisons across widths.
std::optional<std::int64_t> numeric(const Value& value) {
  switch (type_of(value)) {
    case ValueType::Flag: return std::get<Flag>(value).stored();
    case ValueType::Byte: return std::get<std::uint8_t>(value);
    case ValueType::Integer: return std::get<std::int16_t>(value);
    case ValueType::Long: return std::get<std::int32_t>(value);
    default: return std::nullopt;
  }
}

}  // namespace

ValueType type_of(const Value& value) { return static_cast<ValueType>(value.index()); }

std::string_view describe(ValueType type) {
  switch (type) {
    case ValueType::Flag: return "a flag";
    case ValueType::Byte: return "an 8-bit integer";
    case ValueType::Integer: return "a 16-bit integer";
    case ValueType::Long: return "a 32-bit integer";
    case ValueType::Text: return "text";
    case ValueType::Font: return "a font";
    case ValueType::Picture: return "a picture";
  }
  return "a value";
}

std::string to_literal(const Value& value) {
  switch (type_of(value)) {
    case ValueType::Flag: return flag_text(std::get<Flag>(value).value);
    case ValueType::Byte: return "Byte(" + std::to_string(std::get<std::uint8_t>(value)) + ")";
    case ValueType::Integer:
      return "Integer(" + std::to_string(std::get<std::int16_t>(value)) + ")";
    case ValueType::Long: return std::to_string(std::get<std::int32_t>(value));
    case ValueType::Text: return quoted(std::get<std::string>(value));
    case ValueType::Font: {
      const auto& f = std::get<FontDescription>(value);
      return "Font(" + quoted(f.name) + ", " + number_text(f.size) + ", " +
             std::to_string(f.weight) + ", " + flag_text(f.italic) + ", " + flag_text(f.underline) +
             ", " + flag_text(f.strikethrough) + ", " + std::to_string(f.charset) + ")";
    }
    case ValueType::Picture: return "Picture(" + quoted(std::get<PictureRef>(value).name) + ")";
  }
  return {};
}

bool values_equal(const Value& a, const Value& b) {
  const auto na = numeric(a);
  const auto nb = numeric(b);
  if (na && nb) return *na == *nb;
  if (na || nb) return false;
  return a == b;
}

std::size_t PropertyBag::index_of(std::string_view key) const {
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    if (same_name(m_entries[i].first, key)) return i;
  }
  return m_entries.size();
}

const Value* PropertyBag::find(std::string_view key) const {
  const std::size_t i = index_of(key);
  return i < m_entries.size() ? &m_entries[i].second : nullptr;
}

Value PropertyBag::read(std::string_view key, const Value& default_value) const {
  const Value* stored = find(key);
  return stored ? *stored : default_value;
}

bool PropertyBag::read_flag(std::string_view key, bool default_value) const {
  const Value* stored = find(key);
  return stored ? to_flag(key, *stored) : default_value;
}

std::uint8_t PropertyBag::read_byte(std::string_view key, std::uint8_t default_value) const {
  const Value* stored = find(key);
  return stored ? to_byte(key, *stored) : default_value;
}

std::int16_t PropertyBag::read_integer(std::string_view key, std::int16_t default_value) const {
  const Value* stored = find(key);
  return stored ? to_integer(key, *stored) : default_value;
}

std::int32_t PropertyBag::read_long(std::string_view key, std::int32_t default_value) const {
  const Value* stored = find(key);
  return stored ? to_long(key, *stored) : default_value;
}

std::string PropertyBag::read_text(std::string_view key, std::string_view default_value) const {
  const Value* stored = find(key);
  return stored ? to_text(key, *stored) : std::string(default_value);
}

FontDescription PropertyBag::read_font(std::string_view key,
                                       const FontDescription& default_value) const {
  const Value* stored = find(key);
  return stored ? to_font(key, *stored) : default_value;
}

PictureRef PropertyBag::read_picture(std::string_view key, const PictureRef& default_value) const {
  const Value* stored = find(key);
  return stored ? to_picture(key, *stored) : default_value;
}

void PropertyBag::put_at(std::size_t position, std::string_view key, Value value) {
  const std::size_t i = index_of(key);
  if (i < m_entries.size()) {
    m_entries[i].second = std::move(value);  // a key keeps the place where it was first stored
    return;
  }
  m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(position),
                   {std::string(key), std::move(value)});
}

void PropertyBag::write(std::string_view key, Value value) {
  put_at(m_entries.size(), key, std::move(value));
}

void PropertyBag::write(std::string_view key, Value value, const Value& default_value) {
  if (values_equal(value, default_value)) {
    erase(key);
    return;
  }
  write(key, std::move(value));
}

bool PropertyBag::erase(std::string_view key) {
  const std::size_t i = index_of(key);
  if (i == m_entries.size()) return false;
  m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
  return true;
}

void PropertyBag::set_extent(std::int32_t x, std::int32_t y) {
  erase(kExtentX);
  erase(kExtentY);
  put_at(0, kExtentX, x);
  put_at(1, kExtentY, y);
}

std::optional<std::pair<std::int32_t, std::int32_t>> PropertyBag::extent() const {
  const Value* x = find(kExtentX);
  const Value* y = find(kExtentY);
  if (!x || !y) return std::nullopt;
  return std::pair{to_long(kExtentX, *x), to_long(kExtentY, *y)};
}

bool operator==(const PropertyBag& a, const PropertyBag& b) {
  if (a.m_entries.size() != b.m_entries.size()) return false;
  for (std::size_t i = 0; i < a.m_entries.size(); ++i) {
    if (!same_name(a.m_entries[i].first, b.m_entries[i].first) ||
        a.m_entries[i].second != b.m_entries[i].second)
      return false;
  }
  return true;
}

}  // namespace forms
