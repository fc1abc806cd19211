// Input scripts for the headless presenter: one command a line, `#` starts a
// comment, coordinates in client pixels of the top-level window at scale 1
// (multiplied by the screen's scale), times in milliseconds.
//
//   wait MS              let the program run for MS milliseconds
//   wait-idle [MS]       until the program idles in its main loop (at most MS, default 10000)
//   move X Y             move the pointer
//   press B / release B / click B / dblclick B      B: left, right, middle
//   keydown K / keyup K / key K      K: Enter, Tab, Shift, Ctrl, Space, Escape, a letter, a digit
//   snapshot FILE        write the screen image as a PNG
//
// Compound commands are parsed into their steps (click: press, release;
// dblclick: press, release, press, release; key: down, up), so that
// each step runs after the messages of the one before were handled.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/user/input.h"
#include "platform/win/kernel/types.h"

namespace display {

enum class ScriptOp { Wait, WaitIdle, Move, Button, Key, Snapshot };

struct ScriptStep {
  ScriptOp op = ScriptOp::Wait;
  int line = 0;
  std::int64_t ms = 0;  // Wait, WaitIdle
  int x = 0;            // Move
  int y = 0;
  win::MouseButton button = win::MouseButton::Left;
  win::ButtonAction button_action = win::ButtonAction::Press;
  win::UINT key = 0;
  win::KeyAction key_action = win::KeyAction::Down;
  std::string file;  // Snapshot
};

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::int64_t kDefaultIdleLimitMs = 10000;

// The largest script file read: far more than any hand-written script.
inline constexpr std::int64_t kMaxScriptBytes = 1 << 20;

// Throws ScriptError "<source>:<line>: expected ..." on the first bad line.
std::vector<ScriptStep> parse_script(std::string_view text, const std::string& source);
// Reads a regular file of at most kMaxScriptBytes; anything else (a
// directory, a pipe, a device, a larger file) throws ScriptError naming the
// path and the reason.
std::vector<ScriptStep> load_script(const std::string& path);

}  // namespace display
