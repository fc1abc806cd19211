// The launcher's six category buttons are real CandyButtons restored from
// their stored bags, hidden until the reveal and painted once shown.
#include <gtest/gtest.h>

#include "candybutton/hosted_button.h"
#include "launcher/stored_layout.h"
#include "launcher_fixture.h"
#include "platform/win/user/compose.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"

namespace launcher_test {
namespace {

class LauncherButtons : public ::testing::Test {
 protected:
  LauncherButtons()
      : platform(clock),
        registry(make_registry()),
        frm(launcher::mainFRM_layout(), registry, test_pictures(), [] {}) {}

  static forms::ControlRegistry make_registry() {
    forms::ControlRegistry registry = forms::ControlRegistry::with_standard_controls();
    candy::register_candybutton(registry);
    return registry;
  }
  candy::HostedCandyButton& hosted(const char* name) {
    return frm.form().control_as<candy::HostedCandyButton>(name);
  }

  SteppingClock clock;
  PlatformScope platform;
  forms::ControlRegistry registry;
  launcher::mainFRM frm;
};

TEST_F(LauncherButtons, AreRestoredFromTheirStoredBags) {
  const std::pair<const char*, const char*> buttons[] = {
      {"progCMD", "Programs"}, {"vidCMD", "Video"},      {"mp3CMD", "Music"},
      {"picCMD", "Pictures"},  {"ultCMD", "Ultilities"}, {"setCMD", "Settings"}};
  for (const auto& [name, caption] : buttons) {
    candy::CandyButton& button = hosted(name).button();
    EXPECT_EQ(button.Caption(), caption);
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.Style(), 0);
    EXPECT_EQ(button.ColorButtonHover(), 0xFFC090u);
    EXPECT_EQ(button.ColorButtonUp(), 0xE99950u);
    EXPECT_EQ(button.ColorButtonDown(), 0xE99950u);
    EXPECT_EQ(button.ColorBright(), 0xFFEDB0u);
    EXPECT_EQ(button.CaptionHighLiteColor(), 0u);
    EXPECT_EQ(button.IconHighLiteColor(), 0u);
    EXPECT_EQ(button.Font().name, "Tahoma");
    EXPECT_FALSE(win::IsWindowVisible(hosted(name).hWnd()));
    win::RECT rect;
    win::GetClientRect(hosted(name).hWnd(), &rect);
    EXPECT_EQ(rect, (win::RECT{0, 0, 121, 89}));
  }
}

TEST_F(LauncherButtons, ShowAResting121By89PushButtonFaceOnceRevealed) {
  forms::Control& video = frm.form().control("vidCMD");
  video.set_Visible(true);
  win::process_pending_messages();
  const win::HDC dc = hosted("vidCMD").host().hDC();
  // The dark blue frame's top edge and the white top of the body.
  EXPECT_EQ(win::GetPixel(dc, 60, 0), win::RGB(0, 60, 116));
  EXPECT_EQ(win::GetPixel(dc, 60, 1), win::RGB(255, 255, 255));
  EXPECT_EQ(win::GetPixel(dc, 60, 84), win::RGB(236, 235, 230));
  // The corners keep the form's background colour.
  EXPECT_EQ(win::GetPixel(dc, 0, 0), win::RGB(192, 192, 192));
}

class LauncherPointer : public LauncherButtons {
 protected:
  LauncherPointer() {
    for (const char* name :
         {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD", "closeCMD"})
      frm.form().control(name).set_Visible(true);
    frm.form().set_Left(0);
    frm.form().set_Top(0);
    settle();
  }
  static void settle() { win::process_pending_messages(); }
  win::Surface screen() {
    settle();
    return win::compose_screen(frm.form().hWnd());
  }
  // Video sits at (136, 16); a point in its middle and one below all buttons.
  static constexpr win::POINT kOverVideo{196, 60};
  static constexpr win::POINT kOutside{200, 230};
};

TEST_F(LauncherPointer, VideoShowsItsRimWhileHoveredAndRestsAgainAfterTheLeave) {
  win::deliver_mouse_move(kOutside.x, kOutside.y);
  const win::Surface resting = screen();
  win::deliver_mouse_move(kOverVideo.x, kOverVideo.y);
  const win::Surface hovered = screen();
  EXPECT_EQ(hovered.at(136 + 60, 16 + 1),
            win::RGB(255, 240, 202));  // the mouse-over rim's first line
  EXPECT_EQ(resting.at(136 + 60, 16 + 1), win::RGB(255, 255, 255));
  win::deliver_mouse_move(kOutside.x, kOutside.y);
  EXPECT_EQ(screen().pixels, resting.pixels);
}

TEST_F(LauncherPointer, VideoShowsThePressedFaceThenItsFocusAfterTheClick) {
  win::deliver_mouse_move(kOverVideo.x, kOverVideo.y);
  settle();
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Press);
  const win::Surface pressed = screen();
  EXPECT_EQ(pressed.at(136 + 60, 16 + 1), win::RGB(209, 204, 193));  // the pressed top band
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Release);
  EXPECT_EQ(screen().at(136 + 60, 16 + 1), win::RGB(255, 240, 202));
  win::deliver_mouse_move(kOutside.x, kOutside.y);
  EXPECT_EQ(screen().at(136 + 60, 16 + 1), win::RGB(206, 231, 255));  // the focus rim
}

}  // namespace
}  // namespace launcher_test
