// The public interface as a program sees it, run on the headless presenter
// with a script. Only a close from the desktop needs the platform: it is
// posted as the desktop would send it.
#include <candybutton/candybutton.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/user/input_state.h"
#include "platform/win/user/message.h"

namespace {

// Alt+F4 on the topmost shown window.
void close_from_desktop() {
  win::PostMessageA(win::topmost_shown_top_level(), win::WM_CLOSE, 0, 0);
}

// Runs on the headless presenter with this script, written to a file.
class PublicApi : public ::testing::Test {
 protected:
  void script(const std::string& text) {
    m_script = ::testing::TempDir() + "public_api_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".script";
    std::ofstream(m_script) << text;
    setenv("CANDY_DISPLAY", "headless", 1);
    setenv("CANDY_SCRIPT", m_script.c_str(), 1);
    unsetenv("CANDY_FRAMES");
  }
  void TearDown() override {
    if (!m_script.empty()) std::remove(m_script.c_str());
  }

 private:
  std::string m_script;
};

class Recorder final : public candy::ButtonEvents {
 public:
  std::vector<std::string> seen;
  void Click() override { seen.push_back("Click"); }
  void MouseEnter() override { seen.push_back("MouseEnter"); }
  void MouseLeave() override { seen.push_back("MouseLeave"); }
};

// Hover reaches the program through the generated window procedures (enter
// and leave), a click through both the callback and the event interface.
TEST_F(PublicApi, HoverAndClickReachCallbacksAndTheEventInterface) {
  script(
      "wait-idle 5000\nmove 60 50\nwait-idle 5000\nclick left\nwait-idle 5000\nmove 200 "
      "150\nwait-idle 5000\n");
  candy::Application app;
  candy::Window window(app, "test", 240, 160);
  candy::Label& label = window.add_label("nameLBL", "none", 10, 130, 200, 20);
  candy::Button& button = window.add_button("Music", 20, 20, 100, 70);
  auto recorder = std::make_shared<Recorder>();
  button.set_events(recorder);
  std::vector<std::string> callbacks;
  button.on_click([&] { label.Caption(button.Caption()); });
  button.on_mouse_enter([&] { callbacks.push_back("enter"); });
  button.on_mouse_leave([&] { callbacks.push_back("leave"); });
  button.on_mouse_down(
      [&](const candy::MouseArgs& a) { callbacks.push_back("down " + std::to_string(int(a.x))); });
  window.show();
  EXPECT_EQ(app.run(), 3) << "the script ends the run";
  EXPECT_EQ(label.Caption(), "Music");
  EXPECT_EQ(callbacks, (std::vector<std::string>{"enter", "down 40", "leave"}));
  EXPECT_EQ(recorder->seen, (std::vector<std::string>{"MouseEnter", "Click", "MouseLeave"}));
}

// A button made in code is a new instance: its name as caption, the
// surface's Tahoma 9 pt, enabled, and every property readable back.
TEST_F(PublicApi, NewButtonIsANewInstanceAndItsPropertiesReadBack) {
  script("wait 1\n");
  candy::Application app;
  candy::Window window(app, "test", 200, 100);
  candy::Button& button = window.add_button("Programs", 0, 0, 80, 40);
  EXPECT_EQ(button.Caption(), "Programs");
  EXPECT_EQ(button.Font().name, "Tahoma");
  EXPECT_EQ(button.Font().size, 9.0f);
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.Style(), candy::style::PushButton);

