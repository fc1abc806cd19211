#include "platform/win/user/draw_state.h"

#include <string>
#include <string_view>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi_objects.h"
#include "platform/win/gdi/icon.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/stencil.h"
#include "platform/win/user/syscolor.h"
#include "platform/win/gdi/text_render.h"
#include "platform/win/kernel/codepage.h"
#include "platform/win/user/window.h"

namespace win {
namespace {

BOOL fail(DWORD error) {
  SetLastError(error);
  return 0;
}

// The one-colour states; false when the state asks for a brush that fails.
bool paint_state(DeviceContext& dc, int x, int y, HBRUSH brush, const Stencil& mask, UINT flags) {
  auto may_draw = [&](std::int32_t px, std::int32_t py) { return dc.may_draw(px, py); };
  if (flags & DSS_DISABLED) {
    paint_embossed(*dc.surface, x, y, mask, GetSysColor(COLOR_3DHILIGHT),
                   GetSysColor(COLOR_3DSHADOW), may_draw);
    return true;
  }
  const Brush* fill = brush_from_handle(brush);
  if (!fill) return false;
  if (!fill->hollow)
    paint_stencil(*dc.surface, x, y, mask, fill->color, StencilMode::Solid, may_draw);
  return true;
}

}  // namespace

BOOL DrawStateA(HDC dc, HBRUSH brush, DRAWSTATEPROC proc, LPARAM data, WPARAM, int x, int y, int cx,
                int cy, UINT flags) {
  DeviceContext* d = dc_from_handle(dc);
  if (!d) return fail(ERROR_INVALID_HANDLE);
  const UINT type = flags & 0x000F;
  if (proc || (type != DST_ICON && type != DST_BITMAP)) return fail(ERROR_INVALID_PARAMETER);

  const Surface* image = nullptr;
  const Icon* icon = nullptr;
  if (type == DST_ICON) {
    icon = icon_from_handle(HICON{static_cast<std::uint32_t>(data)});
    if (!icon) return fail(ERROR_INVALID_HANDLE);
    image = &icon->color;
  } else {
    const Bitmap* bitmap = bitmap_from_handle(HBITMAP{static_cast<std::uint32_t>(data)});
    if (!bitmap) return fail(ERROR_INVALID_HANDLE);
    image = &bitmap->surface;
  }
  if (!d->surface) return 1;
  if ((flags & (DSS_DISABLED | DSS_MONO)) == 0) {
    const Stencil mask = icon ? icon_stencil(*icon, cx, cy) : whole_stencil(*image, cx, cy);
    paint_image(*d->surface, x, y, *image, mask,
                [&](std::int32_t px, std::int32_t py) { return d->may_draw(px, py); });
    return 1;
  }
  const Stencil mask = icon ? icon_stencil(*icon, cx, cy) : ink_stencil(*image, cx, cy);
  return paint_state(*d, x, y, brush, mask, flags) ? 1 : fail(ERROR_INVALID_PARAMETER);
}

namespace {

template <class Char>
BOOL draw_state_text(DeviceContext& d, HBRUSH brush, std::basic_string_view<Char> raw, int x, int y,
                     int cx, int cy, UINT flags) {
  BasicPrefixText<Char> line;
  if ((flags & 0x000F) == DST_PREFIXTEXT) {
    line = resolve_prefixes(raw);
  } else {
    line.shown = std::basic_string<Char>(raw);
  }
  if (!d.surface) return 1;
  Stencil stencil = text_stencil(font_or_default(d.font), std::basic_string_view<Char>(line.shown),
                                 line.underlined);
  if (cx > 0 || cy > 0) stencil = crop(stencil, cx, cy);
  if (flags & (DSS_DISABLED | DSS_MONO)) {
    return paint_state(d, x, y, brush, stencil, flags) ? 1 : fail(ERROR_INVALID_PARAMETER);
  }
  // paint_stencil keeps to the surface itself; only the clip is left to test,
  // and without one the blending runs with no test at all.
  if (!d.clip) {
    paint_stencil(*d.surface, x, y, stencil, d.text_color, StencilMode::AntiAliased, Anywhere{});
    return 1;
  }
  paint_stencil(*d.surface, x, y, stencil, d.text_color, StencilMode::AntiAliased,
                [&](std::int32_t px, std::int32_t py) { return d.clip->contains(px, py); });
  return 1;
}

// The text forms' common part: a DC, a text type, a text, and a length of
// -1 or more, where 0 and -1 both mean up to the terminating zero.
template <class Char, class Draw>
BOOL draw_state_units(HDC dc, const Char* text, int length, UINT flags, Draw draw) {
  DeviceContext* d = dc_from_handle(dc);
  if (!d) return fail(ERROR_INVALID_HANDLE);
  const UINT type = flags & 0x000F;
  if ((type != DST_TEXT && type != DST_PREFIXTEXT) || !text || length < -1) {
    return fail(ERROR_INVALID_PARAMETER);
  }
  using View = std::basic_string_view<Char>;
  return draw(*d, length <= 0 ? View(text) : View(text, static_cast<std::size_t>(length)));
}

}  // namespace

BOOL DrawStateA(HDC dc, HBRUSH brush, std::nullptr_t, const char* text, int length, int x, int y,
                int cx, int cy, UINT flags) {
  return draw_state_units(dc, text, length, flags, [&](DeviceContext& d, std::string_view raw) {
    return draw_state_text(d, brush, raw, x, y, cx, cy, flags);
  });
}

BOOL DrawStateW(HDC dc, HBRUSH brush, std::nullptr_t, const WCHAR* text, int length, int x, int y,
                int cx, int cy, UINT flags) {
  return draw_state_units(
      dc, text, length, flags, [&](DeviceContext& d, std::u16string_view units) {
        const std::u32string raw = utf16_to_code_points(units);
        return draw_state_text(d, brush, std::u32string_view(raw), x, y, cx, cy, flags);
      });
}

}  // namespace win
