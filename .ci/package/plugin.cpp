// A plugin built -shared -fPIC against candybutton.pc: renders a button.
#include <candybutton/render.h>

#include <vector>

extern "C" int candy_plugin_render() {
  candy::ButtonLook look;
  look.style = 2;
  look.caption = "plugin";
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  const std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  const std::size_t centre =
      std::size_t(look.height / 2) * std::size_t(look.width) + std::size_t(look.width / 2);
  return mask.front() == 0 && mask[centre] == 1 ? 0 : 1;
}
