// Device contexts: lookup, the clip test, memory DCs and the background state.
#include "platform/win/gdi/dc.h"

#include <utility>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/gdi_objects.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/shape_memo.h"

namespace win {

bool DeviceContext::may_draw(std::int32_t x, std::int32_t y) const {
  return surface && surface->contains(x, y) && (!clip || clip->contains(x, y));
}

DeviceContext* dc_from_handle(HDC dc) {
  return handle_table().get<DeviceContext>(dc.value, ObjectKind::DeviceContext);
}

// A new memory DC draws nowhere until a bitmap is selected into it. The
// reference DC only has to be valid when given.
HDC CreateCompatibleDC(HDC dc) {
  if (dc && !dc_from_handle(dc)) return HDC{};
  auto memory = std::make_unique<DeviceContext>();
  memory->brush = HBRUSH{GetStockObject(WHITE_BRUSH)};
  memory->pen = HPEN{GetStockObject(BLACK_PEN)};
  memory->font = HFONT{GetStockObject(SYSTEM_FONT)};
  return HDC{handle_table().insert(ObjectKind::DeviceContext, std::move(memory))};
}

// Window DCs are released by the window module (ReleaseDC, EndPaint), not here.
BOOL DeleteDC(HDC dc) {
  const DeviceContext* target = dc_from_handle(dc);
  if (!target || target->window) return 0;
  if (Bitmap* bitmap = bitmap_from_handle(target->bitmap)) bitmap->selected_into = HDC{};
  give_back_shape_memo(std::move(target->shapes));
  return handle_table().remove(dc.value, ObjectKind::DeviceContext) ? 1 : 0;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target) return CLR_INVALID;
  const COLORREF previous = target->bk_color;
  target->bk_color = color & 0x00FFFFFF;
  return previous;
}

COLORREF GetBkColor(HDC dc) {
  const DeviceContext* target = dc_from_handle(dc);
  return target ? target->bk_color : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = target->bk_mode;
  target->bk_mode = mode;
  return previous;
}

int GetBkMode(HDC dc) {
  const DeviceContext* target = dc_from_handle(dc);
  return target ? target->bk_mode : 0;
}

}  // namespace win
