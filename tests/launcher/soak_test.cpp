// A long run of the launcher after its reveal: thousands of hover, press,
// release, leave and focus cycles over all six buttons must leave resident
// memory, open file descriptors and every live-object count where they were.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "candybutton/hosted_button.h"
#include "launcher/stored_layout.h"
#include "launcher_fixture.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/memory.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"

namespace launcher_test {
namespace {

// Rounds of one cycle on each of the six buttons: thousands of cycles in an
// optimised build, fewer where every memory access is checked, so that the
// sanitizer run stays short.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kQuarantinesFreedMemory = true;
constexpr int kWarmUp = 8;
constexpr int kRounds = 20;
#else
constexpr bool kQuarantinesFreedMemory = false;
constexpr int kWarmUp = 20;
#if defined(NDEBUG)
constexpr int kRounds = 400;
#else
constexpr int kRounds = 120;
#endif
#endif

// Shows every frame to no one, so that the test itself keeps nothing.
class DiscardingPresenter final : public win::Presenter {
 public:
  void present(win::HWND, const win::Surface&, win::POINT) override {}
  void wait_for_events(std::int64_t timeout_ms, bool) override {
    if (timeout_ms > 0) win::clock().sleep_ms(timeout_ms);
  }
};

struct Counter final : candy::CandyButtonEvents {
  int clicks = 0;
  int enters = 0;
  int leaves = 0;
  void Click() override { ++clicks; }
  void MouseEnter() override { ++enters; }
  void MouseLeave() override { ++leaves; }
};

struct Usage {
  std::array<std::size_t, static_cast<std::size_t>(win::ObjectKind::Count)> objects{};
  std::size_t allocations = 0;
  std::size_t descriptors = 0;
  long resident_kib = 0;
};

Usage usage_now() {
  Usage u;
  for (std::size_t k = 0; k < u.objects.size(); ++k)
    u.objects[k] = win::live_objects(static_cast<win::ObjectKind>(k));
  u.allocations = win::live_virtual_allocations();
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
    ++u.descriptors;
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  u.resident_kib = resident * (sysconf(_SC_PAGESIZE) / 1024);
  return u;
}

TEST(Soak, HoverPressReleaseLeaveAndFocusCyclesOnAllSixButtonsStayFlat) {
  SteppingClock clock;
  DiscardingPresenter presenter;
  win::set_clock(&clock);
  win::set_presenter(&presenter);
  {
    forms::ControlRegistry registry = forms::ControlRegistry::with_standard_controls();
    candy::register_candybutton(registry);
    Counter counter;
    launcher::mainFRM frm(launcher::mainFRM_layout(), registry, test_pictures(), [] {});
    for (const char* name :
         {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD", "closeCMD"})
      frm.form().control(name).set_Visible(true);
    frm.form().set_Left(0);
    frm.form().set_Top(0);
    win::process_pending_messages();

    // The middles of the six buttons, and a point on the background.
    const win::POINT buttons[] = {{68, 60},  {196, 60},  {324, 60},
                                  {68, 172}, {196, 172}, {324, 172}};
    const win::POINT outside{200, 230};
    for (const char* name : {"progCMD", "vidCMD", "mp3CMD", "picCMD", "ultCMD", "setCMD"})
      frm.form().control_as<candy::HostedCandyButton>(name).button().set_events(&counter);
    const auto cycle = [&] {
      for (const win::POINT p : buttons) {
        win::deliver_mouse_move(p.x, p.y);
        win::process_pending_messages();
        win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Press);
        win::process_pending_messages();
        win::deliver_mouse_button(win::MouseButton::Left, win::ButtonAction::Release);
        win::process_pending_messages();
        win::deliver_mouse_move(outside.x, outside.y);
        win::process_pending_messages();
        win::deliver_key(win::VK_TAB, win::KeyAction::Down);
        win::deliver_key(win::VK_TAB, win::KeyAction::Up);
        win::process_pending_messages();
      }
    };
    // Warm up, so that what is made once (fonts, tables, caches) exists.
    for (int i = 0; i < kWarmUp; ++i) cycle();
    const Usage before = usage_now();
    for (int i = 0; i < kRounds; ++i) cycle();
    const Usage after = usage_now();

    // Every cycle reached every button.
    EXPECT_EQ(counter.clicks, 6 * (kWarmUp + kRounds));
    EXPECT_EQ(counter.enters, 6 * (kWarmUp + kRounds));
    EXPECT_EQ(counter.leaves, 6 * (kWarmUp + kRounds));
    for (std::size_t k = 0; k < before.objects.size(); ++k)
      EXPECT_EQ(after.objects[k], before.objects[k]) << "kind " << k;
    EXPECT_EQ(after.allocations, before.allocations);
    EXPECT_EQ(after.descriptors, before.descriptors);
    // The allocator may keep a few pages back; a leak of even a few bytes a
    // cycle would show as far more. The address sanitizer holds freed memory
    // back on purpose (its quarantine), so there only its leak check speaks.
    if (!kQuarantinesFreedMemory) {
      EXPECT_LT(after.resident_kib - before.resident_kib, 1024)
          << before.resident_kib << " -> " << after.resident_kib;
    }
  }
  win::set_presenter(nullptr);
  win::set_clock(nullptr);
}

}  // namespace
}  // namespace launcher_test
