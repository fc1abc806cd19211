// A region read row by row: the painters walk the spans of a row instead of
// testing its pixels one at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/win/gdi/region.h"

namespace candy {

class RegionRows {
 public:
  // A null or stale handle reads as the empty region, as PtInRegion answers.
  explicit RegionRows(win::HRGN region);

  // The spans of row y, left to right; empty when the row has none.
  std::span<const win::Region::Span> row(std::int32_t y) const;

  // The first column x >= from that lies in both rows, or nothing.
  static std::optional<std::int32_t> first_common(std::span<const win::Region::Span> a,
                                                  std::span<const win::Region::Span> b, std::int32_t from);

 private:
  const win::Region* m_region;
};

}  // namespace candy