  // What scheme_colors tells a program is what the scheme sets.
  for (std::int32_t scheme = candy::scheme::LightBlue; scheme <= candy::scheme::Olive; ++scheme) {
    button.ColorScheme(scheme);
    const std::optional<candy::SchemeColors> colors = candy::scheme_colors(scheme);
    ASSERT_TRUE(colors) << scheme;
    EXPECT_EQ((std::vector<std::uint32_t>{colors->up, colors->hover, colors->down, colors->bright}),
              (std::vector<std::uint32_t>{button.ColorButtonUp(), button.ColorButtonHover(),
                                          button.ColorButtonDown(), button.ColorBright()}))
        << scheme;
  }
  EXPECT_FALSE(candy::scheme_colors(candy::scheme::None));
  EXPECT_FALSE(candy::scheme_colors(candy::scheme::Olive + 1));
  button.ColorScheme(candy::scheme::Blue);
  EXPECT_EQ(button.ColorButtonUp(), 0x800000u);
  button.ColorButtonUp(0x123456);
  EXPECT_EQ(button.ColorScheme(), candy::scheme::None);
  button.BorderBrightness(250);
  EXPECT_EQ(button.BorderBrightness(), 100);
  button.Style(candy::style::Rounded7);
  button.PictureAlignment(candy::alignment::PictureRight);
  button.Checked(true);
  candy::Font font;
  font.name = "DejaVu Sans";
  font.size = 12;
  button.Font(font);
  EXPECT_EQ(button.Style(), 7);
  EXPECT_EQ(button.PictureAlignment(), 3);
  EXPECT_TRUE(button.Checked());
  EXPECT_EQ(button.Font().name, "DejaVu Sans");

  const std::vector<std::uint32_t> pixels(4 * 3, 0x00FF00);
  const candy::Picture picture = candy::Picture::from_pixels(4, 3, pixels.data());
  button.Picture(picture);
  EXPECT_EQ(button.Picture().width(), 4);
  EXPECT_EQ(button.Picture().height(), 3);
  button.Picture(candy::Picture());
  EXPECT_TRUE(button.Picture().empty());
  std::int32_t r = 0, g = 0, b = 0;
  button.GetRGB(r, g, b, 0x00336699);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0x99, 0x66, 0x33}));
}

// Closing the last window from the desktop ends the run with status 0; a
// program that takes the close decides itself.
TEST_F(PublicApi, ClosingTheLastWindowEndsTheRunUnlessTheProgramTakesIt) {
  script("wait 5000\n");
  {
    candy::Application app;
    candy::Window first(app, "first", 100, 100);
    candy::Window second(app, "second", 100, 100);
    first.show();
    second.show();
    second.close();
    EXPECT_FALSE(second.shown());
    close_from_desktop();
    EXPECT_EQ(app.run(), 0);
    EXPECT_FALSE(first.shown());
  }
  {
    candy::Application app;
    candy::Window window(app, "taken", 100, 100);
    int asked = 0;
    window.on_close([&] {
      ++asked;
      app.quit(7);
    });
    window.show();
    close_from_desktop();
    EXPECT_EQ(app.run(), 7);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window.shown());
  }
}

TEST(PublicPictures, BadInputThrowsNamingIt) {
  EXPECT_THROW(candy::Picture::from_file("/nonexistent/sun.bmp"), std::runtime_error);
  EXPECT_THROW(candy::Picture::from_bytes({1, 2, 3}, "three.bmp"), std::runtime_error);
  EXPECT_THROW(candy::Picture::from_pixels(0, 5, nullptr), std::invalid_argument);
  try {
    candy::Picture::from_file("/nonexistent/sun.bmp");
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/sun.bmp"), std::string::npos);
  }
}

TEST(PublicRender, RendersThroughTheLibraryAndItsErrorsAreCatchable) {
  candy::ButtonLook look;
  look.style = candy::style::Rounded2;
  look.caption = "Music";
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  const std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  EXPECT_EQ(mask.front(), 0);
  EXPECT_EQ(
      mask[std::size_t(look.height / 2) * std::size_t(look.width) + std::size_t(look.width / 2)],
      1);
  look.width = 0;
  EXPECT_THROW(candy::render_button(look, pixels), candy::RenderError);
  EXPECT_STREQ(candy::version(), CANDYBUTTON_VERSION);
  EXPECT_EQ(CANDYBUTTON_VERSION_NUMBER, 10000);
}

}  // namespace
