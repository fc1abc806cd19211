#include "launcher/brindlecovemodule.h"

#include "platform/win/kernel/clock.h"
#include "platform/win/user/message.h"

namespace brindlecovemodule {

namespace {

constexpr double kSecondsPerDay = 86400.0;

}  // namespace

void WaitSeconds(float seconds) {
  win::Clock& clock = win::clock();
  const float start = clock.time_of_day();
  float last = start;
  double wrapped = 0;  // a day for every midnight passed during the wait
  for (;;) {
    const float now = clock.time_of_day();
    // The time of day restarts at 0 at midnight. Only a drop of more than
    // half a day is a wrap; a small step back is treated as no time passed,
    // so neither can end the wait early or make it endless.
    if (now < last && last - now > kSecondsPerDay / 2) wrapped += kSecondsPerDay;
    const double elapsed = wrapped + static_cast<double>(now) - static_cast<double>(start);
    if (now >= last || last - now > kSecondsPerDay / 2) last = now;
    if (!(elapsed < static_cast<double>(seconds))) return;
    win::process_pending_messages();
  }
}

}  // namespace brindlecovemodule
