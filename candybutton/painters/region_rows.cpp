#include "candybutton/painters/region_rows.h"

#include <algorithm>

namespace candy {

RegionRows::RegionRows(win::HRGN region) : m_bands(region) {}

std::optional<std::int32_t> RegionRows::first_common(std::span<const win::RegionSpan> a,
                                                     std::span<const win::RegionSpan> b,
                                                     std::int32_t from) {
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
