// Regions: sets of pixels kept as y-x banded rectangles. The interface below
// is what the rest of the platform relies on; region.cpp documents the bands.
#pragma once
#ifndef _WIN32  // a Windows compiler takes these names from windows.h: see the end
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "platform/win/gdi/region_spans.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/types.h"

namespace win {

// CombineRgn modes and results.
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

class Region : public Object {
 public:
  using Span = RegionSpan;  // columns left .. right-1
  struct Band {             // rows top .. bottom-1, all with the same spans
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    RegionSpanList spans;  // sorted, disjoint, not touching
    friend bool operator==(const Band&, const Band&) = default;
  };

  Region() = default;  // empty
  static Region rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  static Region combine(const Region& a, const Region& b, int mode);

  bool empty() const { return m_bands.empty(); }
  bool contains(std::int32_t x, std::int32_t y) const;
  RECT bounds() const;        // {0,0,0,0} when empty
  std::int64_t area() const;  // number of pixels
  int complexity() const;     // NULLREGION, SIMPLEREGION or COMPLEXREGION
  // Wraps past the ends of the 32-bit range as Windows does; throws
  // std::out_of_range when the region would straddle them.
  void offset(std::int32_t dx, std::int32_t dy);
  // Appends rows top .. bottom-1 below every band so far; merges with the
  // last band when the spans are the same and the bands touch. Empty spans
  // or rows are skipped. Throws std::invalid_argument when the band would
  // overlap the region or its spans are unsorted, overlapping or touching.
  void append_band(std::int32_t top, std::int32_t bottom, std::span<const Span> spans);
  void append_band(std::int32_t top, std::int32_t bottom, std::initializer_list<Span> spans) {
    append_band(top, bottom, std::span<const Span>(spans.begin(), spans.size()));
  }
  // Room for this many bands, for a builder that knows about how many it appends.
  void reserve_bands(std::size_t count) { m_bands.reserve(count); }
  // In place: this = this <mode> the rectangle (RGN_OR, RGN_XOR or RGN_DIFF;
  // corners in either order). Only the bands the rectangle's rows cross are
  // rebuilt, so a shape built one row at a time costs no copy of the rest.
  // Throws std::invalid_argument for any other mode.
  void combine_rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                    int mode);
  const std::vector<Band>& bands() const { return m_bands; }
  friend bool operator==(const Region& a, const Region& b) { return a.m_bands == b.m_bands; }

 private:
  std::vector<Band> m_bands;
  // The band the last point test landed in: painters test row by row, so the
  // next test usually lands there again. Checked before use, never trusted.
  mutable std::size_t m_last_band =
      0;  // sorted by top, disjoint, no empty band, no mergeable neighbours
};

// The region behind a handle, or null when it is not a live region.
Region* region_from_handle(HRGN rgn);
// A new region handle owning the given region.
HRGN make_region_handle(Region region);

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
BOOL PtInRegion(HRGN rgn, int x, int y);
int OffsetRgn(HRGN rgn, int dx, int dy);
int GetRgnBox(HRGN rgn, RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);

// GetRegionData: the region as rectangles, band by band top to bottom and
// left to right within a band.
inline constexpr DWORD RDH_RECTANGLES = 1;
struct RGNDATAHEADER {
  DWORD dwSize;    // of this header
  DWORD iType;     // RDH_RECTANGLES
  DWORD nCount;    // rectangles in Buffer
  DWORD nRgnSize;  // bytes of them
  RECT rcBound;
};
struct RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];  // nCount RECTs, read by copying them out
};
// With a null data, the bytes needed; else count when that is enough (the
// data filled in), 0 when it is too small or rgn is not a live region.
DWORD GetRegionData(HRGN rgn, DWORD count, RGNDATA* data);

}  // namespace win

#else
#include "platform/win/kernel/windows_build.h"
#endif  // _WIN32
