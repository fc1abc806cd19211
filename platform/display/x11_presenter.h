// The X11 presenter: every shown top-level window of the platform is a
// borderless X window, centred on the screen at the window's size, titled
// with its caption, with the program's class and the window's WM_SETICON
// icons. The composed image is put on the screen after each
// change and on expose; pointer, button and key events go to input.h in
// screen coordinates (the platform window's position plus the event's
// place in the X window), and the pointer shape follows the window under it.
// While it exists, MessageBoxA shows a real modal box on its display.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/user/presenter.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

struct _XDisplay;

namespace display {

class X11Presenter final : public win::Presenter {
 public:
  // Connects to the named display (null: $DISPLAY). Throws when the display
  // cannot be opened or offers no 24- or 32-bit TrueColor visual.
  explicit X11Presenter(const char* display_name = nullptr);
  // Takes over a connection that open_display made (closed again if this
  // throws), so that probing a display and using it is one connection: a
  // server whose last client leaves resets or ends, and a second connection
  // made just after the probe's would race with that.
  explicit X11Presenter(_XDisplay* connection);
  ~X11Presenter() override;
  X11Presenter(const X11Presenter&) = delete;
  X11Presenter& operator=(const X11Presenter&) = delete;

  void present(win::HWND window, const win::Surface& image, win::POINT position) override;
  void wait_for_events(std::int64_t timeout_ms, bool main_loop_idle) override;
  // The X server repeats held keys; each repeat arrives as another key press.
  bool repeats_keys() const override { return true; }

  // The program's name and class in WM_CLASS (see x11_identity.h); empty:
  // the executable's file name, capitalised for the class.
  void set_program_class(std::string name, std::string class_name);

  _XDisplay* display() const;
  // The X window showing a platform window, or 0.
  unsigned long x_window(win::HWND window) const;

  // Opens a connection to the named display (null: $DISPLAY); null when it
  // cannot, with the reason in *why_not.
  static _XDisplay* open_display(const char* display_name, std::string* why_not);

 private:
  struct State;
  std::unique_ptr<State> m;
};

}  // namespace display
