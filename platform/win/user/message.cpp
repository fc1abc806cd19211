#include "platform/win/user/message.h"

#include <algorithm>
#include <deque>

#include "platform/win/kernel/clock.h"
#include "platform/win/user/event_loop.h"
#include "platform/win/user/input.h"
#include "platform/win/user/window.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

struct MessageQueue {
  std::deque<MSG> posted;
  bool quit_pending = false;
  int quit_code = 0;
  int depth = 0;  // handlers running
};

MessageQueue& queue() {
  static MessageQueue q;
  return q;
}

// Windows refuses posts beyond this many waiting messages.
constexpr std::size_t kQueueLimit = 10000;

class HandlerScope {
 public:
  HandlerScope() { ++queue().depth; }
  ~HandlerScope() { --queue().depth; }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;
};

bool in_range(UINT message, UINT filter_min, UINT filter_max) {
  if (filter_min == 0 && filter_max == 0) return true;
  return message >= filter_min && message <= filter_max;
}

bool passes(const MSG& m, HWND filter, UINT filter_min, UINT filter_max) {
  if (filter && !is_self_or_ancestor(filter, m.hwnd)) return false;
  return in_range(m.message, filter_min, filter_max);
}

// The next message in Windows' order: posted messages, the quit request,
// paints, then timers.
bool take_message(MSG* out, HWND filter, UINT filter_min, UINT filter_max, bool remove) {
  generate_input_messages();
  auto& q = queue();
  for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
    if (!passes(*it, filter, filter_min, filter_max)) continue;
    *out = *it;
    if (remove) q.posted.erase(it);
    return true;
  }
  if (q.quit_pending) {
    *out = MSG{};
    out->message = WM_QUIT;
    out->wParam = q.quit_code;
    out->time = static_cast<DWORD>(clock().now_ms());
    out->pt = pointer_position();
    if (remove) q.quit_pending = false;
    return true;
  }
  if (in_range(WM_PAINT, filter_min, filter_max) && next_paint_message(out, filter)) return true;
  return next_timer_message(out, filter, filter_min, filter_max, remove);
}

// The sooner of two waits, where -1 is no limit.
std::int64_t earliest(std::int64_t a, std::int64_t b) {
  if (a < 0) return b;
  if (b < 0) return a;
  return std::min(a, b);
}

WPARAM character_of(UINT vk) {
  const bool shift = key_is_down(VK_SHIFT);
  const bool ctrl = key_is_down(VK_CONTROL);
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return static_cast<WPARAM>(vk - 'A' + 1);
    return static_cast<WPARAM>(shift ? vk : vk - 'A' + 'a');
  }
  if (vk >= '0' && vk <= '9' && !ctrl) return static_cast<WPARAM>(vk);
  switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_TAB: return '\t';
    case VK_BACK: return 0x08;
    default: return 0;
  }
}

}  // namespace

int handler_depth() { return queue().depth; }

void remove_window_messages(HWND hwnd) {
  auto& posted = queue().posted;
  std::erase_if(posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (hwnd && !window_from_handle(hwnd)) return FALSE;
  auto& q = queue();
  if (q.posted.size() >= kQueueLimit) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
  }
  MSG m;
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wparam;
  m.lParam = lparam;
  m.time = static_cast<DWORD>(clock().now_ms());
  m.pt = pointer_position();
  q.posted.push_back(m);
  return TRUE;
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  const Window* w = window_from_handle(hwnd);
  if (!w) return 0;
  const WNDPROC proc = w->proc;
  HandlerScope scope;
  const LRESULT result = proc(hwnd, msg, wparam, lparam);
  mark_screen_changed();
  return result;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filter_min, UINT filter_max) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (hwnd && !window_from_handle(hwnd)) return -1;
  for (;;) {
    if (take_message(msg, hwnd, filter_min, filter_max, true))
      return msg->message == WM_QUIT ? 0 : 1;
    present_changed_frames();
    // Nothing to do: sleep until the next timer is due or input arrives.
    const bool main_loop_idle = handler_depth() == 0 && !any_timer_set();
    wait_for_events(earliest(time_to_next_timer(), time_to_next_input()), main_loop_idle);
  }
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (hwnd && !window_from_handle(hwnd)) return FALSE;
  return take_message(msg, hwnd, filter_min, filter_max, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER) {
    if (const TIMERPROC proc = timer_procedure(msg->hwnd, static_cast<UINT>(msg->wParam))) {
      HandlerScope scope;
      proc(msg->hwnd, WM_TIMER, static_cast<UINT>(msg->wParam), msg->time);
      mark_screen_changed();
      return 0;
    }
  }
  const Window* w = find_window(msg->hwnd);
  if (!w) return 0;
  if (msg->message != WM_PAINT)
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);

  // A window that answers WM_PAINT without validating would be asked again
  // at once, forever; its update area counts as painted instead.
  const std::uint64_t before = window_validations(msg->hwnd);
  const LRESULT result = SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  if (find_window(msg->hwnd) && window_validations(msg->hwnd) == before) validate_window(msg->hwnd);
  return result;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN) return FALSE;
  const WPARAM ch = character_of(static_cast<UINT>(msg->wParam));
  if (!ch) return FALSE;
  PostMessageA(msg->hwnd, WM_CHAR, ch, msg->lParam);
  return TRUE;
}

void PostQuitMessage(int exit_code) {
  queue().quit_pending = true;
  queue().quit_code = exit_code;
}

void process_pending_messages() {
  wait_for_events(0, false);
  MSG m;
  while (PeekMessageA(&m, {}, 0, 0, PM_NOREMOVE)) {
    if (m.message == WM_QUIT) break;  // stays pending for the main loop
    PeekMessageA(&m, {}, 0, 0, PM_REMOVE);
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  present_changed_frames();
}

int run_message_loop() {
  MSG m;
  for (;;) {
    const BOOL result = GetMessageA(&m, {}, 0, 0);
    if (result == 0) return m.wParam;
    if (result < 0) return -1;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

}  // namespace win
