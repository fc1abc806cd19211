#include "platform/win/kernel/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>

namespace win {

namespace {

Clock* g_clock = nullptr;

// Single precision rounds the last instants of the day up to 86400; those
// already belong to the next day.
float wrap_day(double seconds) {
  const float value = static_cast<float>(seconds);
  return value >= 86400.0f ? 0.0f : value;
}

}  // namespace

std::int64_t SystemClock::now_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

float SystemClock::time_of_day() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const double fraction =
      static_cast<double>(duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000) /
      1e6;
  return wrap_day(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraction);
}

void SystemClock::sleep_ms(std::int64_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

float FakeClock::time_of_day() {
  const double seconds =
      std::fmod(m_midnight_offset + static_cast<double>(m_now) / 1000.0, 86400.0);
  return wrap_day(seconds < 0 ? seconds + 86400.0 : seconds);
}

void FakeClock::sleep_ms(std::int64_t ms) {
  ++m_wakeups;
  if (ms > 0) {
    m_now += ms;
    m_slept += ms;
  }
}

Clock& clock() {
  static SystemClock system;
  return g_clock ? *g_clock : system;
}

void set_clock(Clock* clock) { g_clock = clock; }

}  // namespace win
