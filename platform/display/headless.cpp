#include "platform/display/headless.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/display/png.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/user/compose.h"
#include "platform/win/user/message.h"
#include "platform/win/user/system_metrics.h"
#include "platform/win/user/window.h"
#include "platform/win/user/window_object.h"

namespace display {

namespace {

// The topmost shown top-level window: the one the script talks to.
win::HWND screen_window() {
  // Reverse iterators, not views::reverse, which clang 14 rejects with libstdc++ 12.
  const auto& tops = win::top_level_windows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    if (win::IsWindowVisible(*it)) return *it;
  }
  return {};
}

void sleep_at_most(std::int64_t timeout_ms, std::int64_t limit_ms) {
  const std::int64_t ms = timeout_ms < 0 ? limit_ms : std::min(timeout_ms, limit_ms);
  if (ms > 0) win::clock().sleep_ms(ms);
}

}  // namespace

HeadlessPresenter::HeadlessPresenter(std::vector<ScriptStep> script, std::string frames_dir,
                                     FileCreation frames, std::string frames_origin)
    : m_script(std::move(script)),
      m_frames_dir(std::move(frames_dir)),
      m_frame_creation(frames),
      m_frames_origin(std::move(frames_origin)) {
  if (m_frames_dir.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(m_frames_dir, error);
  if (error) throw std::runtime_error(frame_folder_problem("cannot be made: " + error.message()));
}

std::string HeadlessPresenter::frame_folder_problem(const std::string& reason) const {
  return "the frame folder " + m_frames_dir + " (" + m_frames_origin + "): " + reason;
}

void HeadlessPresenter::present(win::HWND, const win::Surface& image, win::POINT) {
  if (m_frames_dir.empty() || image.pixels.empty()) return;
  char name[16];
  std::snprintf(name, sizeof name, "%05d.png", m_frames_written + 1);
  try {
    write_png(image, (std::filesystem::path(m_frames_dir) / name).string(), m_frame_creation);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(frame_folder_problem(e.what()));
  }
  ++m_frames_written;
}

void HeadlessPresenter::end_run(int exit_code) {
  if (m_exit_code == 0) m_exit_code = exit_code;
  // Asked again after the end (a loop that ignored the first request), the
  // request is repeated rather than letting the loop spin.
  win::PostQuitMessage(m_exit_code);
}

void HeadlessPresenter::begin_step(std::int64_t now) {
  if (m_step_started) return;
  m_step_started = true;
  m_deadline = now + m_script[m_next].ms;
}

void HeadlessPresenter::wait_for_events(std::int64_t timeout_ms, bool main_loop_idle) {
  for (;;) {
    if (m_exit_code != 0 || m_next >= m_script.size()) {
      end_run(m_exit_code != 0 ? m_exit_code : kScriptEndedExitCode);
      return;
    }
    const ScriptStep& step = m_script[m_next];
    const std::int64_t now = win::clock().now_ms();
    switch (step.op) {
      case ScriptOp::Wait:
        begin_step(now);
        if (now < m_deadline) {
          sleep_at_most(timeout_ms, m_deadline - now);
          return;
        }
        break;
      case ScriptOp::WaitIdle:
        begin_step(now);
        if (!main_loop_idle) {
          if (now >= m_deadline) {
            m_failure = "script line " + std::to_string(step.line) +
                        ": the program did not become idle within " + std::to_string(step.ms) +
                        " ms";
            std::fprintf(stderr, "%s\n", m_failure.c_str());
            end_run(kScriptFailedExitCode);
            return;
          }
          sleep_at_most(timeout_ms, m_deadline - now);
          return;
        }
        break;
      case ScriptOp::Snapshot: snapshot(step); break;
      case ScriptOp::Move:
      case ScriptOp::Button:
      case ScriptOp::Key:
        run_input_step(step);
        ++m_next;
        m_step_started = false;
        return;  // the next step waits until these messages were handled
    }
    ++m_next;
    m_step_started = false;
  }
}

void HeadlessPresenter::run_input_step(const ScriptStep& step) {
  switch (step.op) {
    case ScriptOp::Move: {
      const win::POINT p = to_screen(step.x, step.y);
      win::deliver_mouse_move(p.x, p.y);
      break;
    }
    case ScriptOp::Button: win::deliver_mouse_button(step.button, step.button_action); break;
    case ScriptOp::Key: win::deliver_key(step.key, step.key_action); break;
    default: break;
  }
}

win::POINT HeadlessPresenter::to_screen(int x, int y) const {
  // Scripts speak in pixels at scale 1, so one script drives every scale.
  const double scale = win::screen_scale();
  win::POINT p{static_cast<win::LONG>(std::floor(x * scale)),
               static_cast<win::LONG>(std::floor(y * scale))};
  if (const win::HWND screen = screen_window()) win::ClientToScreen(screen, &p);
  return p;
}

void HeadlessPresenter::snapshot(const ScriptStep& step) const {
  const win::HWND screen = screen_window();
  if (!screen) {
    throw std::runtime_error("script line " + std::to_string(step.line) + ": snapshot " +
                             step.file + ": no window is shown");
  }
  write_png(win::compose_screen(screen), step.file);
}

}  // namespace display
