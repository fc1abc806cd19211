#include "candybutton/button_region.h"

#include <gtest/gtest.h>

#include <utility>

#include "candybutton/button_shape.h"
#include "candybutton/candybutton.h"
#include "candybutton/rounded_region_scan.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/gdi/region.h"
#include "tests/candybutton/test_button.h"

namespace candy {
namespace {

using testing::TestButton;
using Span = std::pair<int, int>;  // first and last column, or (-1, -1)

Span row_span(win::HRGN rgn, int row, int width) {
  Span span{-1, -1};
  for (int c = -1; c <= width; ++c) {
    if (!win::PtInRegion(rgn, c, row)) continue;
    if (span.first < 0) span.first = c;
    span.second = c;
  }
  return span;
}

TEST(UpdateButtonRegion, Style3At121x89) {
  TestButton b(121, 89, 3);
  b.update_region();
  const win::HRGN outer = b.surface.window_region();
  ASSERT_TRUE(outer);
  EXPECT_EQ(b.m_CornerRadius, 12);
  const Span expected[] = {{-1, -1}, {9, 112}, {7, 114}, {5, 116},
                           {4, 117}, {3, 118}, {2, 119}, {2, 119}};
  for (int r = 0; r < 8; ++r) {
    EXPECT_EQ(row_span(outer, r, 121), expected[r]) << "row " << r;
    if (r > 0) {
      EXPECT_EQ(row_span(outer, 89 - r, 121), expected[r]) << "row " << 89 - r;
    }
  }
  for (int r = 8; r <= 81; ++r) EXPECT_EQ(row_span(outer, r, 121), Span(1, 120)) << "row " << r;
  EXPECT_EQ(row_span(outer, 89, 121), Span(-1, -1));
}

TEST(UpdateButtonRegion, RadiusPerStyleAt121x89) {
  for (int style : {2, 4, 5}) {
    TestButton b(121, 89, style);
    b.update_region();
    const win::HRGN outer = b.surface.window_region();
    EXPECT_EQ(b.m_CornerRadius, 45);
    EXPECT_EQ(row_span(outer, 1, 121), Span(39, 82));
    EXPECT_EQ(row_span(outer, 2, 121), Span(34, 87));
    EXPECT_EQ(row_span(outer, 3, 121), Span(31, 90));
    for (int r = 1; r <= 88; ++r) {
      const bool full = row_span(outer, r, 121) == Span(1, 120);
      EXPECT_EQ(full, r >= 37 && r <= 52) << "style " << style << " row " << r;
    }
  }
  TestButton six(121, 89, 6);
  six.update_region();
  EXPECT_EQ(six.m_CornerRadius, 29);
  TestButton seven(121, 89, 7);
  seven.update_region();
  EXPECT_EQ(seven.m_CornerRadius, 23);
}

TEST(CreateRoundedRegion, SmallShapeAndRadiusZero) {
  std::int32_t cr = 0;
  const win::HRGN rgn = CreateRoundedRegion(0, 0, 30, 20, 5, cr);
  EXPECT_EQ(cr, 5);
  EXPECT_EQ(row_span(rgn, 0, 30), Span(-1, -1));
  EXPECT_EQ(row_span(rgn, 1, 30), Span(3, 27));
  EXPECT_EQ(row_span(rgn, 19, 30), Span(3, 27));
  EXPECT_EQ(row_span(rgn, 2, 30), Span(2, 28));
  EXPECT_EQ(row_span(rgn, 18, 30), Span(2, 28));
  for (int r = 3; r <= 17; ++r) EXPECT_EQ(row_span(rgn, r, 30), Span(1, 29)) << r;
  win::DeleteObject(rgn);
  for (std::int32_t radius : {0, -3}) {
    const win::HRGN r0 = CreateRoundedRegion(0, 0, 30, 20, radius, cr);
    EXPECT_EQ(cr, 1);
    win::DeleteObject(r0);
  }
}

// The corner cuts reproduce the pixel test exactly whenever 2R <= width; for
// the inner region (offset 1) on its left half, when it is also taller than R
// (flatter inner shapes keep extra pixels in their corners).
TEST(CreateRoundedRegion, EqualsTheBruteForceShape) {
  for (int w = 1; w <= 30; ++w) {
    for (int h = 1; h <= 26; h += (h < 8 ? 1 : 5)) {
      for (int radius = 0; 2 * radius <= w; ++radius) {
        std::int32_t cr = 0;
        const win::HRGN outer = CreateRoundedRegion(0, 0, w, h, radius, cr);
        const win::HRGN inner = CreateRoundedRegion(1, 1, w - 2, h - 2, radius, cr);
        for (int r = -1; r <= h + 1; ++r) {
          for (int c = -1; c <= w + 1; ++c) {
            const bool in =
                c >= 0 && c < w && r >= 0 && r < h && PointInRoundedShape(c, r, 0, 0, w, h, cr);
            ASSERT_EQ(win::PtInRegion(outer, c, r) != 0, in)
                << w << "x" << h << " R" << radius << " at " << c << "," << r;
            if (2 * cr <= w - 2 && h - 2 > cr && c >= 0 && c <= (w - 1) / 2 && r >= 0) {
              ASSERT_EQ(win::PtInRegion(inner, c, r) != 0,
                        PointInRoundedShape(c, r, 1, 1, w - 2, h - 2, cr))
                  << "inner " << w << "x" << h << " R" << radius << " at " << c << "," << r;
            }
          }
        }
        win::DeleteObject(outer);
        win::DeleteObject(inner);
      }
    }
  }
}

// Built band by band, the region equals the one the scan defines, for every
// shape: narrow and flat ones, radii beyond the size, empty and inverted sizes.
TEST(CreateRoundedRegion, EqualsTheRegionBuiltOneCombineAtATime) {
  for (int offset = 0; offset <= 1; ++offset) {
    for (int w = -3; w <= 34; ++w) {
      for (int h = -3; h <= 30; h += (h < 10 ? 1 : 4)) {
        for (int radius = -1; radius <= 22; radius += (radius < 8 ? 1 : 3)) {
          std::int32_t cr = 0;
          const win::HRGN fast = CreateRoundedRegion(offset, offset, w, h, radius, cr);
          const win::HRGN model = CreateRoundedRegionByScan(offset, offset, w, h, radius);
          ASSERT_TRUE(win::EqualRgn(fast, model))
              << "offset " << offset << " " << w << "x" << h << " R" << radius;
          win::DeleteObject(fast);
          win::DeleteObject(model);
        }
      }
    }
  }
  for (const auto& [w, h] : {std::pair{121, 89}, {600, 400}, {7, 300}, {300, 7}}) {
    for (const int radius : {1, 12, h / 2 + 1, w / 3, w}) {
      std::int32_t cr = 0;
      const win::HRGN fast = CreateRoundedRegion(1, 1, w - 2, h - 2, radius, cr);
      const win::HRGN model = CreateRoundedRegionByScan(1, 1, w - 2, h - 2, radius);
      EXPECT_TRUE(win::EqualRgn(fast, model)) << w << "x" << h << " R" << radius;
      win::DeleteObject(fast);
      win::DeleteObject(model);
    }
  }
}

TEST(UpdateButtonRegion, RebuildKeepsTheLiveRegionCount) {
  TestButton b(121, 89, 2);
  b.update_region();
  const std::size_t live = win::live_objects(win::ObjectKind::Region);
  for (int i = 0; i < 5; ++i) b.update_region();
  EXPECT_EQ(win::live_objects(win::ObjectKind::Region), live);
}

TEST(UpdateButtonRegion, StyleWithoutShapeDropsBothRegions) {
  TestButton b(121, 89, 3);
  b.update_region();
  ASSERT_TRUE(b.m_Region);
  const std::size_t live = win::live_objects(win::ObjectKind::Region);
  b.m_Style = 0;
  b.update_region();
  EXPECT_FALSE(b.m_Region);
  EXPECT_FALSE(b.surface.window_region());
  EXPECT_EQ(b.m_CornerRadius, 12);
  EXPECT_EQ(win::live_objects(win::ObjectKind::Region), live - 2);
}

TEST(UpdateButtonRegion, IsTheControlsStandardRegionRebuild) {
  const CandyButtonParts parts = standard_parts();
  ASSERT_TRUE(parts.faces.update_button_region);
  TestButton b(121, 89, 6);
  KeepButtonRegions(parts.faces.update_button_region(b.face()), b.surface, b.m_Region,
                    b.m_CornerRadius);
  EXPECT_EQ(b.m_CornerRadius, 29);
  EXPECT_TRUE(b.m_Region);
  EXPECT_EQ(row_span(b.surface.window_region(), 44, 121), Span(1, 120));
}

}  // namespace
}  // namespace candy
