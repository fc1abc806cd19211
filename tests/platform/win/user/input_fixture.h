// A fixture for the input tests: recorder windows, a fake clock, and input
// state (held buttons and keys, capture, focus) returned to rest around
// each test.
#pragma once

#include <vector>

#include "platform/win/user/input.h"
#include "platform/win/user/mouse_tracking.h"
#include "tests/platform/win/user/recorder.h"

namespace win::test {

class InputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    rest_input();
  }
  void TearDown() override {
    rest_input();
    WindowTest::TearDown();
  }
  static void rest_input() {
    for (MouseButton b : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
      deliver_mouse_button(b, ButtonAction::Release);
    }
    for (UINT vk = 1; vk < 256; ++vk) deliver_key(vk, KeyAction::Up);
    ReleaseCapture();
    SetFocus({});
    deliver_mouse_move(-10000, -10000);
    drain();
  }

  // Moves, handles what that caused, and forgets the messages so far.
  void settle() {
    drain();
    recorder_log().messages.clear();
  }
  static void click_at(int x, int y, MouseButton b = MouseButton::Left) {
    deliver_mouse_move(x, y);
    deliver_mouse_button(b, ButtonAction::Press);
    deliver_mouse_button(b, ButtonAction::Release);
  }
  // The messages of one kind a window got, in order.
  static std::vector<Recorded> of(UINT message, HWND hwnd = {}) {
    std::vector<Recorded> out;
    for (const auto& m : recorder_log().messages) {
      if (m.message == message && (!hwnd || m.hwnd == hwnd)) out.push_back(m);
    }
    return out;
  }
  static BOOL track(HWND hwnd, DWORD flags = TME_LEAVE) {
    TRACKMOUSEEVENT e;
    e.cbSize = sizeof e;
    e.dwFlags = flags;
    e.hwndTrack = hwnd;
    return TrackMouseEvent(&e);
  }
};

}  // namespace win::test
