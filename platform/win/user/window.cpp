#include "platform/win/user/window.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win/kernel/low_code.h"
#include "platform/win/user/event_loop.h"
#include "platform/win/user/message.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

struct WindowClass {
  std::string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  COLORREF background = 0xFFFFFF;
  HCURSOR cursor;
};

struct WindowManager {
  std::vector<WindowClass> classes;
  std::vector<HWND> top_levels;  // z-order, bottom first
  std::uint64_t generation = 0;
  std::uint64_t windows_created = 0;
};

WindowManager& manager() {
  static WindowManager m;
  return m;
}

// No window is larger than any screen we present on; positions stay far
// from the 32-bit limit so that summing them up a window chain cannot
// overflow.
constexpr int kMaxExtent = 8192;
constexpr int kCoordinateLimit = 1 << 24;

LONG clamp_extent(int v) { return std::clamp(v, 0, kMaxExtent); }
LONG clamp_coordinate(int v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); }

LONG clamp_long(std::int64_t v) {
  return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

bool same_name(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (std::tolower(ca) != std::tolower(cb)) return false;
  }
  return true;
}

const WindowClass* find_class(const char* name) {
  for (const auto& c : manager().classes) {
    if (same_name(c.name, name)) return &c;
  }
  return nullptr;
}

std::vector<HWND>& siblings_of(const Window& w) {
  if (Window* parent = find_window(w.parent)) return parent->children;
  return manager().top_levels;
}

void unlink(const Window& w) {
  auto& list = siblings_of(w);
  list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
}

void mark_destroying(Window& w) {
  w.destroying = true;
  for (HWND child : w.children) {
    if (Window* c = find_window(child)) mark_destroying(*c);
  }
}

void send_destroy(HWND hwnd) {
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  Window* w = find_window(hwnd);
  if (!w) return;
  const auto children = w->children;
  for (HWND child : children) send_destroy(child);
}

void free_window(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (!w) return;
  const auto children = w->children;
  for (HWND child : children) free_window(child);
  kill_window_timers(hwnd);
  remove_window_messages(hwnd);
  release_window_dcs(hwnd);
  forget_window_input(hwnd);
  SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
  if ((w = find_window(hwnd)) == nullptr) return;
  unlink(*w);
  handle_table().remove(hwnd.value, ObjectKind::Window);
}

// Moves and sizes a window, with the messages Windows sends for it.
void apply_geometry(HWND hwnd, LONG x, LONG y, LONG width, LONG height, bool repaint) {
  Window* w = find_window(hwnd);
  if (!w) return;
  const bool moved = x != w->x || y != w->y;
  const bool sized = width != w->width || height != w->height;
  w->x = x;
  w->y = y;
  w->width = width;
  w->height = height;
  if (sized) {
    // The old image no longer fits; the window paints itself anew.
    w->surface.resize(width, height, w->background);
    InvalidateRect(hwnd, nullptr, TRUE);
  } else if (moved && repaint) {
    InvalidateRect(hwnd, nullptr, TRUE);
  }
  if (moved || sized) mark_screen_changed();
  if (moved) SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
  if (sized && find_window(hwnd)) SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(width, height));
}

bool reorder(Window& w, HWND insert_after) {
  auto& list = siblings_of(w);
  std::vector<HWND> others;
  for (HWND h : list) {
    if (h != w.handle) others.push_back(h);
  }
  if (insert_after == HWND_TOP) {
    others.push_back(w.handle);
  } else if (insert_after == HWND_BOTTOM) {
    others.insert(others.begin(), w.handle);
  } else {
    // Below the given sibling: the list runs bottom to top.
    auto it = std::find(others.begin(), others.end(), insert_after);
    if (it == others.end()) return false;
    others.insert(it, w.handle);
  }
  if (others != list) {
    list = std::move(others);
    mark_screen_changed();
  }
  return true;
}

HWND create_window(DWORD ex_style, const char* class_name, const char* window_name, DWORD style,
                   int x, int y, int width, int height, HWND parent, void* param,
                   DWORD process_id) {
  if (!class_name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return {};
  }
  const WindowClass* cls = find_class(class_name);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return {};
  }
  const bool child = (style & WS_CHILD) != 0;
  Window* parent_window = nullptr;
  if (parent) {
    parent_window = window_from_handle(parent);
    if (!parent_window) return {};
    if (parent_window->destroying) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return {};
    }
  } else if (child) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return {};
  }

  auto w = std::make_unique<Window>();
  w->parent = child ? parent : HWND{};
  w->class_name = cls->name;
  w->class_style = cls->style;
  w->background = cls->background;
  w->proc = cls->proc;
  w->style = style & ~WS_VISIBLE;  // shown below, after WM_CREATE
  w->ex_style = ex_style;
  w->text = window_name ? window_name : "";
  w->create_param = param;
  w->process_id = process_id;
  w->creation_serial = ++manager().windows_created;
  w->class_cursor = cls->cursor;
  w->thread_id = GetCurrentThreadId();
  w->x = clamp_coordinate(x);
  w->y = clamp_coordinate(y);
  w->width = clamp_extent(width);
  w->height = clamp_extent(height);
  w->surface.resize(w->width, w->height, w->background);
  Window* raw = w.get();
  const HWND hwnd{handle_table().insert(ObjectKind::Window, std::move(w))};
  raw->handle = hwnd;
  siblings_of(*raw).push_back(hwnd);

  if (SendMessageA(hwnd, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(hwnd);
    SetLastError(ERROR_INVALID_PARAMETER);
    return {};
  }
  raw = find_window(hwnd);
  if (!raw || raw->destroying) return {};
  SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(raw->width, raw->height));
  if ((raw = find_window(hwnd)) != nullptr)
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(raw->x, raw->y));
  if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return find_window(hwnd) ? hwnd : HWND{};
}

}  // namespace

