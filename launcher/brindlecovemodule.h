// The launcher's standard module.
#pragma once

namespace brindlecovemodule {

// Waits until at least `seconds` have passed by the time of day, processing
// the program's pending window messages all the while (a busy wait: the
// window repaints and enabled timers keep firing). 0 or less returns at once.
void WaitSeconds(float seconds);

}  // namespace brindlecovemodule
