// Converting a stored value to the type its reader needs, as a Variant
// converts:
// - flag: any number (non-zero is true); text "True"/"False" in any case, or
//   numeric text.
// - integers: numbers and flags (true is -1); numeric text, decimal with an
//   optional sign and fraction or "&H" hexadecimal, spaces around allowed.
//   Fractions round to nearest, ties to even. A value outside the target's
//   range is an overflow.
// - text: text as is; numbers in decimal; flags as "True"/"False".
// - font and picture: only from their own type.
// Anything else throws PropertyTypeError.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/forms/property_bag.h"

namespace forms {

class PropertyTypeError : public std::runtime_error {
 public:
  PropertyTypeError(std::string_view key, const Value& value, ValueType expected,
                    std::string_view why);
  const std::string& key() const { return m_key; }
  ValueType expected() const { return m_expected; }

 private:
  std::string m_key;
  ValueType m_expected;
};

bool to_flag(std::string_view key, const Value& value);
std::uint8_t to_byte(std::string_view key, const Value& value);
std::int16_t to_integer(std::string_view key, const Value& value);
std::int32_t to_long(std::string_view key, const Value& value);
std::string to_text(std::string_view key, const Value& value);
FontDescription to_font(std::string_view key, const Value& value);
PictureRef to_picture(std::string_view key, const Value& value);

// Converts to any of the types; the result holds that type.
Value convert(std::string_view key, const Value& value, ValueType target);

}  // namespace forms