Window* find_window(HWND hwnd) {
  return handle_table().get<Window>(hwnd.value, ObjectKind::Window);
}

Window* window_from_handle(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

const std::vector<HWND>& top_level_windows() { return manager().top_levels; }

bool is_shown(const Window& window) {
  for (const Window* w = &window; w; w = find_window(w->parent)) {
    if (!w->visible_flag()) return false;
  }
  return true;
}

POINT client_origin_on_screen(const Window& window) {
  std::int64_t x = 0;
  std::int64_t y = 0;
  for (const Window* w = &window; w; w = find_window(w->parent)) {
    x += w->x;
    y += w->y;
  }
  return {clamp_long(x), clamp_long(y)};
}

bool is_self_or_ancestor(HWND ancestor, HWND window) {
  for (const Window* w = find_window(window); w; w = find_window(w->parent)) {
    if (w->handle == ancestor) return true;
  }
  return false;
}

std::uint64_t screen_generation() { return manager().generation; }
void mark_screen_changed() { ++manager().generation; }

BOOL RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (find_class(wc->lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return FALSE;
  }
  manager().classes.push_back(
      {wc->lpszClassName, wc->style, wc->lpfnWndProc, wc->background, wc->hCursor});
  return TRUE;
}

HWND CreateWindowExA(DWORD ex_style, const char* class_name, const char* window_name, DWORD style,
                     int x, int y, int width, int height, HWND parent, void* param) {
  return create_window(ex_style, class_name, window_name, style, x, y, width, height, parent, param,
                       GetCurrentProcessId());
}

HWND create_foreign_window_for_test() {
  static const char* const kClass = "ForeignWindowForTest";
  if (!find_class(kClass)) {
    WNDCLASSA wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
  }
  return create_window(0, kClass, "", WS_POPUP, 0, 0, 1, 1, {}, nullptr, GetCurrentProcessId() + 1);
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  if (w->destroying) return TRUE;  // already on its way out
  mark_destroying(*w);
  if (w->visible_flag()) {
    w->style &= ~WS_VISIBLE;
    mark_screen_changed();
  }
  send_destroy(hwnd);
  free_window(hwnd);
  mark_screen_changed();
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return find_window(hwnd) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd) {
  const Window* w = find_window(hwnd);
  return w && is_shown(*w) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hwnd, int command) {
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  const bool was_visible = w->visible_flag();
  const bool show = command != SW_HIDE;
  if (show == was_visible || w->destroying) return was_visible ? TRUE : FALSE;
  SendMessageA(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  if ((w = find_window(hwnd)) == nullptr) return was_visible ? TRUE : FALSE;
  if (show) {
    w->style |= WS_VISIBLE;
    invalidate_tree(hwnd);
  } else {
    w->style &= ~WS_VISIBLE;
  }
  mark_screen_changed();
  return was_visible ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  const bool was_disabled = (w->style & WS_DISABLED) != 0;
  if (was_disabled == !enable) return was_disabled ? TRUE : FALSE;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
  }
  SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return was_disabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  const Window* w = find_window(hwnd);
  return w && (w->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  if (!window_from_handle(hwnd)) return FALSE;
  apply_geometry(hwnd, clamp_coordinate(x), clamp_coordinate(y), clamp_extent(width),
                 clamp_extent(height), repaint != FALSE);
  return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  if (!(flags & SWP_NOZORDER) && !reorder(*w, insert_after)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const LONG nx = (flags & SWP_NOMOVE) ? w->x : clamp_coordinate(x);
  const LONG ny = (flags & SWP_NOMOVE) ? w->y : clamp_coordinate(y);
  const LONG nw = (flags & SWP_NOSIZE) ? w->width : clamp_extent(cx);
  const LONG nh = (flags & SWP_NOSIZE) ? w->height : clamp_extent(cy);
  apply_geometry(hwnd, nx, ny, nw, nh, (flags & SWP_NOREDRAW) == 0);
  if ((w = find_window(hwnd)) == nullptr) return TRUE;
  if ((flags & SWP_SHOWWINDOW) && !w->visible_flag() && !w->destroying) {
    w->style |= WS_VISIBLE;
    invalidate_tree(hwnd);
    mark_screen_changed();
  } else if ((flags & SWP_HIDEWINDOW) && w->visible_flag()) {
    w->style &= ~WS_VISIBLE;
    mark_screen_changed();
  }
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  const Window* w = window_from_handle(hwnd);
  if (!w || !rect) return FALSE;
  *rect = {0, 0, w->width, w->height};
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  const Window* w = window_from_handle(hwnd);
  if (!w || !rect) return FALSE;
  const POINT origin = client_origin_on_screen(*w);
  *rect = {origin.x, origin.y, clamp_long(std::int64_t{origin.x} + w->width),
           clamp_long(std::int64_t{origin.y} + w->height)};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
  const Window* w = window_from_handle(hwnd);
  if (!w || !point) return FALSE;
  const POINT origin = client_origin_on_screen(*w);
  *point = {clamp_long(std::int64_t{point->x} + origin.x),
            clamp_long(std::int64_t{point->y} + origin.y)};
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
  const Window* w = window_from_handle(hwnd);
  if (!w || !point) return FALSE;
  const POINT origin = client_origin_on_screen(*w);
  *point = {clamp_long(std::int64_t{point->x} - origin.x),
            clamp_long(std::int64_t{point->y} - origin.y)};
  return TRUE;
}

HWND GetParent(HWND hwnd) {
  const Window* w = window_from_handle(hwnd);
  return w ? w->parent : HWND{};
}

void* GetWindowCreateParam(HWND hwnd) {
  const Window* w = window_from_handle(hwnd);
  return w ? w->create_param : nullptr;
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  w->text = text ? text : "";
  return TRUE;
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
  const Window* w = window_from_handle(hwnd);
  if (!w || !buffer || size <= 0) return 0;
  const std::size_t n = std::min(w->text.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, w->text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

LONG GetWindowLongA(HWND hwnd, int index) {
  const Window* w = window_from_handle(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_WNDPROC: return procedure_to_long(w->proc);
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->ex_style);
    case GWL_USERDATA: return w->user_data;
    case GWL_ID: return w->id;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
}

namespace {
DWORD g_set_window_long_failure = ERROR_SUCCESS;  // test hook
}  // namespace

void fail_next_set_window_long_for_test(DWORD error) { g_set_window_long_failure = error; }

LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
  if (g_set_window_long_failure != ERROR_SUCCESS) {
    SetLastError(g_set_window_long_failure);
    g_set_window_long_failure = ERROR_SUCCESS;
    return 0;
  }
  Window* w = window_from_handle(hwnd);
  if (!w) return 0;
  // A previous value of 0 is a legitimate result; callers tell it from a
  // failure by the last error, as on Windows.
  SetLastError(ERROR_SUCCESS);
  LONG previous = 0;
  switch (index) {
    case GWL_WNDPROC: {
      const WNDPROC proc = long_to_procedure(value);
      if (!proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      previous = procedure_to_long(w->proc);
      w->proc = proc;
      return previous;
    }
    case GWL_STYLE:
      previous = static_cast<LONG>(w->style);
      if ((w->style ^ static_cast<DWORD>(value)) & WS_VISIBLE) mark_screen_changed();
      w->style = static_cast<DWORD>(value);
      return previous;
    case GWL_EXSTYLE:
      previous = static_cast<LONG>(w->ex_style);
      w->ex_style = static_cast<DWORD>(value);
      return previous;
    case GWL_USERDATA:
      previous = w->user_data;
      w->user_data = value;
      return previous;
    case GWL_ID:
      previous = w->id;
      w->id = value;
      return previous;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!proc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return proc(hwnd, msg, wparam, lparam);
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  Window* w = find_window(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: {
      const RECT r = w->paint_rect;
      const LONG left = std::max(r.left, 0), right = std::min(r.right, w->surface.width);
      if (left >= right) return 1;
      for (LONG y = std::max(r.top, 0); y < std::min(r.bottom, w->surface.height); ++y)
        std::fill(&w->surface.at(left, y), &w->surface.at(right - 1, y) + 1, w->background);
      return 1;
    }
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SETICON: {
      if (wparam != ICON_BIG && wparam != ICON_SMALL) return 0;
      HICON& icon = wparam == ICON_BIG ? w->icon_big : w->icon_small;
      const HICON previous = icon;
      icon = HICON{static_cast<std::uint32_t>(lparam)};
      return static_cast<LRESULT>(previous.value);
    }
    case WM_GETICON:
      if (wparam != ICON_BIG && wparam != ICON_SMALL) return 0;
      return static_cast<LRESULT>((wparam == ICON_BIG ? w->icon_big : w->icon_small).value);
    default: return 0;
  }
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* process_id) {
  const Window* w = window_from_handle(hwnd);
  if (!w) return 0;
  if (process_id) *process_id = w->process_id;
  return w->thread_id;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }
DWORD GetCurrentThreadId() { return static_cast<DWORD>(gettid()); }

LONG procedure_to_long(WNDPROC proc) {
  if (!proc) return 0;
  return static_cast<LONG>(low_code_address(proc));
}

WNDPROC long_to_procedure(LONG value) {
  if (value <= 0) return nullptr;
  return reinterpret_cast<WNDPROC>(
      const_cast<void*>(code_behind(static_cast<std::uint32_t>(value))));
}

}  // namespace win
