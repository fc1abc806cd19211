#include "launcher/stored_layout.h"

#include <stdexcept>
#include <string>

#include "platform/win/ole/picture.h"
#include "resources/embedded.h"

namespace launcher {

std::string_view mainFRM_layout() {
  const auto bytes = resources::embedded("mainFRM_layout");
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

forms::PictureSource embedded_pictures() {
  return [](const std::string& name) {
    // A file embeds under its name with the point as an underscore.
    std::string symbol = name;
    for (char& c : symbol) {
      if (c == '.') c = '_';
    }
    std::span<const unsigned char> bytes;
    try {
      bytes = resources::embedded(symbol);
    } catch (const std::out_of_range&) {
      throw std::runtime_error("the program holds no picture named " + name);
    }
    return win::load_picture(win::ByteSpan(bytes.data(), bytes.size()), name);
  };
}

}  // namespace launcher
