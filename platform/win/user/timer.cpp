// Timers are not queued: a due timer makes its WM_TIMER when the queue is
// asked for a message and nothing else is waiting, so a timer can never have
// two ticks pending, and the next due time is the loop's sleep limit.
#include "platform/win/user/timer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/win/kernel/clock.h"
#include "platform/win/user/event_loop.h"
#include "platform/win/user/input.h"
#include "platform/win/user/window.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

struct Timer {
  HWND hwnd;
  UINT id = 0;
  std::int64_t interval = 0;
  std::int64_t due = 0;
  TIMERPROC proc = nullptr;
};

struct TimerTable {
  std::vector<Timer> timers;
  UINT next_thread_timer_id = 1;
};

TimerTable& table() {
  static TimerTable t;
  return t;
}

// Windows' USER_TIMER_MINIMUM and USER_TIMER_MAXIMUM.
constexpr std::int64_t kMinimumInterval = 10;
constexpr std::int64_t kMaximumInterval = 0x7FFFFFFF;

Timer* find_timer(HWND hwnd, UINT id) {
  for (auto& t : table().timers) {
    if (t.hwnd == hwnd && t.id == id) return &t;
  }
  return nullptr;
}

bool thread_timer_id_in_use(UINT id) { return find_timer({}, id) != nullptr; }

}  // namespace

UINT SetTimer(HWND hwnd, UINT id, UINT elapse_ms, TIMERPROC proc) {
  if (hwnd && !window_from_handle(hwnd)) return 0;
  auto& t = table();
  if (!hwnd) {
    // A timer of the thread: Windows picks a fresh id unless the caller
    // names one of its own thread timers to reset.
    if (!thread_timer_id_in_use(id)) {
      do {
        id = t.next_thread_timer_id++;
        if (t.next_thread_timer_id == 0) t.next_thread_timer_id = 1;
      } while (thread_timer_id_in_use(id));
    }
  }
  const std::int64_t interval =
      std::clamp<std::int64_t>(elapse_ms, kMinimumInterval, kMaximumInterval);
  const std::int64_t due = clock().now_ms() + interval;
  if (Timer* existing = find_timer(hwnd, id)) {
    existing->interval = interval;
    existing->due = due;
    existing->proc = proc;
  } else {
    t.timers.push_back({hwnd, id, interval, due, proc});
  }
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT id) {
  auto& timers = table().timers;
  const auto it = std::find_if(timers.begin(), timers.end(),
                               [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == timers.end()) {
    SetLastError(hwnd && !find_window(hwnd) ? ERROR_INVALID_WINDOW_HANDLE
                                            : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  timers.erase(it);
  return TRUE;
}

void kill_window_timers(HWND hwnd) {
  std::erase_if(table().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

bool next_timer_message(MSG* msg, HWND filter, UINT filter_min, UINT filter_max, bool remove) {
  if (!(filter_min == 0 && filter_max == 0) && (WM_TIMER < filter_min || WM_TIMER > filter_max))
    return false;
  const std::int64_t now = clock().now_ms();
  Timer* earliest = nullptr;
  for (auto& t : table().timers) {
    if (t.due > now) continue;
    if (filter && !is_self_or_ancestor(filter, t.hwnd)) continue;
    if (!earliest || t.due < earliest->due) earliest = &t;
  }
  if (!earliest) return false;
  *msg = MSG{};
  msg->hwnd = earliest->hwnd;
  msg->message = WM_TIMER;
  msg->wParam = static_cast<WPARAM>(earliest->id);
  msg->lParam = 0;
  msg->time = static_cast<DWORD>(now);
  msg->pt = pointer_position();
  // The next tick counts from this one; ticks missed while busy are not
  // made up.
  if (remove) earliest->due = now + earliest->interval;
  return true;
}

std::int64_t time_to_next_timer() {
  const auto& timers = table().timers;
  if (timers.empty()) return -1;
  std::int64_t due = timers.front().due;
  for (const auto& t : timers) due = std::min(due, t.due);
  return std::max<std::int64_t>(0, due - clock().now_ms());
}

bool any_timer_set() { return !table().timers.empty(); }

TIMERPROC timer_procedure(HWND hwnd, UINT id) {
  const Timer* t = find_timer(hwnd, id);
  return t ? t->proc : nullptr;
}

}  // namespace win
