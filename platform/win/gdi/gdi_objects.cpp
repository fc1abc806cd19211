// Brushes, pens, stock objects, SelectObject and DeleteObject.
#include "platform/win/gdi/gdi_objects.h"

#include <utility>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/color.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"

namespace win {
namespace {

// Stock handles: generation 0 (never issued by the table), slot kStockTag | index.
constexpr std::uint32_t kStockTag = 0x000F0000;
constexpr std::uint32_t kStockMask = 0xFFFFFF00;
constexpr std::uint32_t kDefaultBitmapIndex = 0x3F;

// The stock object of an index, created on first use and never changed.
const Object* stock_object(std::uint32_t index) {
  static const auto make_brush = [](COLORREF color, bool hollow) {
    Brush brush;
    brush.color = color;
    brush.hollow = hollow;
    return brush;
  };
  static const auto make_pen = [](int style, COLORREF color) {
    Pen pen;
    pen.style = style;
    pen.color = color;
    return pen;
  };
  static const Brush brushes[] = {make_brush(0xFFFFFF, false), make_brush(0xC0C0C0, false),
                                  make_brush(0x808080, false), make_brush(0x404040, false),
                                  make_brush(0x000000, false), make_brush(0, true)};
  static const Pen pens[] = {make_pen(PS_SOLID, 0xFFFFFF), make_pen(PS_SOLID, 0x000000),
                             make_pen(PS_NULL, 0)};
  if (index <= 5) return &brushes[index];
  if (index <= 8) return &pens[index - 6];
  return nullptr;
}

}  // namespace

ObjectKind stock_kind(std::uint32_t handle) {
  if ((handle & kStockMask) != kStockTag) return ObjectKind::Count;
  const std::uint32_t index = handle & ~kStockMask;
  if (index <= 5) return ObjectKind::Brush;
  if (index <= 8) return ObjectKind::Pen;
  if ((index >= 10 && index <= 14) || index == 16 || index == 17) return ObjectKind::Font;
  if (index == kDefaultBitmapIndex) return ObjectKind::Bitmap;
  return ObjectKind::Count;
}

HBITMAP default_bitmap() { return HBITMAP{HGDIOBJ{kStockTag | kDefaultBitmapIndex}}; }

const Brush* brush_from_handle(HBRUSH brush) {
  if (stock_kind(brush.value) == ObjectKind::Brush)
    return static_cast<const Brush*>(stock_object(brush.value & ~kStockMask));
  return handle_table().get<Brush>(brush.value, ObjectKind::Brush);
}

const Pen* pen_from_handle(HPEN pen) {
  if (stock_kind(pen.value) == ObjectKind::Pen)
    return static_cast<const Pen*>(stock_object(pen.value & ~kStockMask));
  return handle_table().get<Pen>(pen.value, ObjectKind::Pen);
}

const Brush* selected_brush(HBRUSH brush) {
  return brush_from_handle(brush ? brush : HBRUSH{GetStockObject(WHITE_BRUSH)});
}

const Pen* selected_pen(HPEN pen) {
  return pen_from_handle(pen ? pen : HPEN{GetStockObject(BLACK_PEN)});
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto brush = std::make_unique<Brush>();
  brush->color = device_color(color);
  return HBRUSH{HGDIOBJ{handle_table().insert(ObjectKind::Brush, std::move(brush))}};
}

// A width of 0 or 1 draws one pixel wide; wider pens draw one pixel wide too.
HPEN CreatePen(int style, int width, COLORREF color) {
  if ((style != PS_SOLID && style != PS_NULL) || width < 0) return HPEN{};
  auto pen = std::make_unique<Pen>();
  pen->style = style;
  pen->width = width == 0 ? 1 : width;
  pen->color = device_color(color);
  return HPEN{HGDIOBJ{handle_table().insert(ObjectKind::Pen, std::move(pen))}};
}

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= static_cast<int>(kDefaultBitmapIndex)) return HGDIOBJ{};
  const std::uint32_t handle = kStockTag | static_cast<std::uint32_t>(index);
  return stock_kind(handle) == ObjectKind::Count ? HGDIOBJ{} : HGDIOBJ{handle};
}

