// A button on a real host window in a shown top-level window, with the
// standard parts (real painters, real interception), driven by real pointer
// and key input on a fake clock. Repaints log "paint <state>", events log
// their names and arguments, in one shared sequence.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "candybutton/candybutton.h"
#include "platform/forms/user_control.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/kernel/module.h"
#include "platform/win/user/window.h"
#include "subclass/subclasser.h"
#include "tests/candybutton/fake_host.h"

namespace candy::live {

struct EventLog : CandyButtonEvents {
  explicit EventLog(Log& log) : m_log(log) {}
  void Click() override { m_log.push_back("Click"); }
  void DblClick() override { m_log.push_back("DblClick"); }
  void MouseEnter() override { m_log.push_back("MouseEnter"); }
  void MouseLeave() override { m_log.push_back("MouseLeave"); }
  void MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    mouse("MouseMove", b, s, x, y);
  }
  void MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    mouse("MouseUp", b, s, x, y);
  }
  void MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    mouse("MouseDown", b, s, x, y);
  }
  bool log_moves = false;

 private:
  void mouse(const char* name, std::int16_t b, std::int16_t s, float x, float y) {
    if (!log_moves && std::string(name) == "MouseMove") return;
    m_log.push_back(std::string(name) + " " + std::to_string(b) + " " + std::to_string(s) + " " +
                    std::to_string(int(x)) + " " + std::to_string(int(y)));
  }
  Log& m_log;
};

inline win::LRESULT top_proc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
  return win::DefWindowProcA(h, m, w, l);
}

// The button's client area is 60 x 30 at (10, 10) of a 200 x 100 window.
class LiveButton : public ::testing::Test {
 protected:
  static constexpr int kWidth = 60;
  static constexpr int kHeight = 30;

  void SetUp() override {
    win::set_clock(&m_clock);
    rest_input();
    static const bool registered = [] {
      win::WNDCLASSA wc;
      wc.lpfnWndProc = top_proc;
      wc.lpszClassName = "LiveButtonTop";
      return win::RegisterClassA(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    m_top = win::CreateWindowExA(0, "LiveButtonTop", "", win::WS_POPUP | win::WS_VISIBLE, 100, 50,
                                 200, 100, {});
    m_control = std::make_unique<forms::UserControl>(m_top, 10, 10, kWidth, kHeight);
  }
  void TearDown() override {
    if (m_control) m_control->set_events(nullptr);
    button.reset();
    m_control.reset();
    win::DestroyWindow(m_top);
    rest_input();
    win::restore_modules();
    win::set_clock(nullptr);
  }

  // Makes the button, restores it from the bag (in run mode) and shows it.
  CandyButton& make(const forms::PropertyBag& bag = {}) {
    CandyButtonParts parts = standard_parts();
    interception = dynamic_cast<SubclassInterception*>(parts.interception.get());
    auto paint = parts.faces.paint_face;
    // Repaints of the push-button style are logged; the tests of other
    // styles read only events.
    parts.faces.paint_face = [this, paint](const ButtonFace& face, std::int32_t state) {
      if (face.m_Style == 0) log.push_back("paint " + std::to_string(state));
      return paint(face, state);
    };
    auto region = parts.faces.update_button_region;
    parts.faces.update_button_region = [this, region](const ButtonFace& face) {
      if (log_regions) log.push_back("region");
      return region(face);
    };
    button = std::make_unique<CandyButton>(*m_control, container, std::move(parts));
    button->set_events(&events);
    m_control->set_events(button.get());
    button->ReadProperties(bag);
    win::ShowWindow(m_control->hWnd(), win::SW_SHOW);
    drain();
    log.clear();
    return *button;
  }

  // Pointer at a point of the button's client area; then everything pending is handled.
  void move(int x, int y) {
    win::POINT p{x, y};
    win::ClientToScreen(m_control->hWnd(), &p);
    win::deliver_mouse_move(p.x, p.y);
    drain();
  }
  void button_action(win::MouseButton b, win::ButtonAction a) {
    win::deliver_mouse_button(b, a);
    drain();
  }
  void press(win::MouseButton b = win::MouseButton::Left) {
    button_action(b, win::ButtonAction::Press);
  }
  void release(win::MouseButton b = win::MouseButton::Left) {
    button_action(b, win::ButtonAction::Release);
  }
  void key(win::UINT vk, win::KeyAction a) {
    win::deliver_key(vk, a);
    drain();
  }
  void wait(std::int64_t ms) {
    m_clock.advance(ms);
    drain();
  }
  static void drain() {
    win::MSG m;
    while (win::PeekMessageA(&m, {}, 0, 0, win::PM_REMOVE)) win::DispatchMessageA(&m);
  }
  static void rest_input() {
    for (auto b : {win::MouseButton::Left, win::MouseButton::Right, win::MouseButton::Middle})
      win::deliver_mouse_button(b, win::ButtonAction::Release);
    for (win::UINT vk = 1; vk < 256; ++vk) win::deliver_key(vk, win::KeyAction::Up);
    win::ReleaseCapture();
    win::SetFocus({});
    win::deliver_mouse_move(-10000, -10000);
    drain();
  }
  std::uint32_t block() const {
    return interception && interception->subclasser()
               ? interception->subclasser()->block_of(m_control->hWnd())
               : 0;
  }
  Log take() {
    Log out;
    out.swap(log);
    return out;
  }

  win::FakeClock m_clock{100000};
  Log log;
  bool log_regions = false;
  FakeContainer container{log};
  EventLog events{log};
  win::HWND m_top;
  std::unique_ptr<forms::UserControl> m_control;
  std::unique_ptr<CandyButton> button;
  SubclassInterception* interception = nullptr;
};

}  // namespace candy::live
