// Regions as y-x banded rectangles.
//
// A region is a set of pixels. We keep it as a list of bands: each band is a
// run of whole rows (top .. bottom-1) in which every row holds the same
// pixels, given as a sorted list of x-spans (left .. right-1). A rounded
// shape with a notch cut out of its bottom row:
//
//          x  0         1         2
//             0123456789012345678901
//   y = 0     .....############.....   band 0: rows 0..0  [5,17)
//   y = 1     ...################...   band 1: rows 1..1  [3,19)
//   y = 2     .####################.   band 2: rows 2..8  [1,21)
//    ...      .####################.
//   y = 8     .####################.
//   y = 9     ...######.....#####...   band 3: rows 9..9  [3,9) [14,19)
//
// The form is canonical, so that two equal pixel sets have equal band lists
// and operator== compares sets:
//   - bands are sorted by top and do not overlap; none is empty;
//   - two bands that touch (one's bottom is the next one's top) never have
//     the same spans: they would be one band;
//   - within a band, spans are non-empty, sorted, and neither overlap nor
//     touch (two touching spans would be one span).
//
// Boolean operations sweep both operands from the top: every y where either
// operand starts or ends a band cuts the plane into a slab in which both
// operands are constant; the slab's spans are the operation applied to two
// span lists, which is itself a sweep over x edges. Slabs are appended with
// append_band, which drops empty slabs and merges equal touching ones, so the
// result comes out canonical without a separate pass. Point tests are two
// binary searches: the band by its bottom, then the span by its right edge.
//
// Debug builds re-check the canonical form after every operation.
#include "platform/win/gdi/region.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>

namespace win {
namespace {

using Spans = std::vector<Region::Span>;
using SpanView = std::span<const Region::Span>;

enum class Op { And, Or, Xor, Diff };

template <Op op>
constexpr bool apply(bool a, bool b) {
  if constexpr (op == Op::And) return a && b;
  if constexpr (op == Op::Or) return a || b;
  if constexpr (op == Op::Xor) return a != b;
  return a && !b;
}

// The spans of `op` applied to two canonical span lists, canonical again: the
// output changes state only where one of the inputs has an edge, and both
// inputs' edges at the same x are taken together.
template <Op op>
void combine_spans(SpanView a, SpanView b, Spans& out) {
  out.clear();
  constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max();
  std::size_t i = 0, j = 0;
  bool in_a = false, in_b = false, inside = false;
  std::int32_t start = 0;
  for (;;) {
    const std::int64_t xa = i < a.size() ? (in_a ? a[i].right : a[i].left) : kNone;
    const std::int64_t xb = j < b.size() ? (in_b ? b[j].right : b[j].left) : kNone;
    const std::int64_t x = std::min(xa, xb);
    if (x == kNone) break;
    if (xa == x) {
      if (in_a) ++i;
      in_a = !in_a;
    }
    if (xb == x) {
      if (in_b) ++j;
      in_b = !in_b;
    }
    const bool now = apply<op>(in_a, in_b);
    if (now != inside) {
      if (now) start = static_cast<std::int32_t>(x);
      else out.push_back({start, static_cast<std::int32_t>(x)});
      inside = now;
    }
  }
}

void check_spans(SpanView spans) {
  for (std::size_t k = 0; k < spans.size(); ++k) {
    if (spans[k].left >= spans[k].right)
      throw std::invalid_argument("region span [" + std::to_string(spans[k].left) + ", " +
                                  std::to_string(spans[k].right) + ") is empty");
    if (k > 0 && spans[k - 1].right >= spans[k].left)
      throw std::invalid_argument("region spans overlap, touch or are unsorted at x=" +
                                  std::to_string(spans[k].left));
  }
}

#ifndef NDEBUG
void check_canonical(const std::vector<Region::Band>& bands) {
  for (std::size_t k = 0; k < bands.size(); ++k) {
    const Region::Band& band = bands[k];
    if (band.top >= band.bottom || band.spans.empty())
      throw std::logic_error("region has an empty band at y=" + std::to_string(band.top));
    check_spans(band.spans);
    if (k > 0) {
      const Region::Band& above = bands[k - 1];
      if (above.bottom > band.top)
        throw std::logic_error("region bands overlap at y=" + std::to_string(band.top));
      if (above.bottom == band.top && above.spans == band.spans)
        throw std::logic_error("region has mergeable bands at y=" + std::to_string(band.top));
    }
  }
}
#endif

template <Op op>
Region combine_bands(const Region& a, const Region& b) {
  const auto& ba = a.bands();
  const auto& bb = b.bands();
  const SpanView kNoSpans;
  Region out;
  Spans slab;
  std::size_t i = 0, j = 0;
  std::int32_t y = std::numeric_limits<std::int32_t>::min();
  while (i < ba.size() || j < bb.size()) {
    const bool a_here = i < ba.size() && ba[i].top <= y;
    const bool b_here = j < bb.size() && bb[j].top <= y;
    if (!a_here && !b_here) {
      // A gap in both operands: jump to the next band top.
      y = std::min(i < ba.size() ? ba[i].top : std::numeric_limits<std::int32_t>::max(),
                   j < bb.size() ? bb[j].top : std::numeric_limits<std::int32_t>::max());
      continue;
    }
    std::int32_t end = std::numeric_limits<std::int32_t>::max();
    if (i < ba.size()) end = std::min(end, a_here ? ba[i].bottom : ba[i].top);
    if (j < bb.size()) end = std::min(end, b_here ? bb[j].bottom : bb[j].top);
    combine_spans<op>(a_here ? ba[i].spans : kNoSpans, b_here ? bb[j].spans : kNoSpans, slab);
    if (!slab.empty()) out.append_band(y, end, slab);
    y = end;
    if (a_here && ba[i].bottom == y) ++i;
    if (b_here && bb[j].bottom == y) ++j;
  }
  return out;
}

}  // namespace

Region Region::rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  Region region;
  if (left < right && top < bottom) region.m_bands.push_back({top, bottom, {Span{left, right}}});
  return region;
}

