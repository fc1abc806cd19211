// The Windows build: everything comes from windows.h through the one mapping.
// The painters also read and write regions as bands of spans, which Windows
// keeps to itself; here a band view is made from GetRegionData and a banded
// region is handed back as an HRGN built of its rectangles.
#pragma once

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "platform/win/kernel/types.h"

namespace win {

class Region {
 public:
  struct Span {  // columns left .. right-1
    std::int32_t left = 0;
    std::int32_t right = 0;
    bool operator==(const Span&) const = default;
  };
  struct Band {  // rows top .. bottom-1, all with the same spans
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::vector<Span> spans;
  };

  void append_band(std::int32_t top, std::int32_t bottom, std::vector<Span> spans) {
    if (top >= bottom || spans.empty()) return;
    m_bands.push_back({top, bottom, std::move(spans)});
  }
  void reserve_bands(std::size_t count) { m_bands.reserve(count); }
  const std::vector<Band>& bands() const { return m_bands; }

 private:
  std::vector<Band> m_bands;
};

// The bands of a region as Windows holds it (its rectangles, grouped by
// rows). Each view lives as long as the harness, which reads each region once.
inline const Region* region_from_handle(HRGN rgn) {
  static std::deque<Region> views;
  Region& view = views.emplace_back();
  const DWORD size = rgn ? GetRegionData(rgn, 0, nullptr) : 0;
  if (size == 0) return &view;
  std::vector<unsigned char> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  if (GetRegionData(rgn, size, data) == 0) return &view;
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<Region::Span> spans;
  for (DWORD i = 0; i < data->rdh.nCount;) {
    const LONG top = rects[i].top, bottom = rects[i].bottom;
    spans.clear();
    for (; i < data->rdh.nCount && rects[i].top == top && rects[i].bottom == bottom; ++i)
      spans.push_back({rects[i].left, rects[i].right});
    view.append_band(top, bottom, spans);
  }
  return &view;
}

inline HRGN make_region_handle(Region region) {
  HRGN out = CreateRectRgn(0, 0, 0, 0);
  for (const Region::Band& band : region.bands())
    for (const Region::Span& span : band.spans) {
      HRGN piece = CreateRectRgn(span.left, band.top, span.right, band.bottom);
      CombineRgn(out, out, piece, RGN_OR);
      DeleteObject(piece);
    }
  return out;
}

}  // namespace win
