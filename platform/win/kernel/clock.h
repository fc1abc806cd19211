// The platform's sense of time: a monotonic millisecond count for timers and
// message times, the time of day for the program, and the sleep the event
// loop takes when nothing is due. Tests install a FakeClock, whose sleeps
// advance time at once and are counted, so seconds of timer traffic run in
// microseconds and an idle loop's wakeups can be measured.
#pragma once

#include <cstdint>

namespace win {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t now_ms() = 0;
  // Seconds since local midnight, with fraction; wraps to 0 at midnight.
  virtual float time_of_day() = 0;
  // Sleeps for ms milliseconds (0 or less returns at once).
  virtual void sleep_ms(std::int64_t ms) = 0;
};

class SystemClock final : public Clock {
 public:
  std::int64_t now_ms() override;
  float time_of_day() override;
  void sleep_ms(std::int64_t ms) override;
};

class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::int64_t start_ms = 0, double midnight_offset_s = 0.0)
      : m_now(start_ms), m_midnight_offset(midnight_offset_s) {}
  std::int64_t now_ms() override { return m_now; }
  float time_of_day() override;
  void sleep_ms(std::int64_t ms) override;

  void advance(std::int64_t ms) { m_now += ms > 0 ? ms : 0; }
  // Sleeps taken so far: each is one wakeup of the event loop.
  std::int64_t wakeups() const { return m_wakeups; }
  std::int64_t slept_ms() const { return m_slept; }

 private:
  std::int64_t m_now;
  double m_midnight_offset;  // the time of day, in seconds, at now_ms() == 0
  std::int64_t m_wakeups = 0;
  std::int64_t m_slept = 0;
};

// The clock in use; the system clock unless a test installed another.
Clock& clock();
// Installs a clock (not owned); null restores the system clock.
void set_clock(Clock* clock);

}  // namespace win
