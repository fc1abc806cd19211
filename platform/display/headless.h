// The headless presenter: runs the event loop without a screen, keeps the
// composed image of the topmost top-level window as "the screen", writes
// every presented frame as a numbered PNG when asked to, and replays an
// input script. When the script is done and the program still runs, it ends
// the run with kScriptEndedExitCode; a wait-idle that times out ends it with
// kScriptFailedExitCode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/display/png.h"
#include "platform/display/script.h"
#include "platform/win/user/presenter.h"

namespace display {

inline constexpr int kScriptEndedExitCode = 3;
inline constexpr int kScriptFailedExitCode = 4;

class HeadlessPresenter final : public win::Presenter {
 public:
  // `frames_dir` empty: frames are not written. Frame files are made as
  // `frames` says (never through a symbolic link), each whole or not at all;
  // errors about the folder say what chose it (`frames_origin`).
  HeadlessPresenter(std::vector<ScriptStep> script, std::string frames_dir,
                    FileCreation frames = FileCreation::Replace,
                    std::string frames_origin = "CANDY_FRAMES chooses it");

  void present(win::HWND window, const win::Surface& image, win::POINT position) override;
  void wait_for_events(std::int64_t timeout_ms, bool main_loop_idle) override;

  int frames_written() const { return m_frames_written; }
  bool script_done() const { return m_next >= m_script.size(); }
  // Empty unless the script failed while running.
  const std::string& failure() const { return m_failure; }

 private:
  std::string frame_folder_problem(const std::string& reason) const;
  void end_run(int exit_code);
  void begin_step(std::int64_t now);
  void run_input_step(const ScriptStep& step);
  win::POINT to_screen(int x, int y) const;
  void snapshot(const ScriptStep& step) const;

  std::vector<ScriptStep> m_script;
  std::string m_frames_dir;
  FileCreation m_frame_creation;
  std::string m_frames_origin;
  std::size_t m_next = 0;
  bool m_step_started = false;
  std::int64_t m_deadline = 0;
  int m_frames_written = 0;
  std::string m_failure;
  int m_exit_code = 0;  // set once the run was ended
};

}  // namespace display
