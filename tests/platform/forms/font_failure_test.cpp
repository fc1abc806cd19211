// A font that cannot be made for want of a system resource says so: running
// out of descriptors was once reported as a missing font.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/forms/offscreen_control.h"

namespace {

TEST(FontFailure, RunningOutOfDescriptorsIsReportedAsSuchNotAsAMissingFont) {
  forms::OffscreenControl surface(4, 4);
  surface.SetFont({"DejaVu Sans", 9});  // fontconfig and FreeType are ready
  // UndefinedBehaviorSanitizer checks an object's dynamic type through a
  // pipe the first time it meets it: both errors met here, while
  // descriptors remain.
  try {
    throw std::system_error(EMFILE, std::generic_category());
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code().value(), EMFILE);
  }
  try {
    throw std::runtime_error("x");
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "x");
  }
  // No descriptor can be opened while the limit is the lowest free one.
  const int lowest = ::dup(0);
  ASSERT_GE(lowest, 0);
  ::close(lowest);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
  rlimit tight = old;
  tight.rlim_cur = rlim_t(lowest);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
  std::string error = "no error";
  try {
    surface.SetFont({"DejaVu Serif", 13.25f, 700});  // another file: it must be opened
  } catch (const std::runtime_error& e) {
    error = e.what();
  }
  ::setrlimit(RLIMIT_NOFILE, &old);
  EXPECT_EQ(
      error,
      "OffscreenControl: no font \"DejaVu Serif\" of 13.25 pt: out of file descriptors (Too many "
      "open files)");
  // The same font once descriptors are back.
  EXPECT_NO_THROW(surface.SetFont({"DejaVu Serif", 13.25f, 700}));
}

}  // namespace

// Address space is limited in a child of its own: the message is all it leaves.
TEST(FontFailureDeathTest, RunningOutOfMemoryIsReportedAsSuchNotAsAMissingFont) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#endif
  const auto run = [] {
    forms::OffscreenControl surface(4, 4);
    surface.SetFont({"DejaVu Sans", 9});
    std::FILE* status = std::fopen("/proc/self/statm", "r");
    unsigned long pages = 0;
    if (!status || std::fscanf(status, "%lu", &pages) != 1) std::exit(2);
    std::fclose(status);
    const rlimit tight{rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (64u << 10),
                       RLIM_INFINITY};
    ::setrlimit(RLIMIT_AS, &tight);
    try {
      surface.SetFont({"DejaVu Serif", 13.25f, 700});
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
      std::exit(1);
    }
    std::exit(0);
  };
  EXPECT_EXIT(run(), testing::ExitedWithCode(1),
              "no font \"DejaVu Serif\" of 13.25 pt: out of memory \\(Cannot allocate memory\\)");
}
