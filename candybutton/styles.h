// The button's painted styles as one table: per style, the painter of its
// face, the corner radius of its window region and the numbers of its shaded
// face. Everything that paints, shapes or describes a style by number goes
// through style_row; a style without a row has no face and the whole
// rectangle as its region.
#pragma once

#include <cstdint>
#include <optional>

#include "candybutton/painters/button_face.h"
#include "candybutton/painters/face_params.h"

namespace candy {

inline constexpr std::int32_t kStyleCount = 8;

struct StyleRow {
  // The painter family, as logs and diagnostics name it.
  const char* family;
  // Paints the whole face for a drawing state on the button's own copy.
  void (*paint)(ButtonFace& button, const std::int32_t& state);
  // The corner radius of the window region at client size W x H, not yet
  // limited to 1; null for a style without a shape.
  std::optional<std::int32_t> (*corner_radius)(std::int32_t W, std::int32_t H);
  // The shaded face's numbers at surface size SW x SH and corner radius CR;
  // null for a style without a shaded face.
  std::optional<FaceParams> (*face_params)(float SW, float SH, std::int32_t CR);
};

// The row of a style, or null outside 0 .. kStyleCount - 1.
const StyleRow* style_row(std::int32_t style);

// Paints the face of the button's style for a drawing state and returns what
// the painter computed; a style without a row paints nothing and changes
// nothing.
FacePaint PaintFace(ButtonFace button, std::int32_t state);

}  // namespace candy
