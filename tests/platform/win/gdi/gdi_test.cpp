#include <gtest/gtest.h>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/gdi/region.h"

namespace win {
namespace {

struct Counts {
  std::size_t dcs, regions, brushes, pens, bitmaps;
  static Counts now() {
    return {live_objects(ObjectKind::DeviceContext), live_objects(ObjectKind::Region),
            live_objects(ObjectKind::Brush), live_objects(ObjectKind::Pen),
            live_objects(ObjectKind::Bitmap)};
  }
  bool operator==(const Counts&) const = default;
};

TEST(GdiObjects, CreatingAndDeletingEveryKindLeavesTheCountsAsTheyWere) {
  const Counts before = Counts::now();
  const HDC dc = CreateCompatibleDC(HDC{});
  const HBITMAP bmp = CreateCompatibleBitmap(dc, 4, 4);
  const HBRUSH brush = CreateSolidBrush(0x112233);
  const HPEN pen = CreatePen(PS_SOLID, 1, 0x445566);
  const HPEN null_pen = CreatePen(PS_NULL, 0, 0);
  const HRGN rgn = CreateRoundRectRgn(0, 0, 10, 10, 4, 4);
  EXPECT_EQ(live_objects(ObjectKind::Region), before.regions + 1);
  EXPECT_EQ(live_objects(ObjectKind::Pen), before.pens + 2);
  const HGDIOBJ old_bitmap = SelectObject(dc, bmp);
  const HGDIOBJ old_brush = SelectObject(dc, brush);
  const HGDIOBJ old_pen = SelectObject(dc, pen);
  Ellipse(dc, 0, 0, 4, 4);
  // Stock objects never count and never go away.
  EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(SelectObject(dc, old_brush), HGDIOBJ(brush));
  EXPECT_EQ(SelectObject(dc, old_pen), HGDIOBJ(pen));
  EXPECT_EQ(SelectObject(dc, old_bitmap), HGDIOBJ(bmp));
  for (HGDIOBJ object :
       {HGDIOBJ(bmp), HGDIOBJ(brush), HGDIOBJ(pen), HGDIOBJ(null_pen), HGDIOBJ(rgn)})
    EXPECT_TRUE(DeleteObject(object));
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_EQ(Counts::now(), before);
}

TEST(GdiObjects, DeletedAndWrongHandlesFailCleanly) {
  const HBRUSH brush = CreateSolidBrush(0);
  const HRGN rgn = CreateRectRgn(0, 0, 2, 2);
  const HDC dc = CreateCompatibleDC(HDC{});
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(HGDIOBJ{}));
  EXPECT_FALSE(SelectObject(dc, brush));
  RECT r{0, 0, 1, 1};
  EXPECT_FALSE(FillRect(dc, &r, brush));
  EXPECT_FALSE(FillRect(dc, &r, HBRUSH{HGDIOBJ{rgn.value}}));  // a region is not a brush
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_FALSE(SetPixelV(dc, 0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
  EXPECT_FALSE(LineTo(dc, 1, 1));
  EXPECT_FALSE(MoveToEx(dc, 1, 1, nullptr));
  EXPECT_FALSE(Ellipse(dc, 0, 0, 2, 2));
  EXPECT_FALSE(FillRgn(dc, rgn, HBRUSH{GetStockObject(BLACK_BRUSH)}));
  EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
  EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
  EXPECT_FALSE(CreateCompatibleDC(dc));
  EXPECT_FALSE(CreatePen(PS_SOLID, -1, 0));
  EXPECT_FALSE(CreatePen(42, 1, 0));
  EXPECT_FALSE(GetStockObject(-1));
  EXPECT_FALSE(GetStockObject(9));
  EXPECT_TRUE(DeleteObject(rgn));
}

TEST(GdiObjects, SelectObjectReturnsThePreviousObjectStartingWithStockOnes) {
  const HDC dc = CreateCompatibleDC(HDC{});
  const HBRUSH brush = CreateSolidBrush(0x010203);
  EXPECT_EQ(SelectObject(dc, brush), HBRUSH{GetStockObject(WHITE_BRUSH)});
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_BRUSH)), HGDIOBJ(brush));
  EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)), GetStockObject(SYSTEM_FONT));
  EXPECT_FALSE(SelectObject(dc, HGDIOBJ{0x12345}));
  DeleteObject(brush);
  DeleteDC(dc);
}

