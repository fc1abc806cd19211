// The headless presenter's input script as a user writes it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/display/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    (void)display::parse_script(std::string_view(reinterpret_cast<const char*>(data), size),
                                "fuzz");
  } catch (const display::ScriptError&) {
  }
  return 0;
}
