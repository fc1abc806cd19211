// A DC made after another was deleted starts with the shapes that one drew;
// what it draws stays what the plain Ellipse calls draw, and the memos kept
// for later DCs stay few and small.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/win/gdi/ellipse_stack.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/shape_memo.h"
#include "tests/platform/win/gdi/memory_dc.h"

namespace win {
namespace {

std::vector<EllipseRing> glow(int cx, int cy, int rx, int ry) {
  std::vector<EllipseRing> rings;
  RECT r{cx - rx, cy - ry, cx + rx, cy + ry};
  for (COLORREF c = 0x000010; !IsRectEmpty(&r); c += 0x030201) {
    rings.push_back({r, c});
    InflateRect(&r, -2, -1);
  }
  return rings;
}

void fill_ellipse(HDC dc, const RECT& box) {
  const EllipseRing ring{box, 0x0000FF};
  ASSERT_EQ(FillEllipseStack(dc, {&ring, 1}), 1);
}

// Takes every memo waiting: each new DC that draws takes one.
std::vector<std::unique_ptr<MemoryDc>> drain() {
  std::vector<std::unique_ptr<MemoryDc>> dcs;
  while (pooled_shape_memos() > 0) {
    dcs.push_back(std::make_unique<MemoryDc>(4, 4, 0));
    shape_memo(*dc_from_handle(dcs.back()->dc));
  }
  return dcs;
}

TEST(ShapeMemoPool, ANewDcDrawsWithTheMemoADeletedOneLeft) {
  const auto others = drain();
  const std::vector<EllipseRing> first = glow(30, 40, 50, 20), second = glow(25, 30, 40, 22);
  {
    MemoryDc m(60, 50, 0);
    FillEllipseStack(m.dc, first);
  }
  ASSERT_EQ(pooled_shape_memos(), 1u);
  MemoryDc plain_calls(60, 50, 0x123456), stacked(60, 50, 0x123456);
  ASSERT_EQ(plain::FillEllipseStack(plain_calls.dc, second), 1);
  ASSERT_EQ(FillEllipseStack(stacked.dc, second), 1);  // the memo holding `first`
  EXPECT_EQ(pooled_shape_memos(), 0u);
  EXPECT_EQ(stacked.pixels().pixels, plain_calls.pixels().pixels);
  ASSERT_EQ(FillEllipseStack(stacked.dc, first), 1);
  ASSERT_EQ(plain::FillEllipseStack(plain_calls.dc, first), 1);
  EXPECT_EQ(stacked.pixels().pixels, plain_calls.pixels().pixels);
}

TEST(ShapeMemoPool, FewAndSmallMemosAreKept) {
  auto others = drain();
  {
    MemoryDc large(8, 8, 0);
    for (int i = 0; i < int(kMaxPooledShapes) + 1; ++i) fill_ellipse(large.dc, {0, 0, 3 + i, 5});
  }
  EXPECT_EQ(pooled_shape_memos(), 0u);
  {
    MemoryDc tall(8, 8, 0);
    // Five corner tables of 30,000-odd rows each.
    for (int i = 0; i < 5; ++i) fill_ellipse(tall.dc, {0, 0, 5, 60000 + i});
  }
  EXPECT_EQ(pooled_shape_memos(), 0u);
  std::vector<std::unique_ptr<MemoryDc>> many;
  for (std::size_t i = 0; i < kPooledMemos + 3; ++i) {
    many.push_back(std::make_unique<MemoryDc>(8, 8, 0));
    fill_ellipse(many.back()->dc, {0, 0, 6, 6});
  }
  many.clear();
  EXPECT_EQ(pooled_shape_memos(), kPooledMemos);
}

}  // namespace
}  // namespace win
