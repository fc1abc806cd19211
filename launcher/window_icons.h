// The program's icon group as a window's icons, the way a desktop shows
// them (WM_SETICON): the richest 32 x 32 image as the big icon, the richest
// 16 x 16 one as the small icon.
#pragma once

#include "platform/win/kernel/types.h"

namespace launcher {

class WindowIcons {
 public:
  // Throws when the icon group or one of its images is damaged.
  explicit WindowIcons(win::HWND window);
  // Takes the icons off the window (when it still exists) and frees them.
  ~WindowIcons();
  WindowIcons(const WindowIcons&) = delete;
  WindowIcons& operator=(const WindowIcons&) = delete;

 private:
  win::HWND m_window;
  win::HICON m_big;
  win::HICON m_small;
};

}  // namespace launcher
