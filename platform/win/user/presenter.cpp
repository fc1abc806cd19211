#include "platform/win/user/presenter.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/win/kernel/clock.h"
#include "platform/win/user/compose.h"
#include "platform/win/user/event_loop.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

struct ShownFrame {
  HWND window;
  POINT position;
  Surface image;
};

struct PresenterState {
  Presenter* presenter = nullptr;
  std::uint64_t presented_generation = 0;
  bool presented_once = false;
  std::vector<ShownFrame> shown;
};

PresenterState& state() {
  static PresenterState s;
  return s;
}

}  // namespace

void set_presenter(Presenter* presenter) {
  auto& s = state();
  s.presenter = presenter;
  s.presented_once = false;
  s.shown.clear();
}

Presenter* current_presenter() { return state().presenter; }

void present_changed_frames() {
  auto& s = state();
  if (!s.presenter) return;
  if (s.presented_once && s.presented_generation == screen_generation()) return;
  s.presented_once = true;
  s.presented_generation = screen_generation();
  std::erase_if(s.shown, [](const ShownFrame& f) { return !find_window(f.window); });
  const auto windows = top_level_windows();
  for (HWND hwnd : windows) {
    const Window* w = find_window(hwnd);
    if (!w || !w->visible_flag()) continue;
    Surface image = compose_screen(hwnd);
    const POINT position{w->x, w->y};
    auto it = std::find_if(s.shown.begin(), s.shown.end(),
                           [hwnd](const ShownFrame& f) { return f.window == hwnd; });
    if (it != s.shown.end() && it->position == position && it->image.width == image.width &&
        it->image.height == image.height && it->image.pixels == image.pixels) {
      continue;
    }
    s.presenter->present(hwnd, image, position);
    if (it == s.shown.end()) {
      s.shown.push_back({hwnd, position, std::move(image)});
    } else {
      it->position = position;
      it->image = std::move(image);
    }
  }
}

void wait_for_events(std::int64_t timeout_ms, bool main_loop_idle) {
  auto& s = state();
  if (s.presenter) {
    s.presenter->wait_for_events(timeout_ms, main_loop_idle);
    return;
  }
  if (timeout_ms < 0) {
    throw std::logic_error(
        "the message loop would wait forever: no message is pending, no timer is set and no "
        "presenter "
        "can deliver input");
  }
  if (timeout_ms > 0) clock().sleep_ms(timeout_ms);
}

}  // namespace win
