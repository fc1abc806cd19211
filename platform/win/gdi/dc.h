// A device context: where drawing goes and with what. Window DCs are made by
// the window module (GetDC, BeginPaint) and memory DCs by CreateCompatibleDC;
// whoever owns the target keeps `surface` and `clip` valid while the DC lives
// (SetWindowRgn updates the clip of its window's open DCs, SelectObject of a
// bitmap points a memory DC at the bitmap's bits).
#pragma once

#include <memory>

#include "platform/win/kernel/handles.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace win {

class Region;
class ShapeMemo;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

struct DeviceContext : Object {
  Surface* surface = nullptr;    // null: the DC draws nothing
  const Region* clip = nullptr;  // pixels outside it are not drawn; null: no clip
  HWND window;                   // 0 for a memory DC
  HBITMAP bitmap;                // the bitmap selected into a memory DC
  HBRUSH brush;                  // selected objects; stock objects by default
  HPEN pen;
  HFONT font;
  COLORREF text_color = 0x000000;
  COLORREF bk_color = 0xFFFFFF;
  int bk_mode = OPAQUE;
  POINT position;  // current position for MoveToEx/LineTo
  // The ellipses drawn lately (shape_memo.h); made on first use.
  mutable std::shared_ptr<ShapeMemo> shapes;

  bool may_draw(std::int32_t x, std::int32_t y) const;  // inside surface and clip
};

// The DC behind a handle, or null when the handle is not a live DC.
DeviceContext* dc_from_handle(HDC dc);

}  // namespace win
