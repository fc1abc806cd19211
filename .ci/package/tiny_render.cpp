// Built with nothing but `pkg-config --cflags --libs candybutton`: renders a
// button without a window and checks that its face and its corner cut are there.
#include <candybutton/render.h>

#include <cstdio>
#include <vector>

int main() {
  candy::ButtonLook look;
  look.style = 2;
  look.caption = "Music";
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  const std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  const std::size_t centre =
      std::size_t(look.height / 2) * std::size_t(look.width) + std::size_t(look.width / 2);
  if (mask.front() != 0 || mask[centre] != 1) return 1;
  std::printf("tiny_render: centre pixel %06X\n", unsigned(pixels[centre]));
  return 0;
}
