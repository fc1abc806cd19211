// What the X11 presenter does when X reports a failure. The connection
// breaking (the server ended) and the program's own window going away (a
// window is the program: another client destroyed it) end the program at
// once with one line on standard error and status 1. Any other X error is
// reported in one line and the program goes on.
#pragma once

#include <functional>
#include <optional>
#include <string>

struct _XDisplay;

namespace display {

class X11ErrorHandlers {
 public:
  // For an X window: the caption of the platform window it shows, or
  // nothing when it is not one of the presenter's windows.
  using WindowCaption = std::function<std::optional<std::string>(unsigned long xid)>;

  // Installs the handlers for this connection; Xlib's handlers are
  // process-wide, so one pair serves every connection registered here.
  X11ErrorHandlers(_XDisplay* display, WindowCaption caption_of);
  // Unregisters the connection; the handlers found at the first
  // registration come back when the last one goes.
  ~X11ErrorHandlers();
  X11ErrorHandlers(const X11ErrorHandlers&) = delete;
  X11ErrorHandlers& operator=(const X11ErrorHandlers&) = delete;
};

// Ends the program at once: the X window showing `caption` is gone.
[[noreturn]] void end_for_lost_window(_XDisplay* display, const std::string& caption);

}  // namespace display
