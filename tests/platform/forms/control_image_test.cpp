// The control image the hosts draw through: a failed change leaves the image
// and font as they were, and everything it makes goes with it.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/forms/control_image.h"
#include "platform/win/kernel/handles.h"

namespace {

TEST(ControlImage, AFailedResizeOrFontKeepsWhatWasThere) {
  const std::size_t bitmaps = win::live_objects(win::ObjectKind::Bitmap);
  const std::size_t fonts = win::live_objects(win::ObjectKind::Font);
  {
    forms::ControlImage image("Probe", 5, 3, 0x00FF00);
    image.set_font({"Tahoma", 9, 400, false, false, false, 0});
    image.PSet(2, 1, 0x0000FF);
    EXPECT_THROW(image.resize(1 << 20, 1 << 20), std::runtime_error);
    EXPECT_EQ(image.width(), 5);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(image.pixels().at(2, 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixels().at(4, 2) & 0xFFFFFF, 0x00FF00u);
    EXPECT_ANY_THROW(image.set_font({"Tahoma", -1e30f, 400, false, false, false, 0}));
    EXPECT_EQ(image.font().size, 9);
    image.resize(-4, 2);  // negative sizes count as 0
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.height(), 2);
  }
  EXPECT_EQ(win::live_objects(win::ObjectKind::Bitmap), bitmaps);
  EXPECT_EQ(win::live_objects(win::ObjectKind::Font), fonts);
}

}  // namespace
