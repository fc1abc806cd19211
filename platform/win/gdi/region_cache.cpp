#include "platform/win/gdi/region_cache.h"

#include <memory>

#include "platform/win/gdi/region_spans.h"
#include "platform/win/gdi/shared_cache.h"

namespace win {
namespace {

struct Key {
  RegionMaker make;
  RegionArgs args;
  friend bool operator==(const Key&, const Key&) = default;
};

struct KeyHash {
  std::size_t operator()(const Key& k) const {
    std::uint64_t h = std::uint64_t(reinterpret_cast<std::uintptr_t>(k.make));
    for (const std::int32_t v : k.args)
      h = (h ^ std::uint64_t(std::uint32_t(v))) * 0x9E3779B97F4A7C15u;
    return std::size_t(h ^ (h >> 29));
  }
};

// The size of a region as the bound counts it.
std::size_t bands_of(const Region& region) {
  std::size_t n = 0;
  for (const Region::Band& band : region.bands())
    n += 1 + (band.spans.size() > RegionSpanList::kInline ? band.spans.size() : 0);
  return n;
}

using Cache = SharedCache<Key, Region, KeyHash>;

Cache& cache() {
  static Cache instance(RegionCache::kMaxRegions, RegionCache::kMaxBands);
  return instance;
}

}  // namespace

HRGN CachedRegion(RegionMaker make, const RegionArgs& args) {
  const Key key{make, args};
  if (const std::shared_ptr<const Region> kept = cache().find(key))
    return make_region_handle(*kept);
  // Made outside the lock: another thread may make the same region meanwhile.
  const HRGN made = make(args);
  const Region* region = region_from_handle(made);
  if (!region) return made;
  // A region past the whole bound is not copied only to be dropped.
  if (const std::size_t bands = bands_of(*region); bands <= RegionCache::kMaxBands)
    cache().keep(key, std::make_shared<const Region>(*region), bands);
  return made;
}

std::size_t RegionCache::regions() { return cache().size(); }
std::size_t RegionCache::bands() { return cache().weight(); }
void RegionCache::clear() { cache().clear(); }

}  // namespace win
