// The window object behind an HWND, and the window manager's own tables.
// Internal to the platform: the program talks to windows through window.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/kernel/handles.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"
#include "platform/win/user/window.h"

namespace win {

struct Window : Object {
  HWND handle;
  HWND parent;                 // 0 for a top-level window
  std::vector<HWND> children;  // z-order, bottom first
  std::string class_name;
  UINT class_style = 0;
  COLORREF background = 0xFFFFFF;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD ex_style = 0;
  std::string text;
  LONG user_data = 0;
  LONG id = 0;
  void* create_param = nullptr;
  DWORD process_id = 0;
  DWORD thread_id = 0;

  // Position of the window's top-left corner in its parent's client
  // coordinates (screen coordinates for a top-level window). There is no
  // frame: the client area is the whole window.
  LONG x = 0;
  LONG y = 0;
  LONG width = 0;
  LONG height = 0;

  Surface surface;                 // the client image, width x height
  std::unique_ptr<Region> region;  // window coordinates; null: the full rectangle
  std::vector<HDC> open_dcs;       // DCs over the surface, kept pointing at it

  // The update area, as its bounding rectangle; empty when valid.
  RECT update;
  bool erase_pending = false;
  RECT paint_rect;                // the area of the paint in progress, for WM_ERASEBKGND
  std::uint64_t validations = 0;  // counts every validation, for the paint storm guard
  bool destroying = false;

  // Input: the place in the Tab order (ties go by creation order), and the
  // pointer of the window's class.
  int tab_index = 0;
  std::uint64_t creation_serial = 0;
  HCURSOR class_cursor;

  // The icons a desktop shows for the window (WM_SETICON).
  HICON icon_big;
  HICON icon_small;

  bool visible_flag() const { return (style & WS_VISIBLE) != 0; }
};

// The window behind a handle, or null (last error set) when it is not live.
Window* window_from_handle(HWND hwnd);
// The same without touching the last error.
Window* find_window(HWND hwnd);

// Top-level windows in z-order, bottom first.
const std::vector<HWND>& top_level_windows();
// The window and its ancestors are all visible.
bool is_shown(const Window& window);
// The screen position of a window's client origin.
POINT client_origin_on_screen(const Window& window);
// `ancestor` is `window` or one of its ancestors.
bool is_self_or_ancestor(HWND ancestor, HWND window);

// Counts changes that can alter what the screen shows; the event loop
// composes and presents a frame only after it moved.
std::uint64_t screen_generation();
void mark_screen_changed();

}  // namespace win
