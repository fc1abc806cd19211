#include <gtest/gtest.h>

#include <climits>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/fill_rect.h"
#include "tests/platform/win/gdi/memory_dc.h"
#include "platform/win/user/syscolor.h"
#include "platform/win/gdi/region.h"

namespace win {
namespace {

constexpr COLORREF kPaper = 0xFFFFFF;
constexpr COLORREF kInk = 0x0000FF;

// A memory DC over a small white bitmap, with a pen and a brush in kInk.
class Canvas {
 public:
  Canvas(int width, int height) {
    m_dc = CreateCompatibleDC(HDC{});
    m_bitmap = make_bitmap_handle(Surface(width, height, kPaper));
    m_old_bitmap = SelectObject(m_dc, m_bitmap);
    m_pen = CreatePen(PS_SOLID, 1, kInk);
    m_brush = CreateSolidBrush(kInk);
    m_old_pen = SelectObject(m_dc, m_pen);
    m_old_brush = SelectObject(m_dc, m_brush);
  }
  ~Canvas() {
    SelectObject(m_dc, m_old_pen);
    SelectObject(m_dc, m_old_brush);
    SelectObject(m_dc, m_old_bitmap);
    DeleteObject(m_pen);
    DeleteObject(m_brush);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  HDC dc() const { return m_dc; }
  HBRUSH brush() const { return m_brush; }
  Surface& surface() { return bitmap_from_handle(m_bitmap)->surface; }
  // '#' for ink, '.' for paper, '?' for anything else.
  std::vector<std::string> map() {
    std::vector<std::string> rows;
    const Surface& s = surface();
    for (int y = 0; y < s.height; ++y) {
      std::string row;
      for (int x = 0; x < s.width; ++x)
        row += s.at(x, y) == kInk ? '#' : s.at(x, y) == kPaper ? '.' : '?';
      rows.push_back(row);
    }
    return rows;
  }
  void line(int x0, int y0, int x1, int y1) {
    MoveToEx(m_dc, x0, y0, nullptr);
    LineTo(m_dc, x1, y1);
  }

 private:
  HDC m_dc;
  HBITMAP m_bitmap, m_old_bitmap;
  HPEN m_pen, m_old_pen;
  HBRUSH m_brush, m_old_brush;
};

using Map = std::vector<std::string>;

TEST(Lines, HorizontalAndVerticalExcludeTheEndPixel) {
  Canvas c(6, 5);
  c.line(1, 0, 5, 0);  // rightwards
  c.line(4, 2, 0, 2);  // leftwards: from 4 down to 1
  c.line(5, 1, 5, 4);  // downwards
  EXPECT_EQ(c.map(), (Map{".####.", ".....#", ".#####", ".....#", "......"}));
}

TEST(Lines, ZeroLengthDrawsNothingButMovesThePosition) {
  Canvas c(3, 3);
  c.line(1, 1, 1, 1);
  EXPECT_EQ(c.map(), (Map{"...", "...", "..."}));
  POINT previous;
  MoveToEx(c.dc(), 0, 0, &previous);
  EXPECT_EQ(previous, (POINT{1, 1}));
}

TEST(Lines, FortyFiveDegreesInAllFourDirections) {
  Canvas c(5, 5);
  c.line(0, 0, 3, 3);
  c.line(4, 0, 2, 2);
  c.line(0, 4, 1, 3);
  EXPECT_EQ(c.map(), (Map{"#...#", ".#.#.", "..#..", ".....", "#...."}));
}

TEST(Lines, ShallowSlopeTiesGoToTheSmallerCoordinate) {
  // dy/dx = 1/4: at x = 2 the true line is at y = 0.5, a tie, which goes to
  // row 0 whichever way the line runs.
  Canvas c(5, 2);
  c.line(0, 0, 4, 1);
  EXPECT_EQ(c.map(), (Map{"###..", "...#."}));
  Canvas d(5, 2);
  d.line(4, 1, 0, 0);
  EXPECT_EQ(d.map(), (Map{".##..", "...##"}));
}

TEST(Lines, SteepSlopeStepsAlongY) {
  Canvas c(3, 6);
  c.line(0, 0, 2, 5);  // x = 0.4·y: 0, 0.4, 0.8, 1.2, 1.6
  EXPECT_EQ(c.map(), (Map{"#..", "#..", ".#.", ".#.", "..#", "..."}));
}

TEST(Lines, NullPenDrawsNothingAndTheCurrentPositionMoves) {
  Canvas c(4, 1);
  const HGDIOBJ old = SelectObject(c.dc(), GetStockObject(NULL_PEN));
  c.line(0, 0, 4, 0);
  EXPECT_EQ(c.map(), (Map{"...."}));
  SelectObject(c.dc(), old);
  LineTo(c.dc(), 1, 0);  // from (4, 0) where the null line ended
  EXPECT_EQ(c.map(), (Map{"..##"}));
}

TEST(Lines, HugeCoordinatesAreClippedQuickly) {
  Canvas c(4, 3);
  c.line(-2000000000, 1, 2000000000, 1);
  c.line(2000000000, -2000000000, -2000000000, 2000000000);  // anti-diagonal through (0, 0)
  EXPECT_EQ(c.map(), (Map{"#...", "####", "...."}));
}

// Without a brush the same pixels as with one, inverted sides, clips and
// whole rows included; the colour's top byte does not reach the surface.
TEST(FillRect, TheBrushlessFillCoversWhatASolidBrushDoes) {
  const HRGN clip = CreateRectRgn(2, 1, 9, 5);
  for (const RECT& r :
       {RECT{1, 1, 6, 4}, RECT{8, 5, 2, 0}, RECT{-3, -2, 40, 40}, RECT{3, 3, 3, 9}}) {
    for (const bool clipped : {false, true}) {
      MemoryDc with(12, 7, 0xFFFFFF), without(12, 7, 0xFFFFFF);
      if (clipped) {
        dc_from_handle(with.dc)->clip = region_from_handle(clip);
        dc_from_handle(without.dc)->clip = region_from_handle(clip);
      }
      const HBRUSH brush = CreateSolidBrush(0x123456);
      EXPECT_TRUE(fill_rect(with.dc, &r, brush));
      DeleteObject(brush);
      EXPECT_TRUE(fill_solid_rect(without.dc, &r, 0x02123456));
      EXPECT_EQ(with.pixels().pixels, without.pixels().pixels)
          << r.left << "," << r.top << " " << clipped;
      dc_from_handle(with.dc)->clip = nullptr;
      dc_from_handle(without.dc)->clip = nullptr;
    }
  }
  EXPECT_FALSE(fill_solid_rect(HDC{}, nullptr, 0));
  DeleteObject(clip);
}

TEST(FillRect, ExcludesRightAndBottomAndIgnoresEmptyRects) {
  Canvas c(5, 4);
  RECT r{1, 1, 4, 3};
  EXPECT_TRUE(FillRect(c.dc(), &r, c.brush()));
  RECT empty{0, 0, 0, 4};
  FillRect(c.dc(), &empty, c.brush());
  EXPECT_EQ(c.map(), (Map{".....", ".###.", ".###.", "....."}));
  RECT huge{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647};
  EXPECT_TRUE(FillRect(c.dc(), &huge, c.brush()));
  EXPECT_EQ(c.map(), (Map{"#####", "#####", "#####", "#####"}));
}

// Inverted rectangles used to draw nothing; Windows fills them shifted by one.
TEST(FillRect, AnInvertedSideCoversFromTheSmallerEndPlusOneAsInWindows) {
  Canvas c(6, 5);
  RECT inverted{4, 3, 1, 1};
  EXPECT_TRUE(FillRect(c.dc(), &inverted, c.brush()));
  EXPECT_EQ(c.map(), (Map{"......", "......", "..###.", "..###.", "......"}));
  Canvas d(6, 5);
  RECT one_side{1, 3, 3, 1};
  FillRect(d.dc(), &one_side, d.brush());
  EXPECT_EQ(d.map(), (Map{"......", "......", ".##...", ".##...", "......"}));
}

// A COLOR_x + 1 brush value used to fail; Windows fills with that system colour.
TEST(FillRect, SystemColourPlusOneStandsForThatColoursBrush) {
  Canvas c(3, 1);
  RECT r{0, 0, 2, 1};
  EXPECT_TRUE(FillRect(c.dc(), &r, HBRUSH(static_cast<std::uint32_t>(COLOR_BTNSHADOW + 1))));
  EXPECT_EQ(c.surface().at(0, 0), 0x808080u);
  EXPECT_EQ(c.surface().at(1, 0), 0x808080u);
  EXPECT_EQ(c.surface().at(2, 0), kPaper);
  EXPECT_FALSE(FillRect(c.dc(), &r, HBRUSH(static_cast<std::uint32_t>(40))));
  const HRGN rgn = CreateRectRgn(0, 0, 1, 1);  // FillRgn is gdi32's and knows no system colours
  EXPECT_FALSE(FillRgn(c.dc(), rgn, HBRUSH(static_cast<std::uint32_t>(COLOR_BTNFACE + 1))));
  DeleteObject(rgn);
}

TEST(FillRect, InflatingToEmptyDrawsNothing) {
  Canvas c(4, 4);
  RECT r;
  SetRect(&r, 1, 1, 3, 3);
  InflateRect(&r, -1, -1);
  EXPECT_TRUE(IsRectEmpty(&r));
  FillRect(c.dc(), &r, c.brush());
  EXPECT_EQ(c.map(), (Map{"....", "....", "....", "...."}));
}

// Off the surface nothing is drawn, yet Windows reports success; it used to fail here.
TEST(Pixels, SettingOffTheSurfaceDrawsNothingAndSucceedsAsInWindows) {
  Canvas c(2, 2);
  EXPECT_TRUE(SetPixelV(c.dc(), 1, 0, 0x123456));
  EXPECT_EQ(GetPixel(c.dc(), 1, 0), 0x123456u);
  EXPECT_EQ(SetPixel(c.dc(), 0, 1, 0x00ABCDEF), 0x00ABCDEFu);
  EXPECT_TRUE(SetPixelV(c.dc(), 2, 0, kInk));
  EXPECT_TRUE(SetPixelV(c.dc(), -1, 0, kInk));
  EXPECT_EQ(SetPixel(c.dc(), 0, 5, kInk), kInk);
  EXPECT_EQ(GetPixel(c.dc(), 0, -1), CLR_INVALID);
  EXPECT_EQ(GetPixel(c.dc(), 0, 0), kPaper);
  EXPECT_EQ(c.map(), (Map{".?", "?."}));
}

// The top byte of a COLORREF picks palette indices; it used to be dropped.
TEST(Pixels, PaletteIndicesAndColourKindsResolveAsInWindows) {
  Canvas c(1, 1);
  const std::pair<COLORREF, COLORREF> cases[] = {
      {0x01000003, 0x008080}, {0x0100000E, 0x00FF00}, {0x01000013, 0xFFFFFF},
      {0x01000014, 0},        {0x01FF0003, 0x008080}, {0x03123456, 0},
      {0x02123456, 0x123456}, {0xFE123456, 0x123456}, {0x10FF0003, 0},
      {0x10ABCDEF, 0xABCDEF},
  };
  for (const auto& [color, stored] : cases) {
    EXPECT_EQ(SetPixel(c.dc(), 0, 0, color), stored) << std::hex << color;
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), stored) << std::hex << color;
  }
}

TEST(Clipping, DrawingStaysInsideTheClipRegion) {
  Canvas c(5, 3);
  const Region clip = Region::combine(Region::rect(0, 0, 5, 3), Region::rect(1, 1, 4, 2), RGN_DIFF);
  dc_from_handle(c.dc())->clip = &clip;
  RECT all{0, 0, 5, 3};
  FillRect(c.dc(), &all, c.brush());
  EXPECT_TRUE(SetPixelV(c.dc(), 2, 1, 0));
  EXPECT_EQ(GetPixel(c.dc(), 2, 1), CLR_INVALID);
  dc_from_handle(c.dc())->clip = nullptr;
  EXPECT_EQ(c.map(), (Map{"#####", "#...#", "#####"}));
}

// The elliptic region leaves out the last column and row of its box, so it
// matches a null-pen Ellipse of the box one pixel smaller.
TEST(Ellipse, NullPenFillsTheEllipticRegionOfTheBoxOnePixelLarger) {
  for (const RECT box : {RECT{0, 0, 7, 5}, RECT{1, 2, 12, 9}, RECT{0, 0, 3, 10}, RECT{12, 9, 1, 2},
                         RECT{-5, -3, 9, 8}}) {
    Canvas c(14, 11);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    Ellipse(c.dc(), box.left, box.top, box.right, box.bottom);
    const LONG l = std::min(box.left, box.right), r = std::max(box.left, box.right);
    const LONG t = std::min(box.top, box.bottom), b = std::max(box.top, box.bottom);
    const HRGN rgn = CreateEllipticRgn(l, t, r + 1, b + 1);
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 14; ++x)
        ASSERT_EQ(c.surface().at(x, y) == kInk, PtInRegion(rgn, x, y) != 0) << x << "," << y;
    DeleteObject(rgn);
  }
}

