#include "candybutton/color_arithmetic.h"

#include <gtest/gtest.h>

#include <random>

namespace candy {
namespace {

TEST(BlendColors, TruncatesTowardTheFirstColour) {
  std::int32_t pct = 50;
  EXPECT_EQ(BlendColors(0x000000, 0xFFFFFF, pct), 0x7F7F7Fu);
  EXPECT_EQ(BlendColors(0xFFFFFF, 0x000000, pct), 0x808080u);
  EXPECT_EQ(BlendColors(0x123456, 0xABCDEF, 0), 0x123456u);
  EXPECT_EQ(BlendColors(0x123456, 0xABCDEF, 100), 0xABCDEFu);
  // The rim colours of a face (200, 100, 0) at -40 and +50.
  EXPECT_EQ(BlendColors(win::RGB(200, 100, 0), 0x000000, 40), win::RGB(120, 60, 0));
  EXPECT_EQ(BlendColors(win::RGB(200, 100, 0), 0xFFFFFF, 50), win::RGB(227, 177, 127));
}

TEST(BlendColors, WritesTheClampedPercentageBack) {
  std::int32_t high = 250;
  EXPECT_EQ(BlendColors(0x000000, 0xFFFFFF, high), 0xFFFFFFu);
  EXPECT_EQ(high, 100);
  std::int32_t low = -5;
  EXPECT_EQ(BlendColors(0x102030, 0xFFFFFF, low), 0x102030u);
  EXPECT_EQ(low, 0);
}

TEST(BlendColors, MatchesAStraightforwardModelOnRandomInput) {
  std::mt19937 rng(20261208);
  std::uniform_int_distribution<std::uint32_t> colour(0, 0xFFFFFF);
  std::uniform_int_distribution<std::int32_t> percent(-300, 300);
  for (int n = 0; n < 20000; ++n) {
    const win::OLE_COLOR c1 = colour(rng), c2 = colour(rng);
    const std::int32_t asked = percent(rng);
    const std::int32_t p = asked < 0 ? 0 : (asked > 100 ? 100 : asked);
    win::COLORREF expected = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int a = int((c1 >> shift) & 0xFF), b = int((c2 >> shift) & 0xFF);
      expected |= win::COLORREF(a + (b - a) * p / 100) << shift;
    }
    std::int32_t pct = asked;
    ASSERT_EQ(BlendColors(c1, c2, pct), expected)
        << std::hex << c1 << " " << c2 << std::dec << " " << asked;
    ASSERT_EQ(pct, p);
  }
}

TEST(BlendColors, TranslatesSystemColoursAndReadsBadOnesAsBlack) {
  const win::OLE_COLOR button_face = 0x8000000F;  // 0xC0C0C0 in the standard scheme
  EXPECT_EQ(BlendColors(button_face, 0x000000, 0), 0xC0C0C0u);
  EXPECT_EQ(BlendColors(0x000000, button_face, 100), 0xC0C0C0u);
  EXPECT_EQ(BlendColors(button_face, 0xFFFFFF, 50), 0xDFDFDFu);
  for (win::OLE_COLOR bad : {0x800000FFu, 0x81000000u, 0x01000005u}) {
    EXPECT_EQ(BlendColors(bad, 0xFFFFFF, 0), 0x000000u) << std::hex << bad;
    EXPECT_EQ(BlendColors(0xFFFFFF, bad, 100), 0x000000u) << std::hex << bad;
  }
  // Bits 24 to 31 never reach the result.
  EXPECT_EQ(BlendColors(0x02123456, 0x02123456, 30), 0x123456u);
}

TEST(GetRGB, SplitsRedFromTheLowByte) {
  std::int32_t r = -1, g = -1, b = -1;
  GetRGB(r, g, b, 0x00336699);
  EXPECT_EQ(r, 153);
  EXPECT_EQ(g, 102);
  EXPECT_EQ(b, 51);
  GetRGB(r, g, b, 0x8000000F);
  EXPECT_EQ(r, 192);
  EXPECT_EQ(g, 192);
  EXPECT_EQ(b, 192);
  GetRGB(r, g, b, 0x800000FF);
  EXPECT_EQ(r + g + b, 0);
}

TEST(ClampValue, TestsTheLowBoundFirst) {
  EXPECT_EQ(ClampValue(-101, -100, 100), -100);
  EXPECT_EQ(ClampValue(100, -100, 100), 100);
  EXPECT_EQ(ClampValue(250, -100, 100), 100);
  EXPECT_EQ(ClampValue(5, 10, 0), 10);
  EXPECT_EQ(ClampValue(20, 10, 0), 0);
  std::int32_t v = 7;
  ClampValue(v, 0, 5, v);  // result may be the value's own variable
  EXPECT_EQ(v, 5);
}

TEST(SignedWords, ReadEachHalfAsSigned16Bit) {
  EXPECT_EQ(SignedLoWord(0x0001FFFF), -1);
  EXPECT_EQ(SignedLoWord(0x00008000), -32768);
  EXPECT_EQ(SignedLoWord(0x7FFF7FFF), 32767);
  EXPECT_EQ(SignedHiWord(std::int32_t(0xFFFF0010u)), -1);
  EXPECT_EQ(SignedHiWord(0x7FFF0000), 32767);
  EXPECT_EQ(SignedHiWord(std::int32_t(0x8000FFFFu)), -32768);
  for (std::int32_t v :
       {0, 1, -1, 0x12345678, std::int32_t(0x87654321u), std::int32_t(0x80000000u)}) {
    EXPECT_EQ(SignedLoWord(v), win::GET_X_LPARAM(v));
    EXPECT_EQ(SignedHiWord(v), win::GET_Y_LPARAM(v));
  }
}

}  // namespace
}  // namespace candy
