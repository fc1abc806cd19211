#include "tools/artwork/emblem.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace artwork {

namespace {

struct Point {
  double x, y;
};

double distance_to_segment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t =
      std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Outline radius, in pixels, and the sampling grid for smoothed edges.
constexpr double kHalfWidth = 2.6;
constexpr int kSamples = 8;

}  // namespace

void draw_cube(Canvas& canvas, Rgb colour) {
  // Isometric projection: the hexagon's corners lie on a circle; the near
  // corner is its centre, joined to the top face's side corners and the bottom.
  const Point c{canvas.width / 2.0, canvas.height / 2.0};
  const double radius =
      std::min(canvas.width / 2.0 / std::cos(std::numbers::pi / 6), canvas.height / 2.0) -
      kHalfWidth - 1.0;
  Point corner[6];
  for (int i = 0; i < 6; ++i) {
    const double angle =
        std::numbers::pi / 2 + i * std::numbers::pi / 3;  // top first, counter-clockwise
    corner[i] = {c.x + radius * std::cos(angle), c.y - radius * std::sin(angle)};
  }
  std::vector<std::pair<Point, Point>> edges;
  for (int i = 0; i < 6; ++i) edges.push_back({corner[i], corner[(i + 1) % 6]});
  edges.push_back({c, corner[1]});  // upper left
  edges.push_back({c, corner[5]});  // upper right
  edges.push_back({c, corner[3]});  // bottom

  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
          for (const auto& [a, b] : edges)
            if (distance_to_segment(p, a, b) <= kHalfWidth) {
              ++inside;
              break;
            }
        }
      canvas.blend(x, y, colour, double(inside) / (kSamples * kSamples));
    }
}

}  // namespace artwork