// Our ellipses used to take the pixels whose centres lie inside the
// inscribed ellipse; the reference walks the outline (round_box.cpp). Rows of
// two shapes recorded from the reference, as the inset of each row from the
// left and the right of the box.
TEST(Ellipse, RowsFollowTheReferencesOutlineWalk) {
  struct Case {
    int w, h;
    std::vector<int> insets;
  };
  const Case cases[] = {
      {20, 20, {7, 5, 4, 3, 2, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 2, 3, 4, 5, 7}},
      {40, 12, {12, 7, 4, 2, 1, 0, 0, 1, 2, 4, 7, 12}},
      // Tall and narrow: the walk turns to the columns late, and the tip is
      // one pixel.
      {7, 15, {3, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 3}},
      // The step into the fourth row would need two moves in: columns there.
      {11, 8, {3, 2, 1, 0, 0, 1, 2, 3}},
      // Flat: a tie between the pixel and the one below keeps the pixel.
      {31, 4, {5, 0, 0, 5}},
      // The walk reaches the middle columns before the tip rows: no pixel there.
      {4, 7, {2, 1, 0, 0, 0, 1, 2}},
  };
  for (const Case& k : cases) {
    Canvas c(k.w, k.h);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    Ellipse(c.dc(), 0, 0, k.w, k.h);
    for (int y = 0; y < k.h; ++y) {
      std::string expected(static_cast<std::size_t>(k.w), '#');
      const auto inset = static_cast<std::size_t>(k.insets[static_cast<std::size_t>(y)]);
      for (std::size_t x = 0; x < inset; ++x) expected[x] = expected[k.w - 1 - x] = '.';
      EXPECT_EQ(c.map()[static_cast<std::size_t>(y)], expected)
          << k.w << " x " << k.h << " row " << y;
    }
  }
}