TEST(GdiObjects, ABitmapDrawnIntoCannotBeDeletedNorSelectedTwice) {
  const HDC a = CreateCompatibleDC(HDC{});
  const HDC b = CreateCompatibleDC(HDC{});
  const HBITMAP bmp = CreateCompatibleBitmap(a, 3, 2);
  SIZE size;
  ASSERT_TRUE(GetBitmapSize(bmp, &size));
  EXPECT_EQ(size, (SIZE{3, 2}));
  EXPECT_FALSE(SetPixelV(a, 0, 0, 0xFF));  // no surface before a bitmap is selected
  const HBITMAP initial = SelectObject(a, bmp);
  EXPECT_TRUE(initial);
  EXPECT_FALSE(SelectObject(b, bmp));
  EXPECT_TRUE(SetPixelV(a, 2, 1, 0xFF));
  EXPECT_EQ(bitmap_from_handle(bmp)->surface.at(2, 1), 0xFFu);
  EXPECT_FALSE(DeleteObject(bmp));
  EXPECT_EQ(SelectObject(a, initial), bmp);
  EXPECT_FALSE(SetPixelV(a, 0, 0, 0xFF));
  EXPECT_TRUE(SelectObject(b, bmp));
  DeleteDC(b);  // releases the bitmap
  EXPECT_TRUE(DeleteObject(bmp));
  DeleteDC(a);
  EXPECT_FALSE(CreateCompatibleBitmap(HDC{}, -1, 4));
  EXPECT_FALSE(CreateCompatibleBitmap(HDC{}, 100000, 100000));
}

TEST(Rects, ShrinkingPastEmptyInverts) {
  RECT r{1, 2, 5, 6};
  InflateRect(&r, 2, -2);
  EXPECT_EQ(r, (RECT{-1, 4, 7, 4}));
  EXPECT_TRUE(IsRectEmpty(&r));
  InflateRect(&r, 0, -1);
  EXPECT_EQ(r, (RECT{-1, 5, 7, 3}));
  EXPECT_TRUE(IsRectEmpty(&r));
  RECT a{0, 0, 4, 4}, touching{4, 0, 6, 4}, out{1, 1, 1, 1};
  EXPECT_FALSE(IntersectRect(&out, &a, &touching));
  EXPECT_EQ(out, (RECT{}));
  EXPECT_FALSE(PtInRect(&a, {4, 0}));
  EXPECT_FALSE(InflateRect(nullptr, 1, 1));
}

// Windows' rectangles wrap at the 32-bit range; they used to saturate here.
TEST(Rects, InflateAndOffsetWrapPastTheIntegerRangeAsWindowsDoes) {
  RECT r{0, 0, 10, 10};
  InflateRect(&r, 2147483647, 0);
  EXPECT_EQ(r, (RECT{-2147483647, 0, -2147483639, 10}));
  RECT full{-2147483647 - 1, 0, 2147483647, 3};
  InflateRect(&full, 1, 0);
  EXPECT_EQ(full, (RECT{2147483647, 0, -2147483647 - 1, 3}));
  RECT moved{5, 6, 2, 1};
  OffsetRect(&moved, 2147483647, -2);
  EXPECT_EQ(moved, (RECT{-2147483644, 4, -2147483647, -1}));
  InflateRect(&moved, -2147483647 - 1, 0);
  EXPECT_EQ(moved, (RECT{4, 4, 1, -1}));
}

}  // namespace
}  // namespace win
