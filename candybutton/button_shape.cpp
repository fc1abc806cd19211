#include "candybutton/button_shape.h"

#include <cmath>
#include <cstdlib>

#include "candybutton/color_arithmetic.h"

namespace candy {

bool PointInCornerCircle(const std::int32_t& p, const std::int32_t& q, const std::int32_t& radius) {
  const std::int64_t d = std::int64_t(radius) * radius - std::int64_t(p) * p;
  if (d < 0) return false;
  const std::int64_t e = std::int64_t(std::nearbyint(std::sqrt(double(d))));
  return std::llabs(std::int64_t(q) - radius) < e;
}

bool PointInRoundedShape(const std::int32_t& c, const std::int32_t& r, const std::int32_t& x,
                         const std::int32_t& y, const std::int32_t& width, const std::int32_t& height,
                         const std::int32_t& radius) {
  const std::int32_t R = radius;
  const std::int32_t dx = c - x;
  const std::int32_t dy = r - y;
  if (dy > R && dx > R && dx + R < width && dy + R < height) return true;
  if (dx < R && dy <= R) return PointInCornerCircle(dx - R, dy, R);
  if (dx + R > width && dy <= R) return PointInCornerCircle(dx - width + R, dy, R);
  if (dx < R && dy + R >= height) return PointInCornerCircle(dx - R, dy - height + 2 * R, R);
  if (dx + R > width && dy + R >= height) return PointInCornerCircle(dx - width + R, dy - height + 2 * R, R);
  return dx > 0 && dx < width && dy > 0 && dy < height;
}

std::optional<std::int32_t> button_corner_radius(std::int32_t style, std::int32_t W, std::int32_t H) {
  switch (style) {
    case 2:
    case 4:
    case 5:
      return ClampValue(H / 2 + 1, 1, W / 2);
    case 3:
      return 12;
    case 6:
      return ClampValue(H / 3, 1, W / 3);
    case 7:
      return ClampValue(H / 4 + 1, 1, W / 4);
    default:
      return std::nullopt;
  }
}

}  // namespace candy
