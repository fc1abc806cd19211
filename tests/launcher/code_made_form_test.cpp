// A form made in code, as a program of one's own builds it: a label and
// buttons created without a stored layout, with every button property at its
// stored default, placed by Move, clickable and in the Tab order.
#include <gtest/gtest.h>

#include <memory>

#include "candybutton/hosted_button.h"
#include "launcher_fixture.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"

namespace launcher_test {
namespace {

struct Clicks : candy::CandyButtonEvents {
  void Click() override { ++count; }
  int count = 0;
};

class CodeMadeForm : public ::testing::Test {
 protected:
  CodeMadeForm() : platform(clock), form("helloFRM", "Hello") {
    form.set_Width(300 * 15);
    form.set_Height(120 * 15);
    label = &static_cast<forms::Label&>(
        form.add(std::make_unique<forms::Label>(form, "nameLBL", "Click")));
    label->Move(10 * 15, 10 * 15, 200 * 15, 20 * 15);
    for (int k = 0; k < 2; ++k) {
      buttons[k] = &static_cast<candy::HostedCandyButton&>(
          form.add(std::make_unique<candy::HostedCandyButton>(form, k ? "Music" : "Video", k)));
      buttons[k]->button().set_events(&clicks[k]);
    }
    buttons[0]->Move(10 * 15, 40 * 15, 100 * 15, 60 * 15);
    buttons[1]->Move(120 * 15, 40 * 15, 100 * 15, 60 * 15);
    form.Show();
    win::process_pending_messages();
  }

  SteppingClock clock;
  PlatformScope platform;
  forms::Form form;
  forms::Label* label = nullptr;
  candy::HostedCandyButton* buttons[2] = {};
  Clicks clicks[2];
};

// A button made in code is a new instance: its name as caption, the
// surface's Tahoma 9 pt, the colours and Enabled of a program's button.
TEST_F(CodeMadeForm, ButtonsAreNewInstancesInTheirPlaceAndShown) {
  candy::CandyButton& video = buttons[0]->button();
  EXPECT_EQ(video.Caption(), "Video");
  EXPECT_EQ(buttons[1]->button().Caption(), "Music");
  EXPECT_TRUE(video.Enabled());
  EXPECT_EQ(video.ColorButtonUp(), 0xE99950u);
  EXPECT_EQ(video.ColorButtonHover(), 0xFFC090u);
  EXPECT_EQ(video.Font().name, "Tahoma");
  EXPECT_EQ(video.Font().size, 9.0f);
  EXPECT_TRUE(win::IsWindowVisible(buttons[0]->hWnd()));
  win::RECT rect;
  win::GetClientRect(buttons[1]->hWnd(), &rect);
  EXPECT_EQ(rect, (win::RECT{0, 0, 100, 60}));
  EXPECT_EQ(label->Caption(), "Click");
  EXPECT_EQ(label->Font().name, "MS Sans Serif");
}

TEST_F(CodeMadeForm, AClickReachesTheButtonUnderThePointerAndTabMovesTheFocus) {
  win::deliver_mouse_move(170, 70);
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Press);
  win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Release);
  win::process_pending_messages();
  EXPECT_EQ(clicks[0].count, 0);
  EXPECT_EQ(clicks[1].count, 1);
  EXPECT_EQ(win::GetFocus(), buttons[1]->hWnd());
  win::deliver_key(win::VK_TAB, win::KeyAction::Down);
  win::deliver_key(win::VK_TAB, win::KeyAction::Up);
  win::process_pending_messages();
  EXPECT_EQ(win::GetFocus(), buttons[0]->hWnd());
}

}  // namespace
}  // namespace launcher_test
