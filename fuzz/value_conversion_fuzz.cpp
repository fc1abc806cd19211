// One stored property value: its literal read as a layout line, then the
// value converted to every type a reader may ask for, written back as a
// literal and compared. Numeric text goes through the same conversions.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "platform/forms/layout_parser.h"
#include "platform/forms/value_conversion.h"

namespace {

constexpr forms::ValueType kTypes[] = {forms::ValueType::Flag,    forms::ValueType::Byte,
                                       forms::ValueType::Integer, forms::ValueType::Long,
                                       forms::ValueType::Text,    forms::ValueType::Font,
                                       forms::ValueType::Picture};

void convert_every_way(const forms::Value& value) {
  (void)forms::to_literal(value);
  for (forms::ValueType type : kTypes) {
    try {
      const forms::Value converted = forms::convert("key", value, type);
      (void)forms::values_equal(value, converted);
      (void)forms::to_literal(converted);
    } catch (const forms::PropertyTypeError&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  convert_every_way(forms::Value{text});
  if (text.find('\n') != std::string::npos) return 0;
  try {
    const forms::LayoutBlock block = forms::parse_layout("Begin Form f\nkey = " + text + "\nEnd\n");
    for (const auto& property : block.properties) convert_every_way(property.value);
  } catch (const forms::LayoutError&) {
  }
  return 0;
}