void Region::append_band(std::int32_t top, std::int32_t bottom, std::span<const Span> spans) {
  if (top >= bottom || spans.empty()) return;
  check_spans(spans);
  if (!m_bands.empty()) {
    Band& last = m_bands.back();
    if (top < last.bottom)
      throw std::invalid_argument(
          "region band at y=" + std::to_string(top) +
          " starts above the end of the region (y=" + std::to_string(last.bottom) + ")");
    if (top == last.bottom && last.spans == spans) {
      last.bottom = bottom;
      return;
    }
  }
  m_bands.push_back({top, bottom, RegionSpanList(spans)});
}

Region Region::combine(const Region& a, const Region& b, int mode) {
  Region out;
  switch (mode) {
    case RGN_COPY: out = a; break;
    case RGN_AND: out = combine_bands<Op::And>(a, b); break;
    case RGN_OR: out = combine_bands<Op::Or>(a, b); break;
    case RGN_XOR: out = combine_bands<Op::Xor>(a, b); break;
    case RGN_DIFF: out = combine_bands<Op::Diff>(a, b); break;
    default:
      throw std::invalid_argument("CombineRgn mode " + std::to_string(mode) +
                                  " is not one of RGN_AND..RGN_COPY");
  }
#ifndef NDEBUG
  check_canonical(out.m_bands);
#endif
  return out;
}

// The rows top .. bottom-1 of the result are the old band, cut at the
// rectangle's top and bottom edges, with the rectangle's span combined into
// the part inside; rows of no band inside the rectangle get the rectangle
// alone. The pieces, with the untouched band on either side, are merged as
// append_band would and put back in place of the bands they came from.
void Region::combine_rect(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom, int mode) {
  if (mode != RGN_OR && mode != RGN_XOR && mode != RGN_DIFF)
    throw std::invalid_argument(
        "combining a rectangle in place takes RGN_OR, RGN_XOR or RGN_DIFF, not " +
        std::to_string(mode));
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (left == right || top == bottom) return;

  const Span rect_span{left, right};
  const SpanView rect(&rect_span, 1);
  auto op = [&](SpanView spans, Spans& out) {
    if (mode == RGN_OR) combine_spans<Op::Or>(spans, rect, out);
    else if (mode == RGN_XOR) combine_spans<Op::Xor>(spans, rect, out);
    else combine_spans<Op::Diff>(spans, rect, out);
  };

  // Rows of no band inside the rectangle: the same spans for every such gap.
  Spans gap_spans;
  op(SpanView{}, gap_spans);
  const RegionSpanList gap(gap_spans);

  const auto by_bottom = [](const Band& b, std::int32_t v) { return b.bottom <= v; };
  const auto by_top = [](const Band& b, std::int32_t v) { return b.top < v; };
  const std::size_t first = std::size_t(
      std::lower_bound(m_bands.begin(), m_bands.end(), top, by_bottom) - m_bands.begin());
  const std::size_t last = std::size_t(
      std::lower_bound(m_bands.begin() + std::ptrdiff_t(first), m_bands.end(), bottom, by_top) -
      m_bands.begin());
  // One untouched neighbour on each side, in case a piece merges with it.
  const std::size_t lo = first > 0 ? first - 1 : first;
  const std::size_t hi = last < m_bands.size() ? last + 1 : last;

  std::vector<Band> pieces;
  pieces.reserve(2 * (hi - lo) + 5);
  auto emit = [&](std::int32_t t, std::int32_t b, RegionSpanList&& spans) {
    if (t >= b || spans.empty()) return;
    if (!pieces.empty() && pieces.back().bottom == t && pieces.back().spans == spans) {
      pieces.back().bottom = b;
      return;
    }
    pieces.push_back({t, b, std::move(spans)});
  };

  if (lo < first) emit(m_bands[lo].top, m_bands[lo].bottom, std::move(m_bands[lo].spans));
  std::int32_t y = top;
  for (std::size_t k = first; k < last; ++k) {
    Band& band = m_bands[k];
    if (band.top < top) emit(band.top, top, RegionSpanList(band.spans));
    if (y < band.top) emit(y, band.top, RegionSpanList(gap));
    const std::int32_t inner_top = std::max(band.top, top);
    const std::int32_t inner_bottom = std::min(band.bottom, bottom);
    Spans inner;
    op(band.spans, inner);
    emit(inner_top, inner_bottom, RegionSpanList(inner));
    if (band.bottom > bottom) emit(bottom, band.bottom, std::move(band.spans));
    y = inner_bottom;
  }
  if (y < bottom) emit(y, bottom, RegionSpanList(gap));
  if (last < hi) emit(m_bands[last].top, m_bands[last].bottom, std::move(m_bands[last].spans));

  const std::size_t old_count = hi - lo;
  const std::size_t common = std::min(old_count, pieces.size());
  std::move(pieces.begin(), pieces.begin() + std::ptrdiff_t(common),
            m_bands.begin() + std::ptrdiff_t(lo));
  if (pieces.size() > old_count)
    m_bands.insert(m_bands.begin() + std::ptrdiff_t(lo + common),
                   std::make_move_iterator(pieces.begin() + std::ptrdiff_t(common)),
                   std::make_move_iterator(pieces.end()));
  else
    m_bands.erase(m_bands.begin() + std::ptrdiff_t(lo + common),
                  m_bands.begin() + std::ptrdiff_t(hi));
#ifndef NDEBUG
  check_canonical(m_bands);
#endif
}

