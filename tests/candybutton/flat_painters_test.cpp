// Pixel checks of the push-button (style 0) and tool-button (style 1) looks.
#include <gtest/gtest.h>

#include <stdexcept>

#include "candybutton/painters/drawing_helpers.h"
#include "candybutton/painters/paint_push_button_style.h"
#include "candybutton/painters/paint_tool_button_style.h"
#include "tests/candybutton/test_button.h"

namespace candy {
namespace {

using testing::kBackground;
using testing::kContainer;
using testing::TestButton;
using win::RGB;

constexpr win::COLORREF kFrameEdge = RGB(0, 60, 116);

void push(TestButton& b, std::int32_t state) {
  ButtonFace face = b.face();
  PaintPushButtonStyle(face, state);
}
void tool(TestButton& b, std::int32_t state) {
  ButtonFace face = b.face();
  PaintToolButtonStyle(face, state);
}

TEST(PushButton, RestingColumnAt121x89) {
  TestButton b(121, 89);
  push(b, 0);
  const auto& s = b.surface;
  EXPECT_EQ(s.pixel(60, 0), kFrameEdge);
  EXPECT_EQ(s.pixel(60, 1), RGB(255, 255, 255));
  EXPECT_EQ(s.pixel(60, 2), RGB(255, 255, 254));
  EXPECT_EQ(s.pixel(60, 3), RGB(254, 254, 254));
  EXPECT_EQ(s.pixel(60, 42), RGB(246, 245, 243));
  EXPECT_EQ(s.pixel(60, 83), RGB(236, 235, 231));
  EXPECT_EQ(s.pixel(60, 84), RGB(236, 235, 230));
  EXPECT_EQ(s.pixel(60, 85), RGB(229, 226, 219));
  EXPECT_EQ(s.pixel(60, 86), RGB(221, 217, 208));
  EXPECT_EQ(s.pixel(60, 87), RGB(214, 208, 197));
  EXPECT_EQ(s.pixel(60, 88), kFrameEdge);
  for (auto [x, y] : {std::pair{0, 0}, {120, 0}, {0, 88}, {120, 88}})
    EXPECT_EQ(s.pixel(x, y), kContainer);
  // The frame's cut corner: dots beside a two-pixel diagonal.
  EXPECT_EQ(s.pixel(1, 0), RGB(122, 149, 168));
  EXPECT_EQ(s.pixel(1, 1), RGB(37, 87, 131));
  EXPECT_EQ(s.pixel(0, 2), RGB(37, 87, 131));
  EXPECT_EQ(s.pixel(0, 44), kFrameEdge);
  EXPECT_EQ(s.pixel(120, 44), kFrameEdge);

  TestButton checked(121, 89);
  push(checked, 4);
  EXPECT_EQ(checked.image(), b.image());
}

TEST(PushButton, RimColours) {
  struct Case {
    std::int32_t state;
    win::COLORREF row3, row44, row85;
  };
  for (const Case& k : {Case{2, RGB(186, 211, 245), RGB(162, 192, 237), RGB(139, 174, 229)},
                        Case{3, RGB(253, 215, 134), RGB(250, 197, 92), RGB(248, 179, 51)}}) {
    TestButton b(121, 89);
    push(b, k.state);
    for (int x : {1, 2, 118, 119}) {
      EXPECT_EQ(b.surface.pixel(x, 3), k.row3) << k.state << " " << x;
      EXPECT_EQ(b.surface.pixel(x, 44), k.row44) << k.state << " " << x;
      EXPECT_EQ(b.surface.pixel(x, 85), k.row85) << k.state << " " << x;
    }
    EXPECT_NE(b.surface.pixel(3, 44), k.row44);  // the body shows inside the rim
  }
}

TEST(PushButton, PressedCornerShowsTheFifthBottomRow) {
  TestButton b(121, 89);
  push(b, 1);
  EXPECT_EQ(b.surface.pixel(0, 88), RGB(247, 246, 245));
  for (auto [x, y] : {std::pair{0, 0}, {120, 0}, {120, 88}})
    EXPECT_EQ(b.surface.pixel(x, y), kContainer);
  EXPECT_EQ(b.surface.pixel(60, 1), RGB(209, 204, 193));
  EXPECT_EQ(b.surface.pixel(60, 87), RGB(242, 241, 238));
}

TEST(PushButton, UnreadableContainerColourSkipsOnlyTheFill) {
  TestButton missing(121, 89);
  missing.back_color.reset();
  push(missing, 0);
  EXPECT_EQ(missing.surface.pixel(0, 0), kBackground);
  EXPECT_EQ(missing.surface.pixel(60, 88), kFrameEdge);

  TestButton throwing(121, 89);
  ButtonFace c = throwing.face();
  c.container_back_color = []() -> std::optional<win::OLE_COLOR> {
    throw std::runtime_error("no BackColor");
  };
  PaintPushButtonStyle(c, 3);
  EXPECT_EQ(throwing.surface.pixel(0, 0), kBackground);
  EXPECT_EQ(throwing.surface.pixel(1, 44), RGB(250, 197, 92));
}

TEST(PushButton, HeightFourHasASingleBodyRowUnderTheFrame) {
  for (std::int32_t state = 0; state <= 4; ++state) {
    TestButton b(10, 4);
    push(b, state);
    // The frame covers all of row 0, where the one body row lies.
    EXPECT_EQ(b.surface.pixel(1, 0), RGB(122, 149, 168));
    for (int x = 2; x <= 6; ++x) EXPECT_EQ(b.surface.pixel(x, 0), kFrameEdge) << state;
    EXPECT_EQ(b.surface.pixel(7, 0), RGB(37, 87, 131));
    EXPECT_EQ(b.surface.pixel(8, 0), RGB(122, 149, 168));
    EXPECT_EQ(b.surface.pixel(9, 0), kContainer);
  }
}

TEST(ToolButton, RestingAndFocusedShowOnlyTheContainer) {
  for (std::int32_t state : {0, 2, 7, -1}) {
    TestButton b(121, 89);
    tool(b, state);
    for (auto c : b.image()) ASSERT_EQ(c, kContainer) << state;
  }
}

TEST(ToolButton, BandsAndFrame) {
  TestButton over(121, 89);
  tool(over, 3);
  const auto& s = over.surface;
  EXPECT_EQ(s.pixel(60, 1), RGB(254, 254, 253));
  EXPECT_EQ(s.pixel(60, 2), RGB(253, 253, 252));
  EXPECT_EQ(s.pixel(60, 3), RGB(253, 253, 250));
  EXPECT_EQ(s.pixel(60, 84), RGB(238, 237, 229));
  EXPECT_EQ(s.pixel(60, 87), RGB(215, 210, 198));
  EXPECT_EQ(s.pixel(60, 0), RGB(206, 206, 195));
  EXPECT_EQ(s.pixel(119, 1), RGB(216, 216, 205));
  EXPECT_EQ(s.pixel(120, 1), RGB(232, 232, 221));
  for (auto [x, y] : {std::pair{0, 0}, {120, 0}, {0, 88}, {120, 88}})
    EXPECT_EQ(s.pixel(x, y), kContainer);

  TestButton pressed(121, 89);
  tool(pressed, 1);
  EXPECT_EQ(pressed.surface.pixel(60, 4),
            band_row_color(4.0 / 82, RGB(231, 230, 224), RGB(225, 224, 216)));
  EXPECT_EQ(pressed.surface.pixel(60, 87), RGB(235, 234, 229));
  EXPECT_EQ(pressed.surface.pixel(0, 44), RGB(157, 157, 146));

  TestButton checked(121, 89);
  tool(checked, 4);
  EXPECT_EQ(checked.surface.pixel(1, 1), RGB(152, 175, 190));
  EXPECT_EQ(checked.surface.pixel(2, 2), RGB(255, 255, 255));
  EXPECT_EQ(checked.surface.pixel(119, 87), RGB(152, 175, 190));
  EXPECT_EQ(checked.surface.pixel(60, 88), RGB(122, 152, 175));
  EXPECT_EQ(checked.surface.pixel(118, 87), RGB(255, 255, 255));
}

TEST(ToolButton, HalfwayTieRoundsToEven) {
  TestButton b(20, 15);  // h = 14: row 4 of the middle band has t = 0.5
  tool(b, 3);
  EXPECT_EQ(win::GetGValue(b.surface.pixel(5, 4)), 244);
}

}  // namespace
}  // namespace candy
