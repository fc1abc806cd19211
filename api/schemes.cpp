#include "include/candybutton/schemes.h"

#include "candybutton/color_schemes.h"

namespace candy {

std::optional<SchemeColors> scheme_colors(std::int32_t scheme) {
  const ColorSchemeColors* colors = FindColorScheme(scheme);
  if (!colors) return std::nullopt;
  return SchemeColors{colors->ColorButtonUp, colors->ColorButtonHover, colors->ColorButtonDown,
                      colors->ColorBright};
}

}  // namespace candy
