// An extension of our GDI that Windows does not have: a region read and built
// as bands of rows (rows with the same spans), without a point test per pixel
// or a CombineRgn per rectangle. Painters walk a row's spans; a region
// rebuilt at every repaint is handed over band by band.
//
// The plain versions in namespace plain are the definition, written with
// ordinary Windows calls (GetRegionData; CreateRectRgn and CombineRgn): a
// Windows build uses them, ours the fast ones, and tests hold the two equal.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/region_spans.h"

namespace win {

// Rows top .. bottom-1, all with the same spans (sorted, disjoint).
struct RegionBand {
  std::int32_t top = 0;
  std::int32_t bottom = 0;
  std::span<const RegionSpan> spans;
};

namespace plain {

// The region's rectangles as GetRegionData hands them out (top to bottom, left
// to right), those of the same rows taken as one band. A null or stale handle
// reads as the empty region. The handle's region must not change while read.
class RegionBands {
 public:
  explicit RegionBands(HRGN rgn) {
    const DWORD size = rgn ? win::GetRegionData(rgn, 0, nullptr) : 0;
    if (size < offsetof(RGNDATA, Buffer)) return;
    std::vector<std::uint64_t> buffer(size / sizeof(std::uint64_t) + 1);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (win::GetRegionData(rgn, size, data) == 0) return;
    if (data->rdh.nCount == 0) return;
    std::vector<RECT> rects(data->rdh.nCount);
    std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + offsetof(RGNDATA, Buffer),
                rects.size() * sizeof(RECT));
    for (const RECT& r : rects) m_spans.push_back({std::int32_t(r.left), std::int32_t(r.right)});
    std::size_t first = 0;
    for (std::size_t i = 0; i < rects.size(); ++i) {
      const bool last_of_band = i + 1 == rects.size() || rects[i + 1].top != rects[i].top ||
                                rects[i + 1].bottom != rects[i].bottom;
      if (!last_of_band) continue;
      m_bands.push_back({std::int32_t(rects[i].top), std::int32_t(rects[i].bottom),
                         std::span<const RegionSpan>(m_spans).subspan(first, i + 1 - first)});
      first = i + 1;
    }
  }
  RegionBands(const RegionBands&) = delete;
  RegionBands& operator=(const RegionBands&) = delete;

  std::size_t size() const { return m_bands.size(); }
  RegionBand operator[](std::size_t i) const { return m_bands[i]; }
  // The spans of row y, left to right; empty when the row has none.
  std::span<const RegionSpan> row(std::int32_t y) const {
    const auto band =
        std::upper_bound(m_bands.begin(), m_bands.end(), y,
                         [](std::int32_t v, const RegionBand& b) { return v < b.bottom; });
    if (band == m_bands.end() || y < band->top) return {};
    return band->spans;
  }

 private:
  std::vector<RegionSpan> m_spans;
  std::vector<RegionBand> m_bands;  // their spans point into m_spans
};

// A region built band by band, top to bottom: each span of each band is a
// rectangle ORed into the region. Empty bands and spans are left out.
class RegionBuilder {
 public:
  void reserve_bands(std::size_t count) { m_rects.reserve(count); }
  void append_band(std::int32_t top, std::int32_t bottom, std::span<const RegionSpan> spans) {
    if (top >= bottom) return;
    for (const RegionSpan& s : spans)
      if (s.left < s.right) m_rects.push_back({s.left, top, s.right, bottom});
  }
  // A new region handle (the caller owns it) holding the bands so far; the
  // builder is empty after.
  HRGN make_handle() {
    const HRGN out = win::CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : m_rects) {
      const HRGN piece = win::CreateRectRgn(r.left, r.top, r.right, r.bottom);
      win::CombineRgn(out, out, piece, RGN_OR);
      win::DeleteObject(piece);
    }
    m_rects.clear();
    return out;
  }

 private:
  std::vector<RECT> m_rects;
};

}  // namespace plain

#ifdef _WIN32
using plain::RegionBands;
using plain::RegionBuilder;
#else

// The bands of the region itself, read in place.
class RegionBands {
 public:
  explicit RegionBands(HRGN rgn) : m_region(region_from_handle(rgn)) {}

  std::size_t size() const { return m_region ? m_region->bands().size() : 0; }
  RegionBand operator[](std::size_t i) const {
    const Region::Band& b = m_region->bands()[i];
    return {b.top, b.bottom, b.spans};
  }
  std::span<const RegionSpan> row(std::int32_t y) const {
    if (!m_region) return {};
    const auto& bands = m_region->bands();
    // Painters ask row after row: the band of the last answer and the one
    // below it are tried before a search.
    const std::size_t i = m_last;
    if (i < bands.size() && y >= bands[i].top) {
      if (y < bands[i].bottom) return bands[i].spans;
      if (i + 1 == bands.size() || y < bands[i + 1].top) return {};  // below band i, above the next
      if (y < bands[i + 1].bottom) {
        m_last = i + 1;
        return bands[i + 1].spans;
      }
    }
    const auto band =
        std::upper_bound(bands.begin(), bands.end(), y,
                         [](std::int32_t v, const Region::Band& b) { return v < b.bottom; });
    m_last = std::size_t(band - bands.begin());
    if (band == bands.end() || y < band->top) return {};
    return band->spans;
  }

 private:
  const Region* m_region;
  mutable std::size_t m_last = 0;  // the band of the last answer, or where the search ended
};

// The bands appended to the region directly (Region::append_band: bands must
// come below each other, spans sorted and apart) and the region handed over.
class RegionBuilder {
 public:
  void reserve_bands(std::size_t count) { m_region.reserve_bands(count); }
  void append_band(std::int32_t top, std::int32_t bottom, std::span<const RegionSpan> spans) {
    m_region.append_band(top, bottom, spans);
  }
  HRGN make_handle() { return make_region_handle(std::exchange(m_region, Region())); }

 private:
  Region m_region;
};

#endif  // _WIN32

}  // namespace win
