// Running out of file descriptors on purpose: while a DescriptorsExhausted
// lives, the soft limit is the lowest free descriptor, so the next open fails
// with EMFILE.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace test_support {

class DescriptorsExhausted {
 public:
  DescriptorsExhausted() {
    if (getrlimit(RLIMIT_NOFILE, &m_saved) != 0) return;
    const int lowest = open("/dev/null", O_RDONLY);
    if (lowest < 0) return;
    close(lowest);
    rlimit tight = m_saved;
    tight.rlim_cur = rlim_t(lowest);
    m_active = setrlimit(RLIMIT_NOFILE, &tight) == 0;
  }
  ~DescriptorsExhausted() {
    if (m_active) setrlimit(RLIMIT_NOFILE, &m_saved);
  }
  DescriptorsExhausted(const DescriptorsExhausted&) = delete;
  DescriptorsExhausted& operator=(const DescriptorsExhausted&) = delete;
  bool active() const { return m_active; }

 private:
  rlimit m_saved{};
  bool m_active = false;
};

}  // namespace test_support
