#include "platform/forms/value_conversion.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/win/kernel/excerpt.h"

namespace forms {

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

// Numeric text: [sign] digits [. digits], or &H hex digits (a 32-bit
// pattern, so &HFFFFFFFF is -1). Null when the text is not a number.
std::optional<double> parse_number(std::string_view text) {
  text = trim(text);
  if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
    std::uint64_t bits = 0;
    std::string_view digits = text.substr(2);
    if (!digits.empty() && digits.back() == '&') digits.remove_suffix(1);
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    for (char c : digits) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
      const int d =
          std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
      bits = bits * 16 + static_cast<std::uint64_t>(d);
    }
    return bits > 0x7FFFFFFF ? static_cast<double>(static_cast<std::int64_t>(bits) - 0x100000000LL)
                             : static_cast<double>(bits);
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  double result = 0;
  bool any_digit = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    result = result * 10 + (text[i] - '0');
    any_digit = true;
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      result += (text[i] - '0') * scale;
      scale /= 10;
      any_digit = true;
    }
  }
  if (!any_digit || i != text.size()) return std::nullopt;
  return negative ? -result : result;
}

std::optional<double> numeric(const Value& value) {
  switch (type_of(value)) {
    case ValueType::Flag: return std::get<Flag>(value).stored();
    case ValueType::Byte: return std::get<std::uint8_t>(value);
    case ValueType::Integer: return std::get<std::int16_t>(value);
    case ValueType::Long: return std::get<std::int32_t>(value);
    case ValueType::Text: return parse_number(std::get<std::string>(value));
    default: return std::nullopt;
  }
}

template <class T>
T to_whole(std::string_view key, const Value& value, ValueType target) {
  const auto number = numeric(value);
  if (!number) throw PropertyTypeError(key, value, target, "type mismatch");
  const double rounded = std::nearbyint(*number);
  if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<T>::max()))
    throw PropertyTypeError(key, value, target, "overflow");
  return static_cast<T>(rounded);
}

}  // namespace

PropertyTypeError::PropertyTypeError(std::string_view key, const Value& value, ValueType expected,
                                     std::string_view why)
    : std::runtime_error(std::string(why) + ": property \"" + std::string(key) + "\" holds " +
                         std::string(describe(type_of(value))) + " " +
                         win::printable_excerpt(to_literal(value)) + ", expected " +
                         std::string(describe(expected))),
      m_key(key),
      m_expected(expected) {}

bool to_flag(std::string_view key, const Value& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    const std::string word = lower(trim(*text));
    if (word == "true") return true;
    if (word == "false") return false;
  }
  const auto number = numeric(value);
  if (!number) throw PropertyTypeError(key, value, ValueType::Flag, "type mismatch");
  return *number != 0;
}

std::uint8_t to_byte(std::string_view key, const Value& value) {
  return to_whole<std::uint8_t>(key, value, ValueType::Byte);
}

std::int16_t to_integer(std::string_view key, const Value& value) {
  return to_whole<std::int16_t>(key, value, ValueType::Integer);
}

std::int32_t to_long(std::string_view key, const Value& value) {
  return to_whole<std::int32_t>(key, value, ValueType::Long);
}

std::string to_text(std::string_view key, const Value& value) {
  switch (type_of(value)) {
    case ValueType::Text: return std::get<std::string>(value);
    case ValueType::Flag: return std::get<Flag>(value).value ? "True" : "False";
    case ValueType::Byte:
    case ValueType::Integer:
    case ValueType::Long: return std::to_string(static_cast<std::int64_t>(*numeric(value)));
    default: throw PropertyTypeError(key, value, ValueType::Text, "type mismatch");
  }
}

FontDescription to_font(std::string_view key, const Value& value) {
  if (const auto* font = std::get_if<FontDescription>(&value)) return *font;
  throw PropertyTypeError(key, value, ValueType::Font, "type mismatch");
}

PictureRef to_picture(std::string_view key, const Value& value) {
  if (const auto* picture = std::get_if<PictureRef>(&value)) return *picture;
  throw PropertyTypeError(key, value, ValueType::Picture, "type mismatch");
}

Value convert(std::string_view key, const Value& value, ValueType target) {
  switch (target) {
    case ValueType::Flag: return Flag{to_flag(key, value)};
    case ValueType::Byte: return to_byte(key, value);
    case ValueType::Integer: return to_integer(key, value);
    case ValueType::Long: return to_long(key, value);
    case ValueType::Text: return to_text(key, value);
    case ValueType::Font: return to_font(key, value);
    case ValueType::Picture: return to_picture(key, value);
  }
  return value;
}

}  // namespace forms