HBRUSH SelectObject(HDC dc, HBRUSH brush) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target || !brush_from_handle(brush)) return HBRUSH{};
  const HBRUSH previous = target->brush ? target->brush : HBRUSH{GetStockObject(WHITE_BRUSH)};
  target->brush = brush;
  return previous;
}

HPEN SelectObject(HDC dc, HPEN pen) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target || !pen_from_handle(pen)) return HPEN{};
  const HPEN previous = target->pen ? target->pen : HPEN{GetStockObject(BLACK_PEN)};
  target->pen = pen;
  return previous;
}

// Fonts belong to the text module; a DC only remembers which one is selected.
HFONT SelectObject(HDC dc, HFONT font) {
  DeviceContext* target = dc_from_handle(dc);
  const bool known = stock_kind(font.value) == ObjectKind::Font ||
                     handle_table().lookup(font.value, ObjectKind::Font) != nullptr;
  if (!target || !known) return HFONT{};
  const HFONT previous = target->font ? target->font : HFONT{GetStockObject(SYSTEM_FONT)};
  target->font = font;
  return previous;
}

// Only memory DCs take bitmaps, and a bitmap is selected into one DC at a time.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
  DeviceContext* target = dc_from_handle(dc);
  if (!target || target->window) return HBITMAP{};
  Bitmap* next = bitmap == default_bitmap() ? nullptr : bitmap_from_handle(bitmap);
  if (!next && bitmap != default_bitmap()) return HBITMAP{};
  if (next && next->selected_into && next->selected_into != dc &&
      dc_from_handle(next->selected_into))
    return HBITMAP{};
  const HBITMAP previous = target->bitmap ? target->bitmap : default_bitmap();
  if (Bitmap* old = bitmap_from_handle(target->bitmap)) old->selected_into = HDC{};
  target->bitmap = bitmap == default_bitmap() ? HBITMAP{} : bitmap;
  target->surface = next ? &next->surface : nullptr;
  if (next) next->selected_into = dc;
  return previous;
}

// A region can't be selected: a DC's clip comes from its window.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  ObjectKind kind = stock_kind(object.value);
  if (kind == ObjectKind::Count) {
    for (ObjectKind k : {ObjectKind::Brush, ObjectKind::Pen, ObjectKind::Bitmap, ObjectKind::Font})
      if (handle_table().lookup(object.value, k)) kind = k;
  }
  switch (kind) {
    case ObjectKind::Brush: return SelectObject(dc, HBRUSH{object});
    case ObjectKind::Pen: return SelectObject(dc, HPEN{object});
    case ObjectKind::Bitmap: return SelectObject(dc, HBITMAP{object});
    case ObjectKind::Font: return SelectObject(dc, HFONT{object});
    default: return HGDIOBJ{};
  }
}

// Stock objects stay (and the call succeeds, as in Windows). A bitmap that a
// DC draws into can't be deleted: the DC would be left pointing at freed pixels.
BOOL DeleteObject(HGDIOBJ object) {
  if (stock_kind(object.value) != ObjectKind::Count) return 1;
  if (Bitmap* bitmap = handle_table().get<Bitmap>(object.value, ObjectKind::Bitmap)) {
    if (dc_from_handle(bitmap->selected_into)) return 0;
    keep_bitmap_pixels(std::move(bitmap->surface.pixels));
    return handle_table().remove(object.value, ObjectKind::Bitmap) ? 1 : 0;
  }
  for (ObjectKind kind : {ObjectKind::Region, ObjectKind::Brush, ObjectKind::Pen, ObjectKind::Font})
    if (handle_table().remove(object.value, kind)) return 1;
  return 0;
}

}  // namespace win
