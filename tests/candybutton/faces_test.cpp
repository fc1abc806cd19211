// The looks a visit paints, as images: the hover face differs from the
// resting one, the pressed face from both, and leaving gives back exactly
// the resting face. The images are written as PNG files for a look by eye.
#include <gtest/gtest.h>

#include <string>

#include "platform/display/png.h"
#include "platform/win/gdi/dc.h"
#include "tests/candybutton/live_button.h"

namespace candy::live {
namespace {

class Faces : public LiveButton {
 protected:
  win::Surface snapshot(const std::string& name) {
    const win::Surface image = *win::dc_from_handle(m_control->hDC())->surface;
    display::write_png(image, ::testing::TempDir() + "candybutton_face_" + name + ".png");
    return image;
  }
  // The rim: the row just inside the outer frame.
  static int differing_rim_pixels(const win::Surface& a, const win::Surface& b) {
    int n = 0;
    for (int x = 0; x < a.width; ++x) n += a.at(x, 1) != b.at(x, 1);
    return n;
  }
};

TEST_F(Faces, HoverPressAndLeaveShowTheirFacesAndLeavingRestoresTheRestingOne) {
  forms::PropertyBag bag;
  bag.write("Caption", std::string("Video"));
  make(bag);
  const win::Surface resting = snapshot("resting");
  move(20, 10);
  const win::Surface hover = snapshot("hover");
  press();
  const win::Surface pressed = snapshot("pressed");
  release();
  move(-5, 10);
  win::SetFocus({});
  const win::Surface left = snapshot("left");

  EXPECT_GT(differing_rim_pixels(resting, hover), 0);
  EXPECT_NE(pressed.pixels, hover.pixels);
  EXPECT_NE(pressed.pixels, resting.pixels);
  EXPECT_EQ(left.pixels, resting.pixels);
}

}  // namespace
}  // namespace candy::live
