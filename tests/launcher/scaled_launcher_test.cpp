// The launcher on a scaled screen: the window and everything in it grow by
// the scale, the buttons are painted at their real pixel size (not
// stretched), and the pointer finds everything at its scaled place.
#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "candybutton/hosted_button.h"
#include "include/candybutton/render.h"
#include "launcher/stored_layout.h"
#include "launcher_fixture.h"
#include "platform/win/user/compose.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/system_metrics.h"
#include "platform/win/user/window.h"

namespace launcher_test {
namespace {

class ScaledScreen {
 public:
  explicit ScaledScreen(double scale) { win::set_screen_scale(scale); }
  ~ScaledScreen() { win::set_screen_scale(1); }
};

class ScaledLauncher : public ::testing::TestWithParam<double> {
 protected:
  ScaledLauncher()
      : scale(GetParam()),
        platform(clock),
        registry(make_registry()),
        frm(launcher::mainFRM_layout(), registry, test_pictures(), [this] { ++ended; }) {
    for (const char* name :
         {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD", "closeCMD"})
      frm.form().control(name).set_Visible(true);
    frm.form().set_Left(0);
    frm.form().set_Top(0);
  }
  static forms::ControlRegistry make_registry() {
    forms::ControlRegistry registry = forms::ControlRegistry::with_standard_controls();
    candy::register_candybutton(registry);
    return registry;
  }
  win::Surface screen() {
    win::process_pending_messages();
    return win::compose_screen(frm.form().hWnd());
  }
  int scaled(int pixels) const { return static_cast<int>(std::nearbyint(pixels * scale)); }

  ScaledScreen scale_scope{GetParam()};
  double scale;
  SteppingClock clock;
  PlatformScope platform;
  forms::ControlRegistry registry;
  int ended = 0;
  launcher::mainFRM frm;
};

TEST_P(ScaledLauncher, WindowPicturesAndCloseMarkGrowByTheScale) {
  const win::Surface shown = screen();
  EXPECT_EQ(shown.width, scaled(400));
  EXPECT_EQ(shown.height, scaled(240));
  win::RECT rect;
  win::GetClientRect(frm.form().control("vidCMD").hWnd(), &rect);
  EXPECT_EQ(rect, (win::RECT{0, 0, scaled(121), scaled(89)}));

  // The close mark, hit at its scaled place only.
  win::deliver_mouse_move(scaled(380), scaled(228));
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Press);
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Release);
  win::process_pending_messages();
  EXPECT_EQ(ended, 0);
  win::deliver_mouse_move(scaled(390), scaled(228));
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Press);
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Release);
  win::process_pending_messages();
  EXPECT_EQ(ended, 1);
}

TEST_P(ScaledLauncher, TheLogoIsDrawnAtItsScaledPlaceAndSize) {
  for (const char* name : {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD"})
    frm.form().control(name).set_Visible(false);
  forms::Control& logo = frm.form().control("logoIMG");
  logo.set_Left(1620);
  logo.set_Top(960);
  const win::Surface shown = screen();
  // 108 px from the left and 64 from the top at scale 1, 272 x 81 in size.
  const int left = scaled(108), top = scaled(64), right = left + scaled(272),
            bottom = top + scaled(81);
  EXPECT_EQ(shown.at(left, top), kLogoBlue);
  EXPECT_EQ(shown.at(right - 1, bottom - 1), kLogoBlue);
  EXPECT_EQ(shown.at(left - 1, top), kWhite);
  EXPECT_EQ(shown.at(right, bottom), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledLauncher, testing::Values(1.5, 2.0));

// At 2 a button's face is what the control paints at 242 x 178 with its 9 pt
// caption at 192 pixels per inch (the size 18 pt has at 96), pixel for pixel.
TEST(ScaledLauncherButton, AtTwoIsTheControlPaintedAtTwiceItsSize) {
  ScaledScreen scale_scope(2);
  SteppingClock clock;
  PlatformScope platform(clock);
  forms::ControlRegistry registry = forms::ControlRegistry::with_standard_controls();
  candy::register_candybutton(registry);
  launcher::mainFRM frm(launcher::mainFRM_layout(), registry, test_pictures(), [] {});
  frm.form().control("progCMD").set_Visible(true);
  win::process_pending_messages();
  const win::Surface shown = win::compose_screen(frm.form().hWnd());

  candy::ButtonLook look;
  look.width = 242;
  look.height = 178;
  look.caption = "Programs";
  look.font = candy::Font{"Tahoma", 18, 400, false, false, false, 0};
  look.color_up = 0xE99950;
  look.color_hover = 0xFFC090;
  look.color_down = 0xE99950;
  look.color_bright = 0xFFEDB0;
  look.border_brightness = 0;
  look.scheme = 0;
  look.fore_color = 0;
  std::vector<std::uint32_t> pixels(242 * 178);
  candy::render_button(look, pixels);
  // progCMD stands at (8, 16) at scale 1.
  int differing = 0;
  for (int y = 0; y < 178; ++y)
    for (int x = 0; x < 242; ++x)
      differing += shown.at(16 + x, 32 + y) != pixels[std::size_t(y) * 242 + x];
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace launcher_test