bool Region::contains(std::int32_t x, std::int32_t y) const {
  if (m_last_band >= m_bands.size() || y < m_bands[m_last_band].top ||
      y >= m_bands[m_last_band].bottom) {
    const auto found = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                                        [](std::int32_t v, const Band& b) { return v < b.bottom; });
    if (found == m_bands.end() || y < found->top) return false;
    m_last_band = static_cast<std::size_t>(found - m_bands.begin());
  }
  const Band* band = &m_bands[m_last_band];
  const auto span = std::upper_bound(band->spans.begin(), band->spans.end(), x,
                                     [](std::int32_t v, const Span& s) { return v < s.right; });
  return span != band->spans.end() && x >= span->left;
}

RECT Region::bounds() const {
  if (m_bands.empty()) return {};
  RECT r{std::numeric_limits<LONG>::max(), m_bands.front().top, std::numeric_limits<LONG>::min(),
         m_bands.back().bottom};
  for (const Band& band : m_bands) {
    r.left = std::min(r.left, band.spans.front().left);
    r.right = std::max(r.right, band.spans.back().right);
  }
  return r;
}

std::int64_t Region::area() const {
  // A region can span the whole 32-bit plane, whose area overflows 64 bits.
  unsigned __int128 total = 0;
  for (const Band& band : m_bands) {
    std::uint64_t width = 0;
    for (const Span& span : band.spans)
      width += static_cast<std::uint64_t>(std::int64_t(span.right) - span.left);
    total += static_cast<unsigned __int128>(width) *
             static_cast<std::uint64_t>(std::int64_t(band.bottom) - band.top);
  }
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  return total > static_cast<unsigned __int128>(kMax) ? kMax : static_cast<std::int64_t>(total);
}

int Region::complexity() const {
  if (m_bands.empty()) return NULLREGION;
  return m_bands.size() == 1 && m_bands.front().spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// Coordinates move in 32-bit two's-complement arithmetic, as in Windows: a
// region pushed wholly past one end of the range comes back from the other.
// One that would straddle the end (part wrapped, part not) can't be kept
// ordered and is refused.
void Region::offset(std::int32_t dx, std::int32_t dy) {
  if (m_bands.empty()) return;
  const RECT box = bounds();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kWrap = std::int64_t(1) << 32;
  auto fits = [&](std::int64_t from, std::int64_t to, std::int64_t& d) {
    if (from + d > kMax) d -= kWrap;
    if (to + d < kMin) d += kWrap;
    return from + d >= kMin && to + d <= kMax;
  };
  std::int64_t wx = dx, wy = dy;
  if (!fits(box.left, box.right, wx) || !fits(box.top, box.bottom, wy))
    throw std::out_of_range("offsetting the region by (" + std::to_string(dx) + ", " +
                            std::to_string(dy) + ") splits it across the ends of the 32-bit range");
  // The wrapped amounts may lie outside 32 bits; the moved edges do not.
  auto move = [](std::int32_t& edge, std::int64_t by) {
    edge = static_cast<std::int32_t>(edge + by);
  };
  for (Band& band : m_bands) {
    move(band.top, wy);
    move(band.bottom, wy);
    for (Span& span : band.spans) {
      move(span.left, wx);
      move(span.right, wx);
    }
  }
}

}  // namespace win
