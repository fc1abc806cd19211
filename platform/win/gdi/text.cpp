#include "platform/win/gdi/text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/raster_span.h"
#include "platform/win/gdi/text_render.h"
#include "platform/win/kernel/codepage.h"
#include "platform/win/kernel/last_error.h"

namespace win {
namespace {

DeviceContext* checked_dc(HDC dc) {
  DeviceContext* found = dc_from_handle(dc);
  if (!found) SetLastError(ERROR_INVALID_HANDLE);
  return found;
}

// The text a pointer and a length name, or false for a null pointer with a
// length or a negative length (-1 allowed where it means zero-terminated).
template <class Char>
bool text_view(const Char* text, int length, bool allow_terminated,
               std::basic_string_view<Char>* out) {
  if (length == -1 && allow_terminated && text) {
    *out = std::basic_string_view<Char>(text);
    return true;
  }
  if (length < 0 || (length > 0 && !text)) return false;
  *out = text ? std::basic_string_view<Char>(text, static_cast<std::size_t>(length))
              : std::basic_string_view<Char>();
  return true;
}

// The W functions' text as the code points the layout takes.
bool wide_text(const WCHAR* text, int length, bool allow_terminated, std::u32string* out) {
  std::u16string_view view;
  if (!text_view(text, length, allow_terminated, &view)) return false;
  *out = utf16_to_code_points(view);
  return true;
}

void fill_cell(const DeviceContext& dc, const RECT& cell, const RECT* limit) {
  RECT area = cell;
  if (limit) IntersectRect(&area, &cell, limit);
  for (LONG y = area.top; y < area.bottom; ++y)
    fill_span(dc, y, area.left, area.right, dc.bk_color & 0x00FFFFFF);
}

// Draws the text's cell at (x, y) with the DC's colours, inside `limit` when given.
template <class Char>
void draw_line(DeviceContext& dc, int x, int y, std::basic_string_view<Char> text,
               const std::vector<std::size_t>& underlined, const RECT* limit) {
  if (!dc.surface) return;
  const Font& font = font_or_default(dc.font);
  if (dc.bk_mode == OPAQUE) {
    const SIZE extent = text_extent(font, text);
    fill_cell(dc, RECT{x, y, x + extent.cx, y + extent.cy}, limit);
  }
  const Stencil stencil = text_stencil(font, text, underlined);
  paint_stencil(*dc.surface, x, y, stencil, dc.text_color, StencilMode::AntiAliased,
                [&](std::int32_t px, std::int32_t py) {
                  if (limit && !PtInRect(limit, POINT{px, py})) return false;
                  return dc.may_draw(px, py);
                });
}

}  // namespace

COLORREF SetTextColor(HDC dc, COLORREF color) {
  DeviceContext* d = checked_dc(dc);
  if (!d) return CLR_INVALID;
  const COLORREF previous = d->text_color;
  d->text_color = color;
  return previous;
}

COLORREF GetTextColor(HDC dc) {
  const DeviceContext* d = checked_dc(dc);
  return d ? d->text_color : CLR_INVALID;
}

BOOL TextOutA(HDC dc, int x, int y, const char* text, int length) {
  DeviceContext* d = checked_dc(dc);
  if (!d) return 0;
  std::string_view view;
  if (!text_view(text, length, false, &view)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  draw_line(*d, x, y, view, {}, nullptr);
  return 1;
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int length, SIZE* size) {
  const DeviceContext* d = checked_dc(dc);
  if (!d) return 0;
  std::string_view view;
  if (!size || !text_view(text, length, false, &view)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  *size = text_extent(font_or_default(d->font), view);
  return 1;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
  const DeviceContext* d = checked_dc(dc);
  if (!d) return 0;
  if (!metrics) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const Font& font = font_or_default(d->font);
  const FontMetrics& m = font.face->metrics();
  TEXTMETRICA tm;
  tm.tmHeight = m.height;
  tm.tmAscent = m.ascent;
  tm.tmDescent = m.descent;
  tm.tmInternalLeading = std::max(0, m.height - font.face->pixel_size());
  tm.tmAveCharWidth = m.average_width;
  for (int c = 0x20; c < 0x100; ++c) {
    tm.tmMaxCharWidth =
        std::max(tm.tmMaxCharWidth, font.face->glyph(static_cast<unsigned char>(c)).advance);
  }
  tm.tmWeight = font.log.lfWeight <= 0 ? 400 : font.log.lfWeight;
  tm.tmItalic = font.log.lfItalic ? 1 : 0;
  tm.tmUnderlined = font.underline() ? 1 : 0;
  tm.tmStruckOut = font.strike_out() ? 1 : 0;
  tm.tmCharSet = font.log.lfCharSet;
  *metrics = tm;
  return 1;
}

namespace {

template <class Char>
int draw_text(DeviceContext& d, std::basic_string_view<Char> view, RECT* rect, UINT format) {
  BasicPrefixText<Char> line;
  if (format & DT_NOPREFIX) {
    line.shown = std::basic_string<Char>(view);
  } else {
    line = resolve_prefixes(view);
  }
  const std::basic_string_view<Char> shown(line.shown);
  const SIZE extent = text_extent(font_or_default(d.font), shown);
  if (format & DT_CALCRECT) {
    rect->right = rect->left + extent.cx;
    rect->bottom = rect->top + extent.cy;
    return extent.cy;
  }
  int x = rect->left;
  if (format & DT_CENTER) {
    x = rect->left + (rect->right - rect->left - extent.cx) / 2;
  } else if (format & DT_RIGHT) {
    x = rect->right - extent.cx;
  }
  int y = rect->top;
  if (format & DT_VCENTER) {
    y = rect->top + (rect->bottom - rect->top - extent.cy) / 2;
  } else if (format & DT_BOTTOM) {
    y = rect->bottom - extent.cy;
  }
  draw_line(d, x, y, shown, line.underlined, (format & DT_NOCLIP) ? nullptr : rect);
  return extent.cy;
}

}  // namespace

int DrawTextA(HDC dc, const char* text, int length, RECT* rect, UINT format) {
  DeviceContext* d = checked_dc(dc);
  if (!d) return 0;
  std::string_view view;
  if (!rect || !text_view(text, length, true, &view)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return draw_text(*d, view, rect, format);
}

BOOL TextOutW(HDC dc, int x, int y, const WCHAR* text, int length) {
  DeviceContext* d = checked_dc(dc);
  if (!d) return 0;
  std::u32string line;
  if (!wide_text(text, length, false, &line)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  draw_line(*d, x, y, std::u32string_view(line), {}, nullptr);
  return 1;
}

BOOL GetTextExtentPoint32W(HDC dc, const WCHAR* text, int length, SIZE* size) {
  const DeviceContext* d = checked_dc(dc);
  if (!d) return 0;
  std::u32string line;
  if (!size || !wide_text(text, length, false, &line)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  *size = text_extent(font_or_default(d->font), std::u32string_view(line));
  return 1;
}

int DrawTextW(HDC dc, const WCHAR* text, int length, RECT* rect, UINT format) {
  DeviceContext* d = checked_dc(dc);
  if (!d) return 0;
  std::u32string line;
  if (!rect || !wide_text(text, length, true, &line)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return draw_text(*d, std::u32string_view(line), rect, format);
}

}  // namespace win
