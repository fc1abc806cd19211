// Rectangle helpers. Edges move in 32-bit two's-complement arithmetic and
// wrap on overflow, as Windows' do (a rectangle pushed past INT_MAX comes back
// from INT_MIN); the arithmetic is done unsigned so the wrap is defined.
#include <algorithm>

#include "platform/win/gdi/gdi.h"

namespace win {
namespace {

LONG wrap_add(LONG a, std::int64_t b) {
  return static_cast<LONG>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
  if (!rect) return 0;
  *rect = {left, top, right, bottom};
  return 1;
}

BOOL SetRectEmpty(RECT* rect) {
  if (!rect) return 0;
  *rect = {};
  return 1;
}

// Negative amounts shrink; the result may become empty or inverted.
BOOL InflateRect(RECT* rect, int dx, int dy) {
  if (!rect) return 0;
  *rect = {wrap_add(rect->left, -std::int64_t(dx)), wrap_add(rect->top, -std::int64_t(dy)),
           wrap_add(rect->right, dx), wrap_add(rect->bottom, dy)};
  return 1;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
  if (!rect) return 0;
  *rect = {wrap_add(rect->left, dx), wrap_add(rect->top, dy), wrap_add(rect->right, dx),
           wrap_add(rect->bottom, dy)};
  return 1;
}

// A null rectangle counts as empty.
BOOL IsRectEmpty(const RECT* rect) {
  return !rect || rect->right <= rect->left || rect->bottom <= rect->top ? 1 : 0;
}

BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b) {
  if (!out) return 0;
  if (!a || !b) {
    *out = {};
    return 0;
  }
  const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
               std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) {
    *out = {};
    return 0;
  }
  *out = r;
  return 1;
}

BOOL PtInRect(const RECT* rect, POINT pt) {
  return rect && pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top &&
                 pt.y < rect->bottom
             ? 1
             : 0;
}

}  // namespace win
