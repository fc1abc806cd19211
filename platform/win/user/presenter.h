// A presenter shows the platform's windows somewhere (a real screen, PNG
// files) and feeds input back through input.h. The event loop calls it
// before it would sleep: first with the frames that changed, then to wait.
#pragma once

#include <cstdint>

#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace win {

class Presenter {
 public:
  virtual ~Presenter() = default;
  // A shown top-level window's composed image, its top-left corner at
  // `position` on the screen. Called only when the image or place changed.
  virtual void present(HWND window, const Surface& image, POINT position) = 0;
  // Waits until input arrives or timeout_ms passed (negative: no limit) and
  // delivers the input. `main_loop_idle` tells that the program waits in its
  // main message loop with no timer set and no message pending.
  virtual void wait_for_events(std::int64_t timeout_ms, bool main_loop_idle) = 0;
  // The display repeats held keys itself and reports each repeat as another
  // key-down; the platform then makes no repeats of its own.
  virtual bool repeats_keys() const { return false; }
};

// Installs the presenter (not owned); null removes it.
void set_presenter(Presenter* presenter);
Presenter* current_presenter();

}  // namespace win
