#include "platform/display/script.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <sstream>

#include "platform/win/kernel/excerpt.h"

namespace display {

namespace {

std::vector<std::string> words_of(std::string_view line) {
  if (const auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool parse_int(const std::string& word, std::int64_t min, std::int64_t max, std::int64_t* out) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc{} || end != word.data() + word.size() || value < min || value > max)
    return false;
  *out = value;
  return true;
}

// A whole number, however large: one that parse_int refused for its range.
bool is_whole_number(const std::string& word) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return end == word.data() + word.size() &&
         (error == std::errc{} || error == std::errc::result_out_of_range);
}

bool parse_button(const std::string& word, win::MouseButton* out) {
  if (word == "left") *out = win::MouseButton::Left;
  else if (word == "right") *out = win::MouseButton::Right;
  else if (word == "middle") *out = win::MouseButton::Middle;
  else return false;
  return true;
}

bool parse_key(const std::string& word, win::UINT* out) {
  if (word == "Enter") *out = win::VK_RETURN;
  else if (word == "Tab") *out = win::VK_TAB;
  else if (word == "Shift") *out = win::VK_SHIFT;
  else if (word == "Ctrl") *out = win::VK_CONTROL;
  else if (word == "Space") *out = win::VK_SPACE;
  else if (word == "Escape") *out = win::VK_ESCAPE;
  else if (word.size() == 1 && std::isalpha(static_cast<unsigned char>(word[0])))
    *out = static_cast<win::UINT>(std::toupper(static_cast<unsigned char>(word[0])));
  else if (word.size() == 1 && std::isdigit(static_cast<unsigned char>(word[0])))
    *out = static_cast<win::UINT>(word[0]);
  else return false;
  return true;
}

constexpr std::int64_t kLongestWait = 24LL * 3600 * 1000;
constexpr std::int64_t kCoordinate = 1 << 20;
const std::string kWaitLimits = "0 <= MS <= " + std::to_string(kLongestWait) + " (24 hours)";
const std::string kCoordinateLimits = "|X|, |Y| <= " + std::to_string(kCoordinate);

}  // namespace

std::vector<ScriptStep> parse_script(std::string_view text, const std::string& source) {
  std::vector<ScriptStep> steps;
  int line_number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    const auto words = words_of(line);
    if (words.empty()) continue;
    const std::string& command = words[0];
    // A number out of range is told the limits as well.
    const auto fail = [&](const std::string& expected, const std::string& limits = {}) {
      const bool out_of_range =
          !limits.empty() && std::any_of(words.begin() + 1, words.end(), is_whole_number);
      throw ScriptError(source + ":" + std::to_string(line_number) + ": expected " + expected +
                        ", got \"" + win::printable_excerpt(line) + "\"" +
                        (out_of_range ? "; " + limits : ""));
    };
    ScriptStep step;
    step.line = line_number;
    if (command == "wait") {
      if (words.size() != 2 || !parse_int(words[1], 0, kLongestWait, &step.ms))
        fail("wait MS with MS a whole number of milliseconds", kWaitLimits);
      step.op = ScriptOp::Wait;
      steps.push_back(step);
    } else if (command == "wait-idle") {
      step.ms = kDefaultIdleLimitMs;
      if (words.size() > 2 ||
          (words.size() == 2 && !parse_int(words[1], 0, kLongestWait, &step.ms)))
        fail("wait-idle [MS] with MS a whole number of milliseconds", kWaitLimits);
      step.op = ScriptOp::WaitIdle;
      steps.push_back(step);
    } else if (command == "move") {
      std::int64_t x = 0;
      std::int64_t y = 0;
      if (words.size() != 3 || !parse_int(words[1], -kCoordinate, kCoordinate, &x) ||
          !parse_int(words[2], -kCoordinate, kCoordinate, &y))
        fail("move X Y with whole-number pixel coordinates", kCoordinateLimits);
      step.op = ScriptOp::Move;
      step.x = static_cast<int>(x);
      step.y = static_cast<int>(y);
      steps.push_back(step);
    } else if (command == "press" || command == "release" || command == "click" ||
               command == "dblclick") {
      if (words.size() != 2 || !parse_button(words[1], &step.button))
        fail(command + " B with B one of left, right, middle");
      step.op = ScriptOp::Button;
      const auto add = [&](win::ButtonAction action) {
        step.button_action = action;
        steps.push_back(step);
      };
      if (command == "press") add(win::ButtonAction::Press);
      if (command == "release") add(win::ButtonAction::Release);
      // A double click is two clicks in one place: the platform's time and
      // distance rule makes the second press a double click.
      const int clicks = command == "click" ? 1 : command == "dblclick" ? 2 : 0;
      for (int i = 0; i < clicks; ++i) {
        add(win::ButtonAction::Press);
        add(win::ButtonAction::Release);
      }
    } else if (command == "keydown" || command == "keyup" || command == "key") {
      if (words.size() != 2 || !parse_key(words[1], &step.key))
        fail(command +
             " K with K one of Enter, Tab, Shift, Ctrl, Space, Escape, a letter or a digit");
      step.op = ScriptOp::Key;
      step.key_action = command == "keyup" ? win::KeyAction::Up : win::KeyAction::Down;
      steps.push_back(step);
      if (command == "key") {
        step.key_action = win::KeyAction::Up;
        steps.push_back(step);
      }
    } else if (command == "snapshot") {
      if (words.size() != 2) fail("snapshot FILE");
      step.op = ScriptOp::Snapshot;
      step.file = words[1];
      steps.push_back(step);
    } else {
      fail(
          "one of wait, wait-idle, move, press, release, click, dblclick, keydown, keyup, key, "
          "snapshot");
    }
  }
  return steps;
}

std::vector<ScriptStep> load_script(const std::string& path) {
  const auto refuse = [&path](const std::string& reason) {
    throw ScriptError("cannot read the input script " + path + ": " + reason);
  };
  // Non-blocking, so that a FIFO with no writer is refused, not waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) refuse(std::strerror(errno));
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0) refuse(std::strerror(errno));
  if (!S_ISREG(info.st_mode)) {
    refuse(S_ISDIR(info.st_mode)    ? "it is a directory, not a regular file"
           : S_ISFIFO(info.st_mode) ? "it is a pipe, not a regular file"
           : S_ISCHR(info.st_mode)  ? "it is a device, not a regular file"
                                    : "it is not a regular file");
  }
  if (info.st_size > kMaxScriptBytes)
    refuse("it is " + std::to_string(info.st_size) + " bytes, more than the " +
           std::to_string(kMaxScriptBytes) + " a script may have");
  std::string text(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) refuse(std::strerror(errno));
    if (n == 0) break;  // the file shrank while it was read
    got += static_cast<std::size_t>(n);
  }
  text.resize(got);
  return parse_script(text, path);
}

}  // namespace display
