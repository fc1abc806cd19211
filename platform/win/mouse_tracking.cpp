#include "platform/win/mouse_tracking.h"

namespace win {

// The input router answers leave requests; until it exists, a request is
// accepted and never answered.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* event) {
  return event && event->cbSize == sizeof(TRACKMOUSEEVENT) ? 1 : 0;
}

BOOL comctl32_TrackMouseEvent(TRACKMOUSEEVENT* event) { return TrackMouseEvent(event); }

}  // namespace win
