// An extension of our GDI that Windows does not have: a region that a
// function makes from a few integers alone, made once and copied from then
// on. A window shape rebuilt at every first paint, every render and every
// return to a size already seen costs a copy of its bands instead of the
// walk that made them.
//
// The plain version in namespace plain is the definition: it calls the
// function every time. A Windows build uses it, ours the cache, and tests
// hold the two equal.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"

namespace win {

using RegionArgs = std::array<std::int32_t, 6>;
// Must give the same pixels for the same arguments every time, and a new
// region that the caller owns.
using RegionMaker = HRGN (*)(const RegionArgs&);

namespace plain {

inline HRGN CachedRegion(RegionMaker make, const RegionArgs& args) { return make(args); }

}  // namespace plain

#ifdef _WIN32
using plain::CachedRegion;
#else

// A new region (the caller owns it) with the pixels of make(args). Regions
// are kept by maker and arguments, shared by every thread.
HRGN CachedRegion(RegionMaker make, const RegionArgs& args);

// The regions kept: at most kMaxRegions of them and kMaxBands bands over all
// (a band is 64 bytes with up to three spans; each span past three counts as
// one band more), so about 4 MiB. A region larger than that is made and not
// kept; past either bound the regions kept longest are forgotten.
class RegionCache {
 public:
  static constexpr std::size_t kMaxRegions = 1024;
  static constexpr std::size_t kMaxBands = std::size_t(1) << 16;

  static std::size_t regions();  // kept now
  static std::size_t bands();    // bands kept now, as counted above
  static void clear();
};

#endif  // _WIN32

}  // namespace win
