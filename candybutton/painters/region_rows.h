// A region read row by row: the painters walk the spans of a row instead of
// testing its pixels one at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/win/gdi/region_bands.h"

namespace candy {

class RegionRows {
 public:
  // A null or stale handle reads as the empty region, as PtInRegion answers.
  explicit RegionRows(win::HRGN region);

  // The spans of row y, left to right; empty when the row has none.
  std::span<const win::RegionSpan> row(std::int32_t y) const { return m_bands.row(y); }

  // The first column x >= from that lies in both rows, or nothing.
  static std::optional<std::int32_t> first_common(std::span<const win::RegionSpan> a,
                                                  std::span<const win::RegionSpan> b,
                                                  std::int32_t from);

 private:
  win::RegionBands m_bands;
};

}  // namespace candy
