#include "platform/win/user/system_metrics.h"

namespace win {

namespace {

SIZE g_screen{1024, 768};

}  // namespace

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return g_screen.cx;
    case SM_CYSCREEN: return g_screen.cy;
    default: return 0;
  }
}

void set_screen_size(SIZE size) { g_screen = size; }

}  // namespace win
