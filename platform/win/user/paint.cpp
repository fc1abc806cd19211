// The update area of a window is kept as its bounding rectangle: a paint
// redraws at least what was invalidated, and the client surface keeps the
// rest, so nothing finer is needed. Paint DCs draw on the whole surface,
// clipped by the window region only.
#include "platform/win/user/paint.h"

#include <algorithm>
#include <memory>

#include "platform/win/gdi/dc.h"
#include "platform/win/user/event_loop.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"
#include "platform/win/user/window_object.h"

namespace win {

namespace {

bool rect_empty(const RECT& r) { return IsRectEmpty(&r) != 0; }

RECT intersection(const RECT& a, const RECT& b) {
  RECT r;
  IntersectRect(&r, &a, &b);
  return r;
}

RECT bounding_union(const RECT& a, const RECT& b) {
  if (rect_empty(a)) return b;
  if (rect_empty(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// What is left of `area` after taking `cut` away, as a bounding rectangle.
RECT subtract(const RECT& area, const RECT& cut) {
  const RECT common = intersection(area, cut);
  if (rect_empty(common)) return area;
  RECT r = area;
  const bool full_width = common.left == area.left && common.right == area.right;
  const bool full_height = common.top == area.top && common.bottom == area.bottom;
  if (full_width && full_height) return RECT{};
  if (full_width && common.top == area.top) r.top = common.bottom;
  if (full_width && common.bottom == area.bottom) r.bottom = common.top;
  if (full_height && common.left == area.left) r.left = common.right;
  if (full_height && common.right == area.right) r.right = common.left;
  return r;
}

HDC open_dc(Window& w) {
  auto dc = std::make_unique<DeviceContext>();
  dc->surface = &w.surface;
  dc->clip = w.region.get();
  dc->window = w.handle;
  dc->brush = HBRUSH{GetStockObject(WHITE_BRUSH)};
  dc->pen = HPEN{GetStockObject(BLACK_PEN)};
  dc->font = HFONT{GetStockObject(SYSTEM_FONT)};
  const HDC handle{handle_table().insert(ObjectKind::DeviceContext, std::move(dc))};
  w.open_dcs.push_back(handle);
  return handle;
}

bool release_dc(HDC handle) {
  DeviceContext* dc = handle_table().get<DeviceContext>(handle.value, ObjectKind::DeviceContext);
  if (!dc || !dc->window) return false;
  if (Window* w = find_window(dc->window)) std::erase(w->open_dcs, handle);
  handle_table().remove(handle.value, ObjectKind::DeviceContext);
  mark_screen_changed();
  return true;
}

// Parents before their children, children bottom first.
const Window* first_needing_paint(const std::vector<HWND>& windows, HWND filter) {
  for (HWND hwnd : windows) {
    const Window* w = find_window(hwnd);
    if (!w || !w->visible_flag()) continue;
    if (!rect_empty(w->update) && (!filter || is_self_or_ancestor(filter, hwnd))) return w;
    if (const Window* child = first_needing_paint(w->children, filter)) return child;
  }
  return nullptr;
}

}  // namespace

void invalidate_tree(HWND hwnd) {
  const Window* w = find_window(hwnd);
  if (!w) return;
  InvalidateRect(hwnd, nullptr, TRUE);
  for (HWND child : w->children) invalidate_tree(child);
}

bool next_paint_message(MSG* msg, HWND filter) {
  const Window* w = first_needing_paint(top_level_windows(), filter);
  if (!w) return false;
  *msg = MSG{};
  msg->hwnd = w->handle;
  msg->message = WM_PAINT;
  return true;
}

void release_window_dcs(HWND hwnd) {
  Window* w = find_window(hwnd);
  if (!w) return;
  // The DCs stay valid handles until released, but draw nothing.
  for (HDC handle : w->open_dcs) {
    if (auto* dc = handle_table().get<DeviceContext>(handle.value, ObjectKind::DeviceContext)) {
      dc->surface = nullptr;
      dc->clip = nullptr;
    }
  }
  w->open_dcs.clear();
}

std::uint64_t window_validations(HWND hwnd) {
  const Window* w = find_window(hwnd);
  return w ? w->validations : 0;
}

void validate_window(HWND hwnd) {
  if (Window* w = find_window(hwnd)) {
    w->update = RECT{};
    w->erase_pending = false;
    ++w->validations;
  }
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  if (!hwnd) {
    const auto windows = top_level_windows();
    for (HWND top : windows) invalidate_tree(top);
    return TRUE;
  }
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  const RECT client{0, 0, w->width, w->height};
  const RECT area = rect ? intersection(*rect, client) : client;
  if (rect_empty(area)) return TRUE;
  w->update = bounding_union(w->update, area);
  if (erase) w->erase_pending = true;
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  if (!rect) {
    validate_window(hwnd);
    return TRUE;
  }
  w->update = subtract(w->update, *rect);
  if (rect_empty(w->update)) {
    w->update = RECT{};
    w->erase_pending = false;
  }
  ++w->validations;
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  const Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  if (is_shown(*w) && !rect_empty(w->update)) {
    MSG m;
    m.hwnd = hwnd;
    m.message = WM_PAINT;
    DispatchMessageA(&m);
  }
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL) {
  const Window* w = window_from_handle(hwnd);
  if (!w) return FALSE;
  if (rect) *rect = w->update;
  return rect_empty(w->update) ? FALSE : TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
  Window* w = window_from_handle(hwnd);
  if (!w) return {};
  if (!paint) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return {};
  }
  const bool erase = w->erase_pending;
  w->paint_rect = w->update;
  validate_window(hwnd);
  const HDC dc = open_dc(*w);
  paint->hdc = dc;
  paint->rcPaint = w->paint_rect;
  paint->fErase = FALSE;
  if (erase) {
    paint->fErase =
        SendMessageA(hwnd, WM_ERASEBKGND, static_cast<WPARAM>(dc.value), 0) == 0 ? TRUE : FALSE;
  }
  return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
  if (!paint || !release_dc(paint->hdc)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

HDC GetDC(HWND hwnd) {
  Window* w = window_from_handle(hwnd);
  return w ? open_dc(*w) : HDC{};
}

int ReleaseDC(HWND hwnd, HDC dc) {
  const auto* context = handle_table().get<DeviceContext>(dc.value, ObjectKind::DeviceContext);
  if (!context || context->window != hwnd || !release_dc(dc)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return 1;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
  Window* w = window_from_handle(hwnd);
  if (!w) return 0;
  std::unique_ptr<Region> owned;
  if (region) {
    std::unique_ptr<Object> object = handle_table().release(region.value, ObjectKind::Region);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return 0;
    }
    owned.reset(static_cast<Region*>(object.release()));
  }
  w->region = std::move(owned);
  for (HDC handle : w->open_dcs) {
    if (auto* dc = handle_table().get<DeviceContext>(handle.value, ObjectKind::DeviceContext)) {
      dc->clip = w->region.get();
    }
  }
  mark_screen_changed();
  if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
  const Window* w = window_from_handle(hwnd);
  if (!w) return ERROR;
  Region* target = handle_table().get<Region>(region.value, ObjectKind::Region);
  if (!target) {
    SetLastError(ERROR_INVALID_HANDLE);
    return ERROR;
  }
  if (!w->region) return ERROR;
  *target = *w->region;
  return target->complexity();
}

}  // namespace win
