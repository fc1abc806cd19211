#include <gtest/gtest.h>

#include "tests/candybutton/fake_host.h"

namespace candy {
namespace {

using Inspect = CandyButtonInspector;

TEST(CandyButtonRedraw, NothingIsDrawnBeforeTheButtonIsReady) {
  Host h;
  std::int32_t state = 3;
  Inspect::Redraw(*h.button, state);
  EXPECT_EQ(h.log, Log{});
  // The window is already shaped on resize and show.
  h.button->OnResize();
  h.button->OnShow();
  EXPECT_EQ(h.log, (Log{"region", "region"}));
}

TEST(CandyButtonRedraw, ACheckedButtonTurnsTheCallersStateIntoFour) {
  Host h;
  h.button->Checked(true);  // not ready: stores and notifies only
  EXPECT_EQ(h.log, Log{"notify Checked"});
  std::int32_t state = 1;
  Inspect::Redraw(*h.button, state);
  EXPECT_EQ(state, 4);

  CandyButton& b = h.ready();
  state = 3;
  Inspect::Redraw(b, state);
  EXPECT_EQ(state, 4);
  EXPECT_EQ(h.log,
            (Log{"clear", "paint push 4", "text 'CandyButton' 40,38 flags 2 color 0", "refresh"}));
}

TEST(CandyButtonRedraw, EachStyleGoesToItsPainter) {
  const std::vector<std::pair<std::int32_t, std::string>> table = {
      {0, "push"},    {1, "tool"},    {2, "rounded"}, {3, "rounded"},
      {4, "rounded"}, {5, "rounded"}, {6, "pixel"},   {7, "rounded"},
      {8, ""},        {-1, ""},       {1000, ""},     {INT32_MIN, ""}};
  for (const auto& [style, family] : table) {
    Host h;
    CandyButton& b = h.ready();
    b.Caption("");
    b.Style(style);
    h.log.clear();
    std::int32_t state = 2;
    Inspect::Redraw(b, state);
    Log expected{"clear"};
    if (!family.empty()) expected.push_back("paint " + family + " 2");
    expected.push_back("refresh");
    EXPECT_EQ(h.log, expected) << "style " << style;
  }
}

TEST(CandyButtonRedraw, AFailingPainterStopsBeforeTheCaption) {
  Host h;
  CandyButton& b = h.ready();
  h.failing_painter = "push";
  std::int32_t state = 0;
  EXPECT_THROW(Inspect::Redraw(b, state), std::runtime_error);
  EXPECT_EQ(h.log, (Log{"clear", "paint push 0"}));
  // A setter passes the failure on after storing.
  h.log.clear();
  EXPECT_THROW(b.BorderBrightness(10), std::runtime_error);
  EXPECT_EQ(b.BorderBrightness(), 10);
}

TEST(CandyButtonRedraw, ResizeShapesThenRepaints) {
  Host h;
  CandyButton& b = h.ready();
  b.OnResize();
  EXPECT_EQ(h.log, (Log{"region", "clear", "paint push 0",
                        "text 'CandyButton' 40,38 flags 2 color 0", "refresh"}));
}

}  // namespace
}  // namespace candy
