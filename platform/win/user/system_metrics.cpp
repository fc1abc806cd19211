#include "platform/win/user/system_metrics.h"

#include <stdexcept>
#include <string>

namespace win {

namespace {

SIZE g_screen{1024, 768};
double g_scale = 1;

}  // namespace

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return g_screen.cx;
    case SM_CYSCREEN: return g_screen.cy;
    default: return 0;
  }
}

void set_screen_size(SIZE size) { g_screen = size; }

double screen_scale() { return g_scale; }

void set_screen_scale(double scale) {
  if (!(scale >= 1 && scale <= kMaxScreenScale))
    throw std::invalid_argument("a screen scale of " + std::to_string(scale) +
                                "; expected a number from 1 to " +
                                std::to_string(static_cast<int>(kMaxScreenScale)));
  g_scale = scale;
}

}  // namespace win
