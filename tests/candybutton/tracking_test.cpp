// Finding the mouse-leave tracking function on systems that offer it in
// user32, only in comctl32, or nowhere; and a long run of visits that must
// leave nothing behind.
#include <gtest/gtest.h>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/memory.h"
#include "platform/win/user/paint.h"
#include "tests/candybutton/live_button.h"
#include "tests/support/mappings.h"

namespace candy::live {
namespace {

using test_support::low_executable_bytes;

class Tracking : public LiveButton {};

TEST_F(Tracking, IsFunctionExportedUnloadsOnlyWhatItLoaded) {
  ASSERT_EQ(win::module_load_count("comctl32"), 0);
  EXPECT_TRUE(IsFunctionExported("_TrackMouseEvent", "Comctl32"));
  EXPECT_FALSE(IsFunctionExported("TrackMouseEvent", "Comctl32"));
  EXPECT_EQ(win::module_load_count("comctl32"), 0);

  const win::HMODULE comctl32 = win::LoadLibraryA("comctl32");
  const int user32 = win::module_load_count("user32");
  EXPECT_TRUE(IsFunctionExported("_TrackMouseEvent", "Comctl32"));
  EXPECT_TRUE(IsFunctionExported("TrackMouseEvent", "User32"));
  EXPECT_EQ(win::module_load_count("comctl32"), 1);
  EXPECT_EQ(win::module_load_count("user32"), user32);
  win::FreeLibrary(comctl32);

  EXPECT_FALSE(IsFunctionExported("TrackMouseEvent", "NoSuchLibrary"));
}

TEST_F(Tracking, WithoutTheUser32FunctionComctl32Tracks) {
  win::withhold_export("user32", "TrackMouseEvent");
  CandyButton& b = make();
  EXPECT_EQ(CandyButtonInspector::track_available(b), kTrue);
  EXPECT_EQ(CandyButtonInspector::track_in_user32(b), kFalse);
  EXPECT_EQ(win::module_load_count("comctl32"), 0);
  move(5, 5);
  move(-5, 5);
  EXPECT_EQ(take(), (Log{"MouseEnter", "paint 3", "MouseLeave", "paint 0"}));
}

TEST_F(Tracking, WithNeitherFunctionNoMessageIsIntercepted) {
  win::withhold_export("user32", "TrackMouseEvent");
  win::withhold_export("comctl32", "_TrackMouseEvent");
  const win::LONG procedure = win::GetWindowLongA(m_control->hWnd(), win::GWL_WNDPROC);
  CandyButton& b = make();
  EXPECT_EQ(CandyButtonInspector::track_available(b), kFalse);
  EXPECT_EQ(block(), 0u);
  EXPECT_EQ(win::GetWindowLongA(m_control->hWnd(), win::GWL_WNDPROC), procedure);
  log_regions = true;
  win::InvalidateRect(m_control->hWnd(), nullptr, 0);
  move(5, 5);
  move(-5, 5);
  EXPECT_EQ(take(), Log{});
}

std::vector<std::size_t> live_counts() {
  std::vector<std::size_t> counts;
  for (int kind = 0; kind < static_cast<int>(win::ObjectKind::Count); ++kind)
    counts.push_back(win::live_objects(static_cast<win::ObjectKind>(kind)));
  counts.push_back(win::live_virtual_allocations());
  return counts;
}

TEST_F(Tracking, AThousandVisitsAndAThousandButtonsLeaveNothingBehind) {
  forms::PropertyBag bag;
  bag.write("Style", std::int32_t{4});
  make(bag);
  move(5, 5);
  press();
  release();
  move(-5, 5);
  const auto counts = live_counts();
  const auto executable = low_executable_bytes();
  for (int i = 0; i < 1000; ++i) {
    move(5 + i % 7, 5);
    press();
    release();
    move(-5, 5);
  }
  EXPECT_EQ(live_counts(), counts);
  EXPECT_EQ(low_executable_bytes(), executable);
  // A container ends a control together with its window, as a form does.
  for (int i = 0; i < 1000; ++i) {
    m_control->set_events(nullptr);
    button.reset();
    m_control = std::make_unique<forms::UserControl>(m_top, 10, 10, kWidth, kHeight);
    make(bag);
    move(5, 5);
    move(-5, 5);
  }
  EXPECT_EQ(live_counts(), counts);
  EXPECT_EQ(low_executable_bytes(), executable);
  log.clear();
}

}  // namespace
}  // namespace candy::live
