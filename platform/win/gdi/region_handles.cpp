// The Windows region functions over Region objects in the handle table.
#include <algorithm>
#include <exception>
#include <utility>

#include "platform/win/gdi/region.h"
#include "platform/win/gdi/round_box.h"

namespace win {
namespace {

// A rounded region is built one corner row at a time; taller corners than
// this are refused (the call fails) rather than allowed to run for minutes.
constexpr std::int64_t kMaxCornerRows = 1 << 16;

// Windows leaves the last column and row of the box out of a round or
// elliptic region (callers pass w + 1, h + 1 to cover a w × h window). Each
// side is put in order first and then shortened by one, so a side of length
// 1 is empty and one of length 0 becomes the single column or row before it.
void exclusive_side(std::int64_t& from, std::int64_t& to) {
  if (from > to) std::swap(from, to);
  --to;
  if (from > to) std::swap(from, to);
}

RoundBox region_box(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                    std::int64_t corner_width, std::int64_t corner_height) {
  exclusive_side(left, right);
  exclusive_side(top, bottom);
  return RoundBox::make(left, top, right, bottom, corner_width, corner_height);
}

HRGN make_round_region(const RoundBox& box) {
  if (box.corner_height > kMaxCornerRows) return HRGN{};
  Region region;
  if (box.empty()) return make_region_handle(std::move(region));
  auto add_row = [&](std::int64_t y) {
    std::int64_t x0, x1;
    if (box.row(y, x0, x1))
      region.append_band(static_cast<std::int32_t>(y), static_cast<std::int32_t>(y + 1),
                         {{static_cast<std::int32_t>(x0), static_cast<std::int32_t>(x1)}});
  };
  // Rows above and below the corners are full: one band for all of them.
  const std::int64_t upper_end = std::min(box.top + box.corner_height / 2 + 1, box.bottom);
  const std::int64_t lower_start = std::max(box.bottom - box.corner_height / 2 - 1, upper_end);
  for (std::int64_t y = box.top; y < upper_end; ++y) add_row(y);
  if (lower_start > upper_end)
    region.append_band(
        static_cast<std::int32_t>(upper_end), static_cast<std::int32_t>(lower_start),
        {{static_cast<std::int32_t>(box.left), static_cast<std::int32_t>(box.right)}});
  for (std::int64_t y = lower_start; y < box.bottom; ++y) add_row(y);
  return make_region_handle(std::move(region));
}

}  // namespace

Region* region_from_handle(HRGN rgn) {
  return handle_table().get<Region>(rgn.value, ObjectKind::Region);
}

HRGN make_region_handle(Region region) {
  return HRGN{HGDIOBJ{
      handle_table().insert(ObjectKind::Region, std::make_unique<Region>(std::move(region)))}};
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return make_region_handle(Region::rect(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  if (!rect) return HRGN{};
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
  return make_round_region(region_box(left, top, right, bottom, width, height));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  std::int64_t l = left, t = top, r = right, b = bottom;
  exclusive_side(l, r);
  exclusive_side(t, b);
  return make_round_region(RoundBox::ellipse(l, t, r, b));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  Region* out = region_from_handle(dest);
  const Region* a = region_from_handle(src1);
  const Region* b = mode == RGN_COPY ? a : region_from_handle(src2);
  if (!out || !a || !b || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  // A rectangle combined into a region (the button's shape is built that
  // way, row by row) changes only the rows it covers: done in place.
  const bool rect_operand = b->complexity() == SIMPLEREGION && b != out &&
                            (mode == RGN_OR || mode == RGN_XOR || mode == RGN_DIFF);
  try {
    if (rect_operand) {
      const Region::Band& band = b->bands().front();
      if (out != a) *out = *a;
      out->combine_rect(band.spans.front().left, band.top, band.spans.front().right, band.bottom,
                        mode);
    } else {
      *out = Region::combine(*a, *b, mode);
    }
  } catch (const std::exception&) {
    // Only running out of memory gets here; an in-place step may have been
    // half done, so the destination is left empty rather than torn.
    if (rect_operand) *out = Region{};
    return ERROR;
  }
  return out->complexity();
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
  const Region* region = region_from_handle(rgn);
  return region && region->contains(x, y) ? 1 : 0;
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  Region* region = region_from_handle(rgn);
  if (!region) return ERROR;
  try {
    region->offset(dx, dy);
  } catch (const std::out_of_range&) {
    return ERROR;
  }
  return region->complexity();
}

int GetRgnBox(HRGN rgn, RECT* rect) {
  const Region* region = region_from_handle(rgn);
  if (!region || !rect) return ERROR;
  *rect = region->bounds();
  return region->complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
  const Region* ra = region_from_handle(a);
  const Region* rb = region_from_handle(b);
  return ra && rb && *ra == *rb ? 1 : 0;
}

}  // namespace win
