#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/win/gdi/region.h"

namespace win {
namespace {

std::vector<RegionSpan> spaced_spans(int count) {
  std::vector<RegionSpan> spans;
  for (int k = 0; k < count; ++k) spans.push_back({3 * k, 3 * k + 2});
  return spans;
}

// Lists on either side of the inline limit keep their spans through copies,
// moves and reassignment from longer or shorter lists.
TEST(RegionSpanList, KeepsItsSpansInlineAndOnTheHeap) {
  for (int count = 0; count <= 6; ++count) {
    const std::vector<RegionSpan> spans = spaced_spans(count);
    RegionSpanList list(spans);
    ASSERT_EQ(list.size(), spans.size());
    EXPECT_TRUE(list == std::span<const RegionSpan>(spans));
    const RegionSpanList copy = list;
    EXPECT_EQ(copy, list);
    RegionSpanList moved = std::move(list);
    EXPECT_EQ(moved, copy);
    EXPECT_TRUE(list.empty());  // a moved-from list reads as empty, never as stale spans
    EXPECT_EQ(list.begin(), list.end());
    for (int other = 0; other <= 6; ++other) {
      RegionSpanList reassigned(spaced_spans(other));
      reassigned = copy;
      EXPECT_EQ(reassigned, copy) << count << " over " << other;
      reassigned.assign(spaced_spans(other));
      EXPECT_TRUE(reassigned == std::span<const RegionSpan>(spaced_spans(other)));
    }
  }
  EXPECT_FALSE(RegionSpanList({{0, 2}}) == RegionSpanList({{0, 3}}));
  EXPECT_FALSE(RegionSpanList(spaced_spans(4)) == RegionSpanList(spaced_spans(3)));
}

// A band that grows past the inline spans and shrinks back, through the
// general sweep and the in-place rectangle step, reads the same either way.
TEST(RegionSpanList, BandsGrowPastTheInlineSpansAndShrinkBack) {
  Region swept, in_place;
  for (int k = 0; k < 6; ++k) {
    swept = Region::combine(swept, Region::rect(3 * k, 0, 3 * k + 2, 4), RGN_OR);
    in_place.combine_rect(3 * k, 0, 3 * k + 2, 4, RGN_OR);
    ASSERT_EQ(swept, in_place);
    ASSERT_EQ(swept.bands().size(), 1u);
    ASSERT_EQ(swept.bands()[0].spans.size(), std::size_t(k + 1));
  }
  swept.offset(5, -1);
  EXPECT_TRUE(swept.contains(5 + 15, 0));
  EXPECT_FALSE(swept.contains(5 + 17, 0));
  swept.offset(-5, 1);
  // Cut the middle rows: rows 1..2 keep only the outer spans.
  for (const int left : {3, 6, 9, 12}) {
    swept = Region::combine(swept, Region::rect(left, 1, left + 2, 3), RGN_DIFF);
    in_place.combine_rect(left, 1, left + 2, 3, RGN_DIFF);
  }
  ASSERT_EQ(swept, in_place);
  ASSERT_EQ(swept.bands().size(), 3u);
  EXPECT_EQ(swept.bands()[1].spans.size(), 2u);
  EXPECT_EQ(swept.bands()[0].spans, swept.bands()[2].spans);
  EXPECT_EQ(swept.bands()[0].spans.size(), 6u);
  EXPECT_EQ(swept.area(), 6 * 2 * 2 + 2 * 2 * 2);
}

}  // namespace
}  // namespace win
