#include <gtest/gtest.h>

#include "platform/win/gdi/gdi.h"
#include "tests/candybutton/fake_host.h"

namespace candy {
namespace {

using Inspect = CandyButtonInspector;

TEST(CandyButtonProperties, StyleAndAlignmentSetToTheirOwnValueDoNothing) {
  Host h;
  CandyButton& b = h.ready();
  b.Style(0);
  b.PictureAlignment(0);
  EXPECT_EQ(h.log, Log{});

  b.Style(3);
  EXPECT_EQ(h.log, (Log{"notify Style", "region", "clear", "paint rounded 0",
                        "text 'CandyButton' 40,38 flags 2 color 0", "refresh"}));
  h.log.clear();
  b.Style(3);
  b.PictureAlignment(2);
  EXPECT_EQ(h.log, (Log{"notify PictureAlignment", "clear", "paint rounded 0",
                        "text 'CandyButton' 40,38 flags 2 color 0", "refresh"}));
}

TEST(CandyButtonProperties, CheckedRepaintsBeforeItNotifies) {
  Host h;
  CandyButton& b = h.ready();
  b.Checked(true);
  EXPECT_EQ(h.log, (Log{"clear", "paint push 4", "text 'CandyButton' 40,38 flags 2 color 0",
                        "refresh", "notify Checked"}));
  h.log.clear();
  Inspect::set_mouse_over(b, true);
  b.Checked(false);
  EXPECT_EQ(h.log, (Log{"clear", "paint push 3", "text 'CandyButton' 40,38 flags 2 color 0",
                        "refresh", "notify Checked"}));
  h.log.clear();
  Inspect::set_mouse_over(b, false);
  b.Checked(false);
  EXPECT_EQ(h.log, (Log{"clear", "paint push 0", "text 'CandyButton' 40,38 flags 2 color 0",
                        "refresh", "notify Checked"}));
}

TEST(CandyButtonProperties, BorderBrightnessIsClamped) {
  Host h;
  CandyButton& b = h.ready();
  b.BorderBrightness(250);
  EXPECT_EQ(b.BorderBrightness(), 100);
  b.BorderBrightness(-101);
  EXPECT_EQ(b.BorderBrightness(), -100);
  EXPECT_EQ(h.container.notified,
            (std::vector<std::string>{"m_BorderBrightness", "m_BorderBrightness"}));
}

TEST(CandyButtonProperties, NotificationNamesAndRepaints) {
  Host h;
  CandyButton& b = h.ready();
  b.IconHighLite(true);
  b.IconHighLiteColor(0x123);
  b.CaptionHighLite(true);
  b.CaptionHighLiteColor(0x456);
  b.DisplayHand(true);
  // The highlight properties and DisplayHand never repaint.
  EXPECT_EQ(h.log, (Log{"notify IconHighLite", "notify IconHighLiteColor", "notify CaptionHighLite",
                        "notify CaptionHighLiteColor"}));
  EXPECT_EQ(h.surface.pointer, forms::vbArrow);
  h.log.clear();

  b.ForeColor(0x8000000F);
  EXPECT_EQ(h.log, (Log{"ForeColor 8000000F", "notify ForeColor", "clear", "paint push 0",
                        "text 'CandyButton' 40,38 flags 2 color 8000000F", "refresh"}));
  EXPECT_EQ(b.ForeColor(), 0x8000000Fu);
  h.container.notified.clear();
  b.Caption("Music");
  b.Font(forms::FontDescription{"DejaVu Sans", 12, 700, false, false, false, 0});
  b.Picture(nullptr);
  EXPECT_EQ(h.container.notified, (std::vector<std::string>{"Caption", "Font", "Picture"}));
  EXPECT_EQ(b.Caption(), "Music");
  EXPECT_EQ(b.Font().name, "DejaVu Sans");
}

TEST(CandyButtonProperties, EnabledSwallowsAFailingNotification) {
  Host h;
  CandyButton& b = h.ready();
  h.container.failing = {"Enabled"};
  EXPECT_NO_THROW(b.Enabled(false));
  EXPECT_FALSE(b.Enabled());
  // The repaint after the failing step does not happen.
  EXPECT_EQ(h.log, Log{"notify Enabled"});
}

TEST(CandyButtonProperties, OtherSettersPassFailuresOnWithoutRollback) {
  Host h;
  CandyButton& b = h.ready();
  h.container.failing = {"Caption", "m_ColorButtonUp", "Checked"};
  EXPECT_THROW(b.Caption("kept"), std::runtime_error);
  EXPECT_EQ(b.Caption(), "kept");
  EXPECT_THROW(b.ColorButtonUp(0x010203), std::runtime_error);
  EXPECT_EQ(b.ColorButtonUp(), 0x010203u);
  EXPECT_THROW(b.Checked(true), std::runtime_error);
  EXPECT_TRUE(b.Checked());

  h.log.clear();
  h.failing_painter = "rounded";
  h.container.failing.clear();
  EXPECT_THROW(b.Style(5), std::runtime_error);
  EXPECT_EQ(b.Style(), 5);
  EXPECT_EQ(h.log, (Log{"notify Style", "region", "clear", "paint rounded 4"}));
}

TEST(CandyButtonLifecycle, TerminationStopsInterceptionFirst) {
  Host h;
  h.button.reset();
  EXPECT_EQ(h.log, Log{"unsubclass all"});
}

TEST(CandyButtonLifecycle, ArithmeticForwardsToTheColourHelpers) {
  Host h;
  std::int32_t pct = 250;
  EXPECT_EQ(h.button->BlendColors(0x000000, 0xFFFFFF, pct), 0xFFFFFFu);
  EXPECT_EQ(pct, 100);
  std::int32_t r = 0, g = 0, b = 0;
  h.button->GetRGB(r, g, b, win::RGB(1, 2, 3));
  EXPECT_EQ(r * 10000 + g * 100 + b, 10203);
}

}  // namespace
}  // namespace candy

#include "platform/win/gdi/region.h"

namespace candy {
namespace {

TEST(CandyButtonLifecycle, TerminationDeletesTheInnerRegion) {
  const std::size_t regions = win::live_objects(win::ObjectKind::Region);
  {
    Host h;
    CandyButtonInspector::set_region(*h.button, win::CreateRectRgn(0, 0, 10, 10));
    EXPECT_EQ(win::live_objects(win::ObjectKind::Region), regions + 1);
  }
  EXPECT_EQ(win::live_objects(win::ObjectKind::Region), regions);
}

TEST(CandyButtonLifecycle, AThousandButtonsLeaveNoObjectBehind) {
  std::vector<std::size_t> before;
  for (int k = 0; k < int(win::ObjectKind::Count); ++k)
    before.push_back(win::live_objects(win::ObjectKind(k)));
  for (int i = 0; i < 1000; ++i) {
    Host h;
    CandyButton& b = h.ready();
    CandyButtonInspector::set_region(b, win::CreateRectRgn(0, 0, 5, 5));
    b.Picture(win::Picture::from_bitmap(win::CreateCompatibleBitmap(win::HDC{}, 4, 4)));
    b.ColorScheme(i % 7);
  }
  for (int k = 0; k < int(win::ObjectKind::Count); ++k)
    EXPECT_EQ(win::live_objects(win::ObjectKind(k)), before[std::size_t(k)]) << "kind " << k;
}

}  // namespace
}  // namespace candy
