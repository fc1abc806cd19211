// The window-free control surface: it draws and measures as the host does,
// keeps the regions handed to it, and leaves nothing behind, also when it
// cannot be made.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "platform/forms/offscreen_control.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/kernel/handles.h"

namespace {

std::array<std::size_t, std::size_t(win::ObjectKind::Count)> live_counts() {
  std::array<std::size_t, std::size_t(win::ObjectKind::Count)> counts{};
  for (std::size_t k = 0; k < counts.size(); ++k) counts[k] = win::live_objects(win::ObjectKind(k));
  return counts;
}

TEST(OffscreenControl, ClearsToItsBackColourOnAnEmptyPictureAndDrawsSystemColoursTranslated) {
  forms::OffscreenControl surface(6, 4);
  EXPECT_EQ(surface.image().at(5, 3), 0xFFFFFFu);
  surface.SetBackColor(0x123456);
  surface.SetPicture(nullptr);
  EXPECT_EQ(surface.image().at(0, 0), 0x123456u);
  surface.PSet(2, 1, 0x80000010);  // the button shadow
  EXPECT_EQ(surface.image().at(2, 1), 0x808080u);
  EXPECT_EQ(surface.hWnd(), win::HWND{});
  EXPECT_GT(surface.TextWidth("Music"), 0.0f);
}

TEST(OffscreenControl, KeepsTheLastWindowRegionAndDeletesTheOneBefore) {
  const auto before = live_counts();
  {
    forms::OffscreenControl surface(10, 10);
    surface.SetWindowRgn(win::CreateRectRgn(0, 0, 5, 5));
    const win::HRGN second = win::CreateRectRgn(1, 1, 4, 4);
    surface.SetWindowRgn(second);
    EXPECT_EQ(surface.window_region(), second);
  }
  EXPECT_EQ(live_counts(), before);
}

TEST(OffscreenControl, ASurfaceTooLargeToMakeFailsNamingItsSizeAndLeavesNothing) {
  const auto before = live_counts();
  try {
    forms::OffscreenControl surface(8193, 8193);
    ADD_FAILURE() << "made";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "OffscreenControl: no image of 8193 x 8193");
  }
  EXPECT_EQ(live_counts(), before);
}

}  // namespace
