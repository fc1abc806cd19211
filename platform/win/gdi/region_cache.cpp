#include "platform/win/gdi/region_cache.h"

#include <deque>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "platform/win/gdi/region_spans.h"

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

// The regions kept, with the order they were made in.
class Cache {
 public:
  std::shared_ptr<const Region> find(const Key& key) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_regions.find(key);
    return found == m_regions.end() ? nullptr : found->second.region;
  }
  void add(const Key& key, std::shared_ptr<const Region> region) {
    const std::size_t size = bands_of(*region);
    if (size > RegionCache::kMaxBands) return;
    const std::lock_guard<std::mutex> lock(m_mutex);
    // Another thread may have made the same region meanwhile.
    if (!m_regions.emplace(key, Entry{std::move(region), size}).second) return;
    m_order.push_back(key);
    m_bands += size;
    while (m_regions.size() > RegionCache::kMaxRegions || m_bands > RegionCache::kMaxBands) {
      const auto oldest = m_regions.find(m_order.front());
      m_bands -= oldest->second.bands;
      m_regions.erase(oldest);
      m_order.pop_front();
    }
  }
  std::size_t regions() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_regions.size();
  }
  std::size_t bands() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_bands;
  }
  void clear() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_regions.clear();
    m_order.clear();
    m_bands = 0;
  }

 private:
  struct Entry {
    std::shared_ptr<const Region> region;
    std::size_t bands;
  };
  std::mutex m_mutex;
  std::unordered_map<Key, Entry, KeyHash> m_regions;
  std::deque<Key> m_order;  // keys of m_regions, oldest first
  std::size_t m_bands = 0;
};

Cache& cache() {
  static Cache instance;
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
  if (region) cache().add(key, std::make_shared<const Region>(*region));
  return made;
}

std::size_t RegionCache::regions() { return cache().regions(); }
std::size_t RegionCache::bands() { return cache().bands(); }
void RegionCache::clear() { cache().clear(); }

}  // namespace win
