// A private X server for the X11 tests: Xvfb on a display number it picks
// itself (-displayfd), stopped when the fixture ends or when a test kills it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace display::test {

class Xvfb {
 public:
  // Starts the server with these extra options (by default -noreset, so
  // that the last client leaving does not reset it); on failure
  // display_name() is empty and error() says why.
  Xvfb(int width, int height, const std::vector<std::string>& options = {"-noreset"});
  ~Xvfb();
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  const std::string& display_name() const { return m_name; }
  const std::string& error() const { return m_error; }
  // Ends the server at once (SIGKILL), as a crashed server would end.
  void kill_now();

 private:
  pid_t m_pid = -1;
  std::string m_name;
  std::string m_error;
};

}  // namespace display::test