// Thin null-pen ellipses used to fill their one column; Windows fills them as
// a null-pen Rectangle does, less the last column and row.
TEST(Ellipse, AThinNullPenEllipseFillsAsANullPenRectangle) {
  Canvas c(4, 6);
  SelectObject(c.dc(), GetStockObject(NULL_PEN));
  Ellipse(c.dc(), 0, 0, 1, 6);
  Ellipse(c.dc(), 1, 1, 3, 5);
  EXPECT_EQ(c.map(), (Map{"....", ".#..", ".#..", ".#..", "....", "...."}));
}

TEST(Ellipse, EightBySixAsTheReferenceDrawsIt) {
  Canvas c(8, 6);
  SelectObject(c.dc(), GetStockObject(NULL_PEN));
  Ellipse(c.dc(), 0, 0, 8, 6);
  EXPECT_EQ(c.map(), (Map{"..####..", ".######.", "########", "########", ".######.", "..####.."}));
}

TEST(Ellipse, PenDrawsTheRingAndTheBrushTheInside) {
  Canvas c(8, 6);
  const HBRUSH inside = CreateSolidBrush(0x00FF00);
  const HGDIOBJ old = SelectObject(c.dc(), inside);
  Ellipse(c.dc(), 0, 0, 8, 6);
  SelectObject(c.dc(), old);
  DeleteObject(inside);
  EXPECT_EQ(c.map(), (Map{"..####..", ".#????#.", "#??????#", "#??????#", ".#????#.", "..####.."}));
}

