#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "launcher/brindlecovemodule.h"
#include "launcher_fixture.h"

namespace launcher_test {
namespace {

// Gives the times of day of a list, one a read; a wait that reads past the
// end has gone on too long.
class ListClock final : public win::Clock {
 public:
  explicit ListClock(std::vector<float> times) : m_times(std::move(times)) {}
  std::int64_t now_ms() override { return 0; }
  float time_of_day() override {
    if (m_reads == m_times.size()) throw std::runtime_error("the wait read the clock too often");
    return m_times[m_reads++];
  }
  void sleep_ms(std::int64_t) override {}
  std::size_t reads() const { return m_reads; }

 private:
  std::vector<float> m_times;
  std::size_t m_reads = 0;
};

TEST(WaitSeconds, ZeroOrLessReturnsAfterTwoClockReads) {
  for (float seconds : {0.0f, -1.0f, -86400.0f}) {
    ListClock clock({100.0f, 100.0f});
    PlatformScope scope(clock);
    brindlecovemodule::WaitSeconds(seconds);
    EXPECT_EQ(clock.reads(), 2u) << seconds;
  }
}

TEST(WaitSeconds, ReturnsOnceTheTimeHasPassed) {
  ListClock clock({50.0f, 50.25f, 50.5f, 50.99f, 51.0f, 999.0f});
  PlatformScope scope(clock);
  brindlecovemodule::WaitSeconds(1);
  EXPECT_EQ(clock.reads(), 5u);
}

TEST(WaitSeconds, APauseAcrossMidnightNeitherHangsNorEndsEarly) {
  {
    // 86399.5 + 1 s is 0.5 on the next day.
    ListClock clock({86399.5f, 86399.9f, 0.2f, 0.49f, 0.5f, 999.0f});
    PlatformScope scope(clock);
    brindlecovemodule::WaitSeconds(1);
    EXPECT_EQ(clock.reads(), 5u);
  }
  {
    SteppingClock clock(86399.0, 7);
    PlatformScope scope(clock);
    brindlecovemodule::WaitSeconds(2);
    EXPECT_GE(clock.now_ms(), 2000);
    EXPECT_LT(clock.now_ms(), 2010);
  }
}

TEST(WaitSeconds, ASmallStepBackOfTheClockIsNotAWrap) {
  // A clock set back a little must not count as a day passing: 0.5 s before
  // the step and 0.5 s after it.
  ListClock clock({600.0f, 600.5f, 600.2f, 600.5f, 600.7f, 999.0f});
  PlatformScope scope(clock);
  brindlecovemodule::WaitSeconds(1);
  EXPECT_EQ(clock.reads(), 5u);
}

TEST(WaitSeconds, ABackwardClockStepDoesNotLengthenThePause) {
  // Set back by 60 s half way: the half second before and the half second
  // after the step make up the pause.
  {
    ListClock clock({600.0f, 600.5f, 540.5f, 540.9f, 541.0f, 999.0f});
    PlatformScope scope(clock);
    brindlecovemodule::WaitSeconds(1);
    EXPECT_EQ(clock.reads(), 5u);
  }
  // An hour back (a daylight-saving fall-back) just before the end.
  {
    ListClock clock({7200.0f, 7200.75f, 3600.75f, 3601.0f, 999.0f});
    PlatformScope scope(clock);
    brindlecovemodule::WaitSeconds(1);
    EXPECT_EQ(clock.reads(), 4u);
  }
}

}  // namespace
}  // namespace launcher_test
