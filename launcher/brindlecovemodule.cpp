#include "launcher/brindlecovemodule.h"

#include "platform/win/kernel/clock.h"
#include "platform/win/user/message.h"

namespace brindlecovemodule {

namespace {

constexpr double kSecondsPerDay = 86400.0;

}  // namespace

void WaitSeconds(float seconds) {
  win::Clock& clock = win::clock();
  float last = clock.time_of_day();
  double elapsed = 0;
  for (;;) {
    const float now = clock.time_of_day();
    // Only forward progress of the time of day counts. A drop of more than
    // half a day is midnight: the time up to midnight and past it counts. A
    // smaller drop is the clock being set back and counts as no time, so it
    // can neither end the wait early nor stretch it beyond the time asked.
    if (now >= last) elapsed += static_cast<double>(now) - static_cast<double>(last);
    else if (static_cast<double>(last) - static_cast<double>(now) > kSecondsPerDay / 2)
      elapsed += kSecondsPerDay - static_cast<double>(last) + static_cast<double>(now);
    last = now;
    if (!(elapsed < static_cast<double>(seconds))) return;
    win::process_pending_messages();
  }
}

}  // namespace brindlecovemodule