// A one-pixel pen draws every pixel of the shape that has a neighbour above,
// below, left or right outside it: where the outline steps two columns in a
// row, the ring is two pixels wide there (the brush used to reach them).
TEST(Ellipse, PenRingIsThePixelsWithANeighbourOutside) {
  Canvas c(13, 4);
  const HBRUSH inside = CreateSolidBrush(0x00FF00);
  const HGDIOBJ old = SelectObject(c.dc(), inside);
  Ellipse(c.dc(), 0, 0, 13, 4);
  EXPECT_EQ(c.map(), (Map{"..#########..", "##?????????##", "##?????????##", "..#########.."}));
  // A 1 x 1 box draws nothing with a pen, as Rectangle does; a box two pixels
  // across is all ring.
  SelectObject(c.dc(), old);
  DeleteObject(inside);
  Canvas small(6, 4);
  Ellipse(small.dc(), 5, 1, 6, 2);
  Ellipse(small.dc(), 0, 0, 2, 4);
  EXPECT_EQ(small.map(), (Map{"##....", "##....", "##....", "##...."}));
}

// RoundRect is the round box of its box (CreateRoundRectRgn of the box one
// larger) drawn as Ellipse draws; corners at most two pixels across or down
// draw a Rectangle.
TEST(RoundRect, RoundCornersLikeTheRegionAndNarrowOnesAsARectangle) {
  Canvas c(9, 6);
  SelectObject(c.dc(), GetStockObject(NULL_PEN));
  RoundRect(c.dc(), 0, 0, 9, 6, 4, 4);
  const HRGN rgn = CreateRoundRectRgn(0, 0, 10, 7, 4, 4);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 9; ++x)
      ASSERT_EQ(c.surface().at(x, y) == kInk, PtInRegion(rgn, x, y) != 0) << x << "," << y;
  DeleteObject(rgn);
  Canvas square(5, 4);
  SelectObject(square.dc(), GetStockObject(NULL_PEN));
  RoundRect(square.dc(), 0, 0, 5, 4, 9, 2);
  EXPECT_EQ(square.map(), (Map{"####.", "####.", "####.", "....."}));
  Canvas pen(5, 4);
  const HBRUSH inside = CreateSolidBrush(0x00FF00);
  const HGDIOBJ old = SelectObject(pen.dc(), inside);
  RoundRect(pen.dc(), 0, 0, 5, 4, 2, 9);
  EXPECT_EQ(pen.map(), (Map{"#####", "#???#", "#???#", "#####"}));
  SelectObject(pen.dc(), old);
  DeleteObject(inside);
  EXPECT_TRUE(RoundRect(pen.dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MAX));
  EXPECT_EQ(pen.map(), (Map(4, "#####")));
}

