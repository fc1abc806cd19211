#include <gtest/gtest.h>

#include "tests/candybutton/fake_host.h"

namespace candy {
namespace {

using Names = std::vector<std::string>;

TEST(CandyButtonSchemes, SchemeFourFromNoScheme) {
  Host h;
  CandyButton& b = h.ready();
  b.ColorScheme(4);
  EXPECT_EQ(h.container.notified, (Names{"m_ColorButtonUp", "m_ColorButtonHover",
                                         "m_ColorButtonDown", "m_ColorBright", "m_ColorScheme"}));
  EXPECT_EQ(b.ColorButtonUp(), 0x000080u);
  EXPECT_EQ(b.ColorButtonHover(), 0x0000A0u);
  EXPECT_EQ(b.ColorButtonDown(), 0x0000F0u);
  EXPECT_EQ(b.ColorBright(), 0x0000FFu);
  EXPECT_EQ(b.ColorScheme(), 4);
  // One repaint per colour setter and one at the end.
  EXPECT_EQ(std::count(h.log.begin(), h.log.end(), "paint push 0"), 5);
}

TEST(CandyButtonSchemes, SwitchingSchemesPassesThroughZeroOnce) {
  Host h;
  CandyButton& b = h.ready();
  b.ColorScheme(5);
  h.container.notified.clear();
  b.ColorScheme(2);
  EXPECT_EQ(h.container.notified, (Names{"m_ColorScheme", "m_ColorButtonUp", "m_ColorButtonHover",
                                         "m_ColorButtonDown", "m_ColorBright", "m_ColorScheme"}));
  EXPECT_EQ(b.ColorScheme(), 2);
  EXPECT_EQ(b.ColorButtonUp(), 0xD09060u);
}

TEST(CandyButtonSchemes, UnknownSchemeChangesNoColour) {
  Host h;
  CandyButton& b = h.ready();
  for (std::int32_t v : {7, 0, -3}) {
    h.container.notified.clear();
    b.ColorScheme(v);
    EXPECT_EQ(h.container.notified, Names{"m_ColorScheme"});
    EXPECT_EQ(b.ColorScheme(), v);
    EXPECT_EQ(b.ColorButtonUp(), 0xE99950u);
    EXPECT_EQ(b.ColorButtonHover(), 0xFFC090u);
  }
}

TEST(CandyButtonSchemes, AColourSetByHandLeavesTheScheme) {
  Host h;
  CandyButton& b = h.ready();
  b.ColorScheme(3);
  h.container.notified.clear();
  b.ColorButtonUp(0x112233);
  EXPECT_EQ(h.container.notified, (Names{"m_ColorScheme", "m_ColorButtonUp"}));
  EXPECT_EQ(b.ColorScheme(), 0);
  h.container.notified.clear();
  b.ColorButtonUp(0x112233);
  EXPECT_EQ(h.container.notified, Names{"m_ColorButtonUp"});

  b.ColorScheme(1);
  b.BorderBrightness(20);
  b.ForeColor(0x1);
  EXPECT_EQ(b.ColorScheme(), 1) << "only the four face colours take part";
  b.ColorButtonDown(0x5);
  EXPECT_EQ(b.ColorScheme(), 0);
}

TEST(CandyButtonSchemes, AFailingColourSetterStopsTheScheme) {
  Host h;
  CandyButton& b = h.ready();
  b.ColorScheme(5);
  h.container.failing = {"m_ColorButtonHover"};
  EXPECT_THROW(b.ColorScheme(6), std::runtime_error);
  EXPECT_EQ(b.ColorButtonUp(), 0x008080u);
  EXPECT_EQ(b.ColorButtonHover(), 0x00A0A0u);
  EXPECT_EQ(b.ColorButtonDown(), 0x00C000u);
  EXPECT_EQ(b.ColorScheme(), 0);
}

}  // namespace
}  // namespace candy
