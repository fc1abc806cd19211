// A private X server for the X11 tests: Xvfb on a display number it picks
// itself (-displayfd), stopped when the fixture ends.
#pragma once

#include <sys/types.h>

#include <string>

namespace display::test {

class Xvfb {
 public:
  // Starts the server; on failure display_name() is empty and error() says why.
  Xvfb(int width, int height);
  ~Xvfb();
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  const std::string& display_name() const { return m_name; }
  const std::string& error() const { return m_error; }

 private:
  pid_t m_pid = -1;
  std::string m_name;
  std::string m_error;
};

}  // namespace display::test
