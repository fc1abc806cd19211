// Built as C++17 with default flags through find_package: every public
// header, a render, the version, and a window run headless until its script
// ends.
#include <candybutton/candybutton.h>

#include <cstdio>
#include <cstring>
#include <vector>

int main() {
  if (std::strcmp(candy::version(), CANDYBUTTON_VERSION) != 0) return 1;
  candy::ButtonLook look;
  look.style = candy::style::Rounded3;
  look.scheme = candy::scheme::SteelBlue;
  look.caption = "C++17";
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  const std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  if (mask.front() != 0) return 2;
  try {
    look.width = 0;
    candy::render_button(look, pixels);
    return 3;
  } catch (const candy::RenderError&) {
  }
  candy::Application app;
  candy::Window window(app, "consumer", 200, 100);
  candy::Button& button = window.add_button("Video", 10, 10, 100, 60);
  if (button.Caption() != "Video") return 4;
  window.show();
  const int status = app.run();
  std::printf("consumer: run ended with %d\n", status);
  return status == 3 ? 0 : 5;
}
