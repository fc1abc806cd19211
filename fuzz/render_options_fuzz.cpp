// candybutton-render's command line: the input is its arguments, one per
// line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/candybutton-render/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  try {
    (void)render::parse_options(args);
  } catch (const render::OptionError&) {
  }
  return 0;
}
