#include "platform/win/user/cursor.h"

#include <memory>
#include <vector>

#include "platform/win/kernel/handles.h"
#include "platform/win/user/input.h"
#include "platform/win/user/window.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

struct Cursor : Object {
  explicit Cursor(PointerShape s) : shape(s) {}
  PointerShape shape;
};

struct WindowCursor {
  HWND window;
  HCURSOR cursor;
};

struct CursorTable {
  HCURSOR arrow;
  HCURSOR hand;
  std::vector<WindowCursor> windows;
};

CursorTable& table() {
  static CursorTable t;
  return t;
}

HCURSOR system_cursor(HCURSOR& slot, PointerShape shape) {
  if (!handle_table().lookup(slot.value, ObjectKind::Cursor)) {
    slot = HCURSOR{handle_table().insert(ObjectKind::Cursor, std::make_unique<Cursor>(shape))};
  }
  return slot;
}

const Cursor* find_cursor(HCURSOR cursor) {
  return handle_table().get<Cursor>(cursor.value, ObjectKind::Cursor);
}

}  // namespace

HCURSOR LoadCursorA(HMODULE module, const char* name) {
  if (!module && name == IDC_ARROW) return system_cursor(table().arrow, PointerShape::Arrow);
  if (!module && name == IDC_HAND) return system_cursor(table().hand, PointerShape::Hand);
  SetLastError(ERROR_INVALID_PARAMETER);
  return {};
}

BOOL set_window_cursor(HWND hwnd, HCURSOR cursor) {
  if (!IsWindow(hwnd)) return FALSE;
  if (cursor && !find_cursor(cursor)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto& windows = table().windows;
  // Entries of windows that died since are dropped on the way.
  std::erase_if(windows, [hwnd](const WindowCursor& w) {
    return w.window == hwnd || !find_window(w.window);
  });
  if (cursor) windows.push_back({hwnd, cursor});
  return TRUE;
}

HCURSOR window_cursor(HWND hwnd) {
  for (const auto& w : table().windows) {
    if (w.window == hwnd && find_window(hwnd)) return w.cursor;
  }
  return {};
}

PointerShape pointer_shape(HCURSOR cursor) {
  const Cursor* c = find_cursor(cursor);
  return c ? c->shape : PointerShape::Arrow;
}

HCURSOR cursor_of_window(HWND hwnd) {
  for (const Window* w = find_window(hwnd); w; w = find_window(w->parent)) {
    if (const HCURSOR own = window_cursor(w->handle)) return own;
    if (find_cursor(w->class_cursor)) return w->class_cursor;
  }
  return LoadCursorA({}, IDC_ARROW);
}

HCURSOR cursor_for_pointer() {
  const HWND capture = GetCapture();
  return cursor_of_window(capture ? capture : WindowFromPoint(pointer_position()));
}

PointerShape pointer_shape_at(POINT screen_point) {
  return pointer_shape(cursor_of_window(WindowFromPoint(screen_point)));
}

}  // namespace win
