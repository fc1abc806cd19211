// The container's keyed store of a control's settings. Keys match without
// regard to case and keep the order in which they were first stored; values
// are typed, and reading converts them to the type the reader asks for the
// way a Variant would (see value_conversion.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace forms {

// A 16-bit flag: stored as -1 (true) or 0 (false).
struct Flag {
  bool value = false;
  std::int16_t stored() const { return value ? std::int16_t(-1) : std::int16_t(0); }
  friend bool operator==(Flag, Flag) = default;
};

// The font sizes a stored layout accepts, in points.
inline constexpr float kMinFontPoints = 1;
inline constexpr float kMaxFontPoints = 1000;

struct FontDescription {
  std::string name;
  float size = 0;  // points
  std::int16_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  std::int16_t charset = 0;
  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// A picture by its resource name; an empty name is "no picture".
struct PictureRef {
  std::string name;
  bool empty() const { return name.empty(); }
  friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

enum class ValueType { Flag, Byte, Integer, Long, Text, Font, Picture };

using Value = std::variant<Flag, std::uint8_t, std::int16_t, std::int32_t, std::string,
                           FontDescription, PictureRef>;

ValueType type_of(const Value& value);
// "a flag", "an 8-bit integer", ... for error messages.
std::string_view describe(ValueType type);
// The value as a stored layout writes it: True, 12, "text", Font(...), Picture("x").
std::string to_literal(const Value& value);
// Equality as a Variant compares: numbers (flags as -1/0) by value across
// widths, text by its characters, fonts and pictures field by field.
bool values_equal(const Value& a, const Value& b);

class PropertyBag {
 public:
  static constexpr std::string_view kExtentX = "_extentx";
  static constexpr std::string_view kExtentY = "_extenty";

  // The stored value, or the default when the key is absent.
  Value read(std::string_view key, const Value& default_value) const;
  // The stored value, or nothing.
  const Value* find(std::string_view key) const;

  // Reads converted to the asked type; a value that cannot convert throws
  // PropertyTypeError naming the key, the value and the expected type.
  bool read_flag(std::string_view key, bool default_value) const;
  std::uint8_t read_byte(std::string_view key, std::uint8_t default_value) const;
  std::int16_t read_integer(std::string_view key, std::int16_t default_value) const;
  std::int32_t read_long(std::string_view key, std::int32_t default_value) const;
  std::string read_text(std::string_view key, std::string_view default_value) const;
  FontDescription read_font(std::string_view key, const FontDescription& default_value) const;
  PictureRef read_picture(std::string_view key, const PictureRef& default_value) const;

  // Always stores the value.
  void write(std::string_view key, Value value);
  // Stores the value unless it equals the default; then the key is absent.
  void write(std::string_view key, Value value, const Value& default_value);
  bool erase(std::string_view key);

  // The control's extent in HIMETRIC, kept by the container ahead of the
  // control's own keys.
  void set_extent(std::int32_t x, std::int32_t y);
  std::optional<std::pair<std::int32_t, std::int32_t>> extent() const;

  // Keys in stored order, as first written.
  const std::vector<std::pair<std::string, Value>>& entries() const { return m_entries; }
  std::size_t size() const { return m_entries.size(); }
  bool empty() const { return m_entries.empty(); }
  friend bool operator==(const PropertyBag&, const PropertyBag&);

 private:
  std::size_t index_of(std::string_view key) const;
  void put_at(std::size_t position, std::string_view key, Value value);

  std::vector<std::pair<std::string, Value>> m_entries;
};

}  // namespace forms
