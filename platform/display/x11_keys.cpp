#include "platform/display/x11_keys.h"

#include <X11/keysym.h>

namespace display {

win::UINT virtual_key_from_keysym(unsigned long keysym) {
  if (keysym >= XK_a && keysym <= XK_z) return static_cast<win::UINT>('A' + (keysym - XK_a));
  if (keysym >= XK_A && keysym <= XK_Z) return static_cast<win::UINT>('A' + (keysym - XK_A));
  if (keysym >= XK_0 && keysym <= XK_9) return static_cast<win::UINT>('0' + (keysym - XK_0));
  switch (keysym) {
    case XK_Return:
    case XK_KP_Enter: return win::VK_RETURN;
    case XK_Tab:
    case XK_ISO_Left_Tab: return win::VK_TAB;
    case XK_Shift_L:
    case XK_Shift_R: return win::VK_SHIFT;
    case XK_Control_L:
    case XK_Control_R: return win::VK_CONTROL;
    case XK_Alt_L:
    case XK_Alt_R: return win::VK_MENU;
    case XK_Escape: return win::VK_ESCAPE;
    case XK_space: return win::VK_SPACE;
    case XK_BackSpace: return win::VK_BACK;
    default: return 0;
  }
}

}  // namespace display
