#include <gtest/gtest.h>

#include "launcher/mainFRM.h"
#include "launcher/stored_layout.h"
#include "launcher_fixture.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"
#include "platform/forms/windowed_control.h"

namespace launcher_test {
namespace {

struct Tick {
  float box_before, box_after, logo_after;
  std::int64_t started_ms, ended_ms;
};

class SplashTest : public ::testing::Test {
 protected:
  SplashTest()
      : platform(clock),
        registry(forms::ControlRegistry::with_standard_controls()),
        frm(launcher::mainFRM_layout(), registry, test_pictures(), [this] { ++closes; }) {}

  forms::Control& control(const char* name) { return frm.form().control(name); }
  forms::Timer& timer(const char* name) { return frm.form().control_as<forms::Timer>(name); }
  float box() { return control("boxIMG").Left(); }
  float logo() { return control("logoIMG").Left(); }
  bool revealed() { return control("closeCMD").Visible(); }

  // Runs the program's message loop until the reveal, recording each tick.
  void run_splash() {
    timer("splashinTIMER").on_tick([this] {
      record(slide_in, [this] { frm.splashinTIMER_Timer(); });
    });
    timer("splashoutTIMER").on_tick([this] {
      record(slide_out, [this] { frm.splashoutTIMER_Timer(); });
      if (revealed()) reveal_order_done = true;
    });
    for (const char* name :
         {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD", "closeCMD"}) {
      visible_before_reveal += control(name).Visible() ? 1 : 0;
    }
    for (int i = 0; i < 100000 && !revealed(); ++i) {
      win::MSG msg;
      ASSERT_TRUE(win::GetMessageA(&msg, win::HWND{}, 0, 0));
      win::DispatchMessageA(&msg);
    }
    ASSERT_TRUE(revealed());
  }

  void record(std::vector<Tick>& ticks, const std::function<void()>& handler) {
    Tick tick{box(), 0, 0, clock.now_ms(), 0};
    handler();
    tick.box_after = box();
    tick.logo_after = logo();
    tick.ended_ms = clock.now_ms();
    ticks.push_back(tick);
  }

  SteppingClock clock;
  PlatformScope platform;
  forms::ControlRegistry registry;
  launcher::mainFRM frm;
  int closes = 0;
  std::vector<Tick> slide_in, slide_out;
  int visible_before_reveal = 0;
  bool reveal_order_done = false;
};

TEST_F(SplashTest, FirstFrameIsTheWhite400By240WindowWithNothingOnIt) {
  win::process_pending_messages();
  ASSERT_FALSE(platform.presenter.frames.empty());
  const auto& first = platform.presenter.frames.front().image;
  ASSERT_EQ(first.width, 400);
  ASSERT_EQ(first.height, 240);
  for (win::COLORREF pixel : first.pixels) ASSERT_EQ(pixel, kWhite);
  // Centred on the 1024 × 768 screen.
  EXPECT_EQ(platform.presenter.frames.front().position, (win::POINT{312, 264}));
  EXPECT_EQ(box(), -990.0f);
  EXPECT_EQ(logo(), 6120.0f);
  EXPECT_EQ(frm.form().Width(), 6000.0f);
  EXPECT_EQ(frm.form().Height(), 3600.0f);
}

TEST_F(SplashTest, RunsFromStartToRevealAlongTheTrajectory) {
  // During the pause, the window is asked to repaint: the wait must paint it
  // while the pictures still stand where the last move before the pause left them.
  std::uint64_t paints_at_pause_start = 0;
  std::uint64_t paints_at_pause_end = 0;
  bool pause_moved_pictures = false;
  clock.on_read = [&] {
    if (slide_in.size() != 39 || timer("splashinTIMER").Enabled()) return;
    if (box() != 485.0f || logo() != 1645.0f) pause_moved_pictures = true;
    if (paints_at_pause_start == 0) {
      paints_at_pause_start = frm.form().paint_count();
      frm.form().invalidate({0, 0, 400, 240});
    }
    paints_at_pause_end = frm.form().paint_count();
  };
  run_splash();

  EXPECT_EQ(visible_before_reveal, 0);
  ASSERT_EQ(slide_in.size(), 40u);
  EXPECT_EQ(slide_in[7].box_after, 210.0f);
  EXPECT_EQ(slide_in[7].logo_after, 2720.0f);
  EXPECT_EQ(slide_in[19].box_after, 390.0f);
  EXPECT_EQ(slide_in[19].logo_after, 2120.0f);
  EXPECT_EQ(slide_in[39].box_before, 485.0f);
  EXPECT_EQ(slide_in[39].box_after, 490.0f);
  EXPECT_EQ(slide_in[39].logo_after, 1620.0f);
  for (std::size_t i = 0; i + 1 < slide_in.size(); ++i)
    EXPECT_LT(slide_in[i].box_after, 490.0f) << i;
  // The pause: at least a second inside the last slide-in tick, with a paint.
  EXPECT_GE(slide_in[39].ended_ms - slide_in[39].started_ms, 1000);
  EXPECT_FALSE(pause_moved_pictures);
  EXPECT_GT(paints_at_pause_start, 0u);
  EXPECT_GT(paints_at_pause_end, paints_at_pause_start);

  ASSERT_EQ(slide_out.size(), 10u);
  EXPECT_EQ(slide_out[8].box_after, -860.0f);
  EXPECT_EQ(slide_out[9].box_after, -1010.0f);
  EXPECT_EQ(slide_out[9].logo_after, 6120.0f);
  EXPECT_TRUE(reveal_order_done);
  EXPECT_FALSE(timer("splashinTIMER").Enabled());
  EXPECT_FALSE(timer("splashoutTIMER").Enabled());
  for (const char* name : {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD", "closeCMD"})
    EXPECT_TRUE(control(name).Visible()) << name;
}

// Controls that log the moment they become visible.
template <class Base>
class ShowLogging : public Base {
 public:
  ShowLogging(forms::Form& form, const forms::LayoutBlock& block, std::vector<std::string>& log)
      : Base(form, block), m_log(log) {}

 protected:
  void placement_changed(const win::RECT& old_rect, bool was_visible) override {
    Base::placement_changed(old_rect, was_visible);
    if (this->Visible() && !was_visible) m_log.push_back(this->Name());
  }

 private:
  std::vector<std::string>& m_log;
};

TEST(Reveal, ShowsTheButtonsInOrderThenTheCloseMarkOnTheTenthSlideOutTick) {
  SteppingClock clock;
  PlatformScope platform(clock);
  std::vector<std::string> log;
  forms::ControlRegistry registry = forms::ControlRegistry::with_standard_controls();
  forms::ControlKind button = *registry.find(forms::kCandyButtonType);
  button.create = [&log](forms::Form& form, const forms::LayoutBlock& block,
                         const forms::PictureSource&) {
    return std::unique_ptr<forms::Control>(new ShowLogging<forms::Placeholder>(form, block, log));
  };
  registry.add(forms::kCandyButtonType, button);
  forms::ControlKind label = *registry.find("Label");
  label.create = [&log](forms::Form& form, const forms::LayoutBlock& block,
                        const forms::PictureSource&) {
    return std::unique_ptr<forms::Control>(new ShowLogging<forms::Label>(form, block, log));
  };
  registry.add("Label", label);
  launcher::mainFRM frm(launcher::mainFRM_layout(), registry, test_pictures(), [] {});
  // The tick that ends the slide-in, then nine slide-out ticks that reveal nothing.
  frm.form().control("boxIMG").set_Left(485);
  frm.form().control("logoIMG").set_Left(1645);
  frm.splashinTIMER_Timer();
  for (int i = 0; i < 9; ++i) frm.splashoutTIMER_Timer();
  EXPECT_TRUE(log.empty());
  frm.splashoutTIMER_Timer();
  EXPECT_EQ(log, (std::vector<std::string>{"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD",
                                           "setCMD", "closeCMD"}));
  EXPECT_EQ(frm.form().control("boxIMG").Left(), -1010.0f);
  EXPECT_EQ(frm.form().control("logoIMG").Left(), 6120.0f);
}

TEST_F(SplashTest, ThresholdsAreStrict) {
  struct Case {
    float start, expected;
  };
  for (const Case c : {Case{80, 230}, Case{180, 205}, Case{380, 395}, Case{480, 485}}) {
    control("boxIMG").set_Left(c.start);
    frm.splashinTIMER_Timer();
    EXPECT_EQ(box(), c.expected) << c.start;
    EXPECT_TRUE(timer("splashinTIMER").Enabled()) << c.start;
    EXPECT_FALSE(timer("splashoutTIMER").Enabled()) << c.start;
  }
  timer("splashinTIMER").set_Enabled(false);
  timer("splashoutTIMER").set_Enabled(true);
  control("boxIMG").set_Left(-840);
  frm.splashoutTIMER_Timer();
  EXPECT_EQ(box(), -990.0f);
  EXPECT_FALSE(revealed());
  EXPECT_TRUE(timer("splashoutTIMER").Enabled());
  frm.splashoutTIMER_Timer();
  EXPECT_TRUE(revealed());
  EXPECT_FALSE(timer("splashoutTIMER").Enabled());
}

TEST_F(SplashTest, CloseMarkIsHiddenDuringTheSplashAndClosesOnlyInsideTheWindow) {
  win::process_pending_messages();
  win::POINT origin{0, 0};
  win::ClientToScreen(frm.form().hWnd(), &origin);
  const auto click_at = [&](int x, int y) {
    win::deliver_mouse_move(origin.x + x, origin.y + y);
    win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Press);
    win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Release);
    win::process_pending_messages();
  };
  click_at(390, 230);
  EXPECT_EQ(closes, 0);  // hidden: the splash cannot be cut short
  control("boxIMG").set_Left(-840);
  frm.splashoutTIMER_Timer();
  frm.splashoutTIMER_Timer();
  ASSERT_TRUE(revealed());
  win::process_pending_messages();
  click_at(400, 230);
  EXPECT_EQ(closes, 0);
  click_at(383, 230);
  EXPECT_EQ(closes, 0);
  click_at(399, 230);
  EXPECT_EQ(closes, 1);
}

TEST_F(SplashTest, ClosingFromTheDesktopEndsTheProgramInTheSplashAndAfterTheReveal) {
  const win::HWND hwnd = frm.form().hWnd();
  // Before the first tick, and inside the one-second pause.
  win::PostMessageA(hwnd, win::WM_CLOSE, 0, 0);
  win::process_pending_messages();
  EXPECT_EQ(closes, 1);
  bool posted_in_pause = false;
  clock.on_read = [&] {
    if (posted_in_pause) return;
    posted_in_pause = true;
    win::PostMessageA(hwnd, win::WM_CLOSE, 0, 0);
  };
  run_splash();
  clock.on_read = nullptr;
  EXPECT_EQ(closes, 2);
  win::PostMessageA(hwnd, win::WM_CLOSE, 0, 0);
  win::process_pending_messages();
  EXPECT_EQ(closes, 3);
  // Nothing is torn down beyond what the close mark does: the window stays.
  EXPECT_TRUE(win::IsWindow(hwnd));
}

}  // namespace
}  // namespace launcher_test