TEST(Ellipse, HollowBrushDrawsOnlyTheRingAndHugeBoxesAreClipped) {
  Canvas c(8, 6);
  SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
  Ellipse(c.dc(), 0, 0, 8, 6);
  EXPECT_EQ(c.map(), (Map{"..####..", ".#....#.", "#......#", "#......#", ".#....#.", "..####.."}));
  SelectObject(c.dc(), c.brush());
  SelectObject(c.dc(), GetStockObject(NULL_PEN));
  EXPECT_TRUE(Ellipse(c.dc(), -2000000000, -2000000000, 2000000000, 2000000000));
  EXPECT_EQ(c.map(), (Map(6, "########")));
}

TEST(FillRgn, FillsTheRegionsPixelsOnly) {
  Canvas c(5, 3);
  const HRGN a = CreateRectRgn(0, 0, 5, 3);
  const HRGN hole = CreateRectRgn(1, 1, 3, 2);
  CombineRgn(a, a, hole, RGN_XOR);
  EXPECT_TRUE(FillRgn(c.dc(), a, c.brush()));
  EXPECT_EQ(c.map(), (Map{"#####", "#..##", "#####"}));
  DeleteObject(a);
  DeleteObject(hole);
}

TEST(Rectangle, PenOutlineInsideTheBoxAndBrushInside) {
  Canvas c(5, 4);
  const HGDIOBJ old = SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
  Rectangle(c.dc(), 0, 0, 4, 4);
  SelectObject(c.dc(), old);
  EXPECT_EQ(c.map(), (Map{"####.", "#..#.", "#..#.", "####."}));
}

// A null-pen Rectangle used to fill the whole box; Windows leaves out its
// last column and row, and draws nothing for a 1 × 1 box with a pen.
TEST(Rectangle, NullPenFillsTheBoxLessItsLastColumnAndRowAsInWindows) {
  Canvas c(5, 4);
  SelectObject(c.dc(), GetStockObject(NULL_PEN));
  EXPECT_TRUE(Rectangle(c.dc(), 4, 3, 0, 0));
  EXPECT_EQ(c.map(), (Map{"###..", "###..", ".....", "....."}));
  Canvas d(3, 3);
  EXPECT_TRUE(Rectangle(d.dc(), 1, 1, 2, 2));
  EXPECT_EQ(d.map(), (Map{"...", "...", "..."}));
}

TEST(BitBlt, CopiesAndClipsToBothSurfaces) {
  Canvas src(3, 2), dst(4, 3);
  SetPixelV(src.dc(), 0, 0, kInk);
  SetPixelV(src.dc(), 2, 1, kInk);
  EXPECT_TRUE(BitBlt(dst.dc(), 2, 1, 3, 2, src.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst.map(), (Map{"....", "..#.", "...."}));
  EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, 0x00EE0086));
}

}  // namespace
}  // namespace win
