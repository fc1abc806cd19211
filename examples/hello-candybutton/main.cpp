// hello-candybutton: a window made in code, with a label and three
// CandyButtons in different styles and colour schemes, one with a picture.
// A click on a button writes its name into the label; Tab moves the focus
// from button to button; a click on "X" or closing the window ends the
// program. On X11 it opens a window; without a display (or with
// CANDY_DISPLAY=headless) it runs on the headless presenter, driven by
// CANDY_SCRIPT, writing frames to CANDY_FRAMES.
#include <candybutton/candybutton.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <vector>

namespace {

// A 16 x 16 picture made from pixels: a yellow disc on white.
candy::Picture make_sun() {
  std::vector<std::uint32_t> pixels(16 * 16, candy::color::White);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((2 * x - 15) * (2 * x - 15) + (2 * y - 15) * (2 * y - 15) <= 144)
        pixels[y * 16 + x] = 0x00D7FF;
  return candy::Picture::from_pixels(16, 16, pixels.data());
}

struct ButtonChoice {
  const char* name;
  std::int32_t style;
  std::int32_t scheme;
  bool picture;
};

}  // namespace

int main() {
  try {
    candy::Application app;
    candy::Window window(app, "Hello, CandyButton", 360, 170);
    window.BackColor(candy::color::White);
    candy::Label& label = window.add_label("nameLBL", "Click a button", 20, 20, 320, 20);
    window.add_label("closeLBL", "X", 340, 150, 12, 14).on_click([&app] { app.quit(); });

    const ButtonChoice choices[] = {
        {"Programs", candy::style::PushButton, candy::scheme::LightBlue, false},
        {"Music", candy::style::Rounded3, candy::scheme::SteelBlue, true},
        {"Settings", candy::style::Pixel, candy::scheme::Green, false}};
    int index = 0;
    for (const ButtonChoice& choice : choices) {
      // A new button's caption is its name.
      candy::Button& button = window.add_button(choice.name, 20 + 110 * index, 60, 100, 70);
      button.Style(choice.style);
      button.ColorScheme(choice.scheme);
      if (choice.picture) button.Picture(make_sun());
      button.on_click([&label, name = button.name()] { label.Caption(name); });
      ++index;
    }
    window.show();
    return app.run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "hello-candybutton: %s\n", e.what());
    return 1;
  }
}
