#include <gtest/gtest.h>

#include "platform/win/gdi/icon.h"
#include "tests/candybutton/fake_host.h"

namespace candy {
namespace {

using Inspect = CandyButtonInspector;

win::PicturePtr square_icon(std::int32_t size) {
  return win::Picture::from_icon(
      win::make_icon_handle(win::Surface(size, size, 0x0000FF),
                            std::vector<bool>(std::size_t(size) * std::size_t(size), false)));
}

// The caption and picture calls of one DrawIconWCaption, with the caption
// measured by the host as capW x capH.
Log draw(Host& h, std::int32_t alignment, std::int32_t state, float capW = 40, float capH = 13) {
  h.surface.text_width = capW;
  h.surface.text_height = capH;
  h.button->PictureAlignment(alignment);
  h.log.clear();
  h.button->DrawIconWCaption(state);
  return h.log;
}

std::string caption_at(int x, int y, int flags = 2, const char* color = "0") {
  return "text 'CandyButton' " + std::to_string(x) + "," + std::to_string(y) + " flags " +
         std::to_string(flags) + " color " + color;
}
std::string picture_at(int x, int y, int flags = 3) {
  return "image " + std::to_string(x) + "," + std::to_string(y) + " 32x32 flags " +
         std::to_string(flags);
}

TEST(DrawIconWCaption, LaysOutEachAlignmentOn121By89) {
  Host h;
  CandyButton& b = h.ready();
  b.Picture(square_icon(32));
  EXPECT_EQ(draw(h, 0, 0), (Log{caption_at(40, 54), picture_at(45, 23), "refresh"}));
  EXPECT_EQ(draw(h, 0, 1), (Log{caption_at(41, 55), picture_at(46, 24), "refresh"}));
  EXPECT_EQ(draw(h, 1, 0), (Log{caption_at(40, 22), picture_at(44, 36), "refresh"}));
  EXPECT_EQ(draw(h, 2, 0), (Log{caption_at(40, 38), picture_at(8, 29), "refresh"}));
  Inspect::set_corner_radius(b, 5);
  EXPECT_EQ(draw(h, 3, 0), (Log{caption_at(40, 38), picture_at(84, 29), "refresh"}));
  EXPECT_EQ(draw(h, 7, 0), (Log{caption_at(0, 0), picture_at(0, 0), "refresh"}));
  // Checked: no shift.
  EXPECT_EQ(draw(h, 0, 4), (Log{caption_at(40, 54), picture_at(45, 23), "refresh"}));

  b.Picture(nullptr);
  EXPECT_EQ(draw(h, 0, 0), (Log{caption_at(40, 38), "refresh"}));
  // Odd measured sizes halve toward zero.
  EXPECT_EQ(draw(h, 0, 0, 41, 15), (Log{caption_at(40, 37), "refresh"}));
}

TEST(DrawIconWCaption, HighlightsInStateThreeAndRestoresTheTextColour) {
  Host h;
  CandyButton& b = h.ready();
  b.Picture(square_icon(32));
  b.CaptionHighLite(true);
  b.CaptionHighLiteColor(0x00FF00);
  b.IconHighLite(true);
  b.IconHighLiteColor(0x80000005);
  h.surface.fore = 0x123456;
  EXPECT_EQ(draw(h, 0, 3), (Log{"ForeColor FF00", caption_at(40, 54, 2, "FF00"), "ForeColor 123456",
                                "brush 80000005", picture_at(45, 23, 0x83) + " brush",
                                "delete brush", "refresh"}));
  EXPECT_EQ(h.surface.fore, 0x123456u);

  // The colour comes back even without a caption.
  b.Caption("");
  EXPECT_EQ(draw(h, 0, 3)[1], "ForeColor 123456");
}

TEST(DrawIconWCaption, DisabledLooksEmbossedWithoutTint) {
  Host h;
  CandyButton& b = h.ready();
  b.Picture(square_icon(32));
  b.IconHighLite(true);
  b.Enabled(false);
  EXPECT_EQ(draw(h, 0, 0), (Log{caption_at(40, 54, 34), picture_at(45, 23, 0x23), "refresh"}));
  EXPECT_EQ(draw(h, 0, 3), (Log{caption_at(40, 54, 34), picture_at(45, 23, 0x23), "refresh"}));
}

TEST(DrawIconWCaption, APictureWithoutImageIsMeasuredButNotDrawn) {
  Host h;
  CandyButton& b = h.ready();
  b.Picture(std::make_shared<win::Picture>());
  EXPECT_EQ(draw(h, 0, 0), (Log{caption_at(40, 38), "refresh"}));
}

TEST(DrawIconWCaption, AbsurdSizesDoNotOverflow) {
  Host h;
  CandyButton& b = h.ready();
  b.Picture(square_icon(32));
  h.surface.width = 3e38f;
  h.surface.height = -3e38f;
  for (std::int32_t alignment = 0; alignment < 5; ++alignment)
    EXPECT_NO_THROW(draw(h, alignment, 1, 1e30f, -1e30f));
}

}  // namespace
}  // namespace candy
