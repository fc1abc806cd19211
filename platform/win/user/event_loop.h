// What the message queue, the timers, painting and the window manager tell
// each other. Internal to the platform.
#pragma once

#include <cstdint>

#include "platform/win/user/timer.h"
#include "platform/win/kernel/types.h"

namespace win {

// message.cpp
void remove_window_messages(HWND hwnd);
// Handlers running now (dispatched or sent messages); 0 in the main loop.
int handler_depth();

// timer.cpp
void kill_window_timers(HWND hwnd);
// Makes the WM_TIMER of the earliest due timer that passes the filter.
bool next_timer_message(MSG* msg, HWND filter, UINT filter_min, UINT filter_max, bool remove);
// Milliseconds until the next timer is due (0 when one is due now), or -1
// when no timer is set.
std::int64_t time_to_next_timer();
bool any_timer_set();
// The procedure a timer was set with, or null.
TIMERPROC timer_procedure(HWND hwnd, UINT id);

// paint.cpp
// Makes a WM_PAINT for the first shown window that needs painting.
bool next_paint_message(MSG* msg, HWND filter);
void release_window_dcs(HWND hwnd);
std::uint64_t window_validations(HWND hwnd);
void validate_window(HWND hwnd);
// Invalidates the whole window and every window inside it, with erasing.
void invalidate_tree(HWND hwnd);

// input_state.cpp: drops focus, capture and tracking state that refer to a
// dying window.
void forget_window_input(HWND hwnd);
// Posts the input the platform makes itself: due key repeats and leaves.
void generate_input_messages();
// Milliseconds until generate_input_messages has something to post (0: now),
// or -1 when nothing is scheduled.
std::int64_t time_to_next_input();

// presenter.cpp
// Presents the shown top-level windows whose image changed.
void present_changed_frames();
// Waits for input or until timeout_ms passed (negative: no limit).
void wait_for_events(std::int64_t timeout_ms, bool main_loop_idle);

}  // namespace win
