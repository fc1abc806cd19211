#include <cstddef>
#include <cstring>

#include "platform/win/gdi/region.h"

namespace win {

DWORD GetRegionData(HRGN rgn, DWORD count, RGNDATA* data) {
  const Region* region = region_from_handle(rgn);
  if (!region) return 0;
  std::size_t rects = 0;
  for (const Region::Band& band : region->bands()) rects += band.spans.size();
  const std::size_t needed = offsetof(RGNDATA, Buffer) + rects * sizeof(RECT);
  if (needed > 0xFFFFFFFFu) return 0;
  if (!data) return DWORD(needed);
  if (count < needed) return 0;
  data->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, DWORD(rects), DWORD(rects * sizeof(RECT)),
               region->bounds()};
  char* out = reinterpret_cast<char*>(data) + offsetof(RGNDATA, Buffer);
  for (const Region::Band& band : region->bands())
    for (const Region::Span& span : band.spans) {
      const RECT r{span.left, band.top, span.right, band.bottom};
      std::memcpy(out, &r, sizeof r);
      out += sizeof r;
    }
  return count;
}

}  // namespace win
