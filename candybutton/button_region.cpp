#include "candybutton/button_region.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "candybutton/button_shape.h"
#include "candybutton/rounding.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/region_bands.h"
#include "platform/win/gdi/region_cache.h"

namespace candy {

ButtonRegions BuildButtonRegions(const ButtonFace& button) {
  const forms::DrawingSurface& surface = button.surface;
  const std::int32_t W = RoundToInt(surface.ScaleWidth());
  const std::int32_t H = RoundToInt(surface.ScaleHeight());
  const std::optional<std::int32_t> radius = button_corner_radius(button.m_Style, W, H);
  if (!radius) return {};
  std::int32_t corner_radius = button.m_CornerRadius;
  ButtonRegions regions;
  regions.outer = CreateRoundedRegion(0, 0, W, H, *radius, corner_radius);
  const std::int32_t W2 = RoundToInt(surface.ScaleWidth() - 2.0f);
  const std::int32_t H2 = RoundToInt(surface.ScaleHeight() - 2.0f);
  try {
    regions.inner = CreateRoundedRegion(1, 1, W2, H2, *radius, corner_radius);
  } catch (...) {
    win::DeleteObject(regions.outer);
    throw;
  }
  regions.m_CornerRadius = corner_radius;
  return regions;
}

void KeepButtonRegions(const ButtonRegions& regions, forms::DrawingSurface& surface,
                       win::HRGN& m_Region, std::int32_t& m_CornerRadius) {
  if (m_Region) win::DeleteObject(m_Region);
  m_Region = regions.inner;
  surface.SetWindowRgn(regions.outer);
  if (regions.m_CornerRadius) m_CornerRadius = *regions.m_CornerRadius;
}

namespace {

// The cut pixels of one row that the scan below visits, columns 0 .. last:
// only the first and the last of them matter to it.
struct RowCuts {
  std::int32_t first;
  std::int32_t last;
};

// Columns fall in three groups. Left of both the corner's end (x + R) and the
// right edge (x + width), the corner circle or the left edge leaves a run of
// cut pixels at the left and then only pixels inside (the circle's half
// chords shrink away from its centre). From x + R to x + width - R every pixel
// answers as the first of them. The rest, within the left half only in
// narrow shapes, are tested one by one.
// The first column in 0 .. end-1 that lies inside on this row, or end, where
// the columns before it are outside and those after inside. The search
// starts at the previous row's answer, which the next row's is usually
// within a few columns of, and widens its steps from there.
std::int64_t first_inside(const RoundedShape& shape, std::int32_t row, std::int64_t end,
                          std::int64_t hint) {
  auto inside = [&](std::int64_t c) { return shape.contains(std::int32_t(c), row); };
  std::int64_t lo = 0, hi = end;  // the answer lies in lo .. hi
  if (end <= 0) return 0;
  hint = std::clamp<std::int64_t>(hint, 0, end - 1);
  if (inside(hint)) {
    hi = hint;
    for (std::int64_t step = 1; hint - step >= 0; step *= 2) {
      if (!inside(hint - step)) {
        lo = hint - step + 1;
        break;
      }
      hi = hint - step;
    }
  } else {
    lo = hint + 1;
    for (std::int64_t step = 1; hint + step < end; step *= 2) {
      if (inside(hint + step)) {
        hi = hint + step;
        break;
      }
      lo = hint + step + 1;
    }
  }
  while (lo < hi) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    if (inside(mid)) hi = mid;
    else lo = mid + 1;
  }
  return std::min(lo, end);
}

std::optional<RowCuts> row_cuts(const RoundedShape& shape, std::int32_t x, std::int32_t width,
                                std::int32_t R, std::int32_t row, std::int32_t last,
                                std::int64_t& hint) {
  const std::int64_t run_end =
      std::min({std::int64_t(x) + R, std::int64_t(x) + width, std::int64_t(last) + 1});
  // Cut columns 0 .. run-1.
  const std::int64_t run = first_inside(shape, row, std::max<std::int64_t>(run_end, 0), hint);
  hint = run;
  const std::int64_t block_first = std::max<std::int64_t>(std::int64_t(x) + R, 0);
  const std::int64_t block_last = std::min<std::int64_t>(std::int64_t(x) + width - R, last);
  const bool block_cut =
      block_first <= block_last && !shape.contains(std::int32_t(block_first), row);
  std::optional<std::int64_t> first, final;
  if (run > 0) first = 0;
  auto cut = [&](std::int64_t c) {
    if (!first) first = c;
    final = c;
  };
  for (std::int64_t c = std::max<std::int64_t>(run_end, 0); c <= last; ++c) {
    if (c >= block_first && c <= block_last) {
      if (block_cut) {
        cut(c);
        cut(block_last);
      }
      c = block_last;
    } else if (!shape.contains(std::int32_t(c), row)) {
      cut(c);
    }
  }
  if (!first) return std::nullopt;
  if (!final) final = run - 1;
  return RowCuts{std::int32_t(*first), std::int32_t(*final)};
}

using Range = std::pair<std::int32_t, std::int32_t>;

// The XOR of three column ranges (either end first; empty ones allowed) as
// the spans of a band. A column is inside when an odd number of the six ends
// lie at or left of it, so with the ends sorted the spans are the pairs
// (0, 1), (2, 3) and (4, 5), the empty ones dropped and touching ones joined.
// The ends stay in scalars: kept in an array, the mixed-width stores and
// loads of its elements stall on store forwarding.
void xor_of(Range a, Range b, Range c, std::vector<win::RegionSpan>& spans) {
  std::int32_t e0 = std::min(a.first, a.second), e1 = std::max(a.first, a.second);
  std::int32_t e2 = std::min(b.first, b.second), e3 = std::max(b.first, b.second);
  std::int32_t e4 = std::min(c.first, c.second), e5 = std::max(c.first, c.second);
  // A sorting network: the same twelve compare-exchanges whatever the
  // order, so no branch to mispredict.
  auto order = [](std::int32_t& lo, std::int32_t& hi) {
    const std::int32_t low = std::min(lo, hi);
    hi = std::max(lo, hi);
    lo = low;
  };
  order(e0, e5), order(e1, e3), order(e2, e4);
  order(e1, e2), order(e3, e4);
  order(e0, e3), order(e2, e5);
  order(e0, e1), order(e2, e3), order(e4, e5);
  order(e1, e2), order(e3, e4);
  spans.clear();
  auto add = [&spans](std::int32_t left, std::int32_t right) {
    if (left == right) return;
    if (!spans.empty() && spans.back().right == left) spans.back().right = right;
    else spans.push_back({left, right});
  };
  add(e0, e1);
  add(e2, e3);
  add(e4, e5);
}

// The scan: row by row over the left half, the first cut pixel of a row
// closes the cut of the previous run of rows, once on the right half
// (mirrored) and once on the left, each an XOR of a rectangle into the
// region. The runs of rows follow each other down from row 0 and end above
// the starting rectangle's bottom, so the region is written band by band as
// the scan goes: each run's rows are the rectangle XOR its two cuts, the
// rows below the last run the rectangle alone.
// args: x, y, width, height, the corner radius (at least 1).
win::HRGN make_rounded_region(const win::RegionArgs& args) {
  const std::int32_t x = args[0], y = args[1], width = args[2], height = args[3];
  const std::int32_t corner_radius = args[4];
  const RoundedShape shape(x, y, width, height, corner_radius);
  if (y + height < 0) return win::CreateRectRgn(0, 0, x + width, y + height);
  const Range base{0, x + width};
  const Range none{0, 0};
  win::RegionBuilder region;
  region.reserve_bands(std::size_t(std::min(y + height + 1, 1 << 16)));
  // Equal neighbouring bands are joined before they are handed over.
  std::vector<win::RegionSpan> spans, pending;
  std::int32_t pending_top = 0, pending_bottom = 0;
  auto emit = [&](std::int32_t top, std::int32_t bottom, Range right_cut, Range left_cut) {
    xor_of(base, right_cut, left_cut, spans);
    if (top == pending_bottom && spans == pending) {
      pending_bottom = bottom;
      return;
    }
    region.append_band(pending_top, pending_bottom, pending);
    pending.clear();
    pending.swap(spans);
    pending_top = top;
    pending_bottom = bottom;
  };

  std::int32_t prev_col = 0;
  std::int32_t prev_row = 0;
  // The next row's run of cut pixels is guessed from the last two rows'
  // (the corner's edge moves by about as much from row to row); the search
  // checks the guess, so a wrong one costs only a few more tests.
  std::int64_t run = 0, prev_run = 0;
  for (std::int32_t row = 0; row <= y + height; ++row) {
    std::int64_t hint = 2 * run - prev_run;
    prev_run = run;
    const std::optional<RowCuts> cuts =
        row_cuts(shape, x, width, corner_radius, row, (x + width) / 2, hint);
    run = hint;
    if (!cuts) continue;
    if (row != prev_row) {
      const Range right_cut{x + width - prev_col, width - cuts->first};
      if (2 * prev_col != x + width) ++prev_col;
      emit(prev_row, row, right_cut, {cuts->first, prev_col});
    }
    prev_col = cuts->last;
    prev_row = row;
  }
  emit(prev_row, y + height, none, none);
  region.append_band(pending_top, pending_bottom, pending);
  return region.make_handle();
}

}  // namespace

// The same shape is asked for again and again (every button of a size, every
// first paint and render): it is made once and copied from then on.
win::HRGN CreateRoundedRegion(const std::int32_t& x, const std::int32_t& y,
                              const std::int32_t& width, const std::int32_t& height,
                              const std::int32_t& radius, std::int32_t& corner_radius) {
  corner_radius = radius < 1 ? 1 : radius;
  return win::CachedRegion(&make_rounded_region, {x, y, width, height, corner_radius, 0});
}

}  // namespace candy
