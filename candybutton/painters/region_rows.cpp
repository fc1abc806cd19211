#include "candybutton/painters/region_rows.h"

#include <algorithm>

namespace candy {

RegionRows::RegionRows(win::HRGN region) : m_region(win::region_from_handle(region)) {}

std::span<const win::Region::Span> RegionRows::row(std::int32_t y) const {
  if (!m_region) return {};
  const auto& bands = m_region->bands();
  const auto band = std::upper_bound(bands.begin(), bands.end(), y,
                                     [](std::int32_t v, const win::Region::Band& b) { return v < b.bottom; });
  if (band == bands.end() || y < band->top) return {};
  return band->spans;
}

std::optional<std::int32_t> RegionRows::first_common(std::span<const win::Region::Span> a,
                                                     std::span<const win::Region::Span> b, std::int32_t from) {
  auto i = a.begin();
  auto j = b.begin();
  while (i != a.end() && j != b.end()) {
    const std::int32_t left = std::max({i->left, j->left, from});
    const std::int32_t right = std::min(i->right, j->right);
    if (left < right) return left;
    if (i->right < j->right) ++i;
    else ++j;
  }
  return std::nullopt;
}

}  // namespace candy
