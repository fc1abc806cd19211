// MessageBoxA on an X display: a small modal window with the caption as its
// title, the text in the core "fixed" font and an OK button, closed by OK,
// Enter, Space, Escape or the window manager. While it is open the other
// windows keep their pictures (exposes are answered) but take no input.
#pragma once

#include <functional>

#include "platform/display/x11_pixels.h"
#include "platform/win/user/message_box.h"

struct _XDisplay;

namespace display {

struct MessageBoxContext {
  _XDisplay* display = nullptr;
  PixelFormat format;       // of the default visual
  unsigned long owner = 0;  // the X window the box belongs to, or 0
  // Called with each event that is not the box's own (exposes of the
  // presenter's windows).
  std::function<void(void* x_event)> other_event;
};

int run_x11_message_box(const MessageBoxContext& context, const win::MessageBoxEntry& entry);

}  // namespace display
