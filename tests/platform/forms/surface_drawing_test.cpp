// Line, Box and PSet as every DC-backed surface draws them, seen on a memory
// surface.
#include "platform/forms/surface_drawing.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/forms/memory_surface.h"

namespace forms {
namespace {

TEST(SurfaceDrawing, CoordinatesRoundToNearestTiesToEvenWithinBounds) {
  EXPECT_EQ(to_pixel(2.5f), 2);
  EXPECT_EQ(to_pixel(3.5f), 4);
  EXPECT_EQ(to_pixel(-0.5f), 0);
  EXPECT_EQ(to_pixel(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(to_pixel(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(to_pixel(3e9f), 1000000000);
  EXPECT_EQ(to_pixel(-3e9f), -1000000000);
}

TEST(SurfaceDrawing, MemorySurfaceDrawsSystemColoursTranslated) {
  MemorySurface surface(8, 4, 0xFFFFFF);
  surface.PSet(0.5f, 0.5f, 0x8000000F);
  EXPECT_EQ(surface.pixel(0, 0), 0xC0C0C0u);
  surface.Line(1.5f, 1, 4, 1, 0x80000012);
  EXPECT_EQ(surface.pixel(1, 1), 0xFFFFFFu);
  EXPECT_EQ(surface.pixel(2, 1), 0x000000u);
  EXPECT_EQ(surface.pixel(3, 1), 0x000000u);
  EXPECT_EQ(surface.pixel(4, 1), 0xFFFFFFu);
  surface.Box(7, 3, 6, 2, 0x0000FF);
  EXPECT_EQ(surface.pixel(6, 2), 0x0000FFu);
  EXPECT_EQ(surface.pixel(7, 3), 0x0000FFu);
  EXPECT_EQ(surface.pixel(5, 3), 0xFFFFFFu);
  surface.Box(std::numeric_limits<float>::quiet_NaN(), 0, 0, 0, 0x00FF00);
  EXPECT_EQ(surface.pixel(0, 0), 0x00FF00u);
}

}  // namespace
}  // namespace forms
