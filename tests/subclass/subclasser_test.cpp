#include "subclass/subclasser.h"

#include <gtest/gtest.h>

#include <cstring>

#include <functional>
#include <string>
#include <vector>

#include "platform/win/kernel/event_log.h"
#include "platform/win/kernel/low_code.h"
#include "platform/win/kernel/memory.h"
#include "platform/win/user/message_box.h"
#include "platform/win/kernel/module.h"
#include "platform/win/user/window.h"
#include "tests/subclass/test_windows.h"
#include "tests/support/mappings.h"

namespace subclass {
namespace {

using subclass_test::make_test_window;
using subclass_test::send_to;
using test_support::low_executable_bytes;
using win::HWND;
using win::LPARAM;
using win::LRESULT;
using win::UINT;
using win::WPARAM;

std::vector<UINT> g_previous_calls;

LRESULT previous_proc(HWND, UINT message, WPARAM, LPARAM) {
  g_previous_calls.push_back(message);
  return 7;
}

struct Call {
  win::BOOL is_before;
  UINT message;
  LRESULT return_value;
};

class Owner : public SubclassOwner {
 public:
  void Other(win::BOOL, win::BOOL&, LRESULT&, HWND, UINT, WPARAM, LPARAM, win::LONG&) {
    ++other_calls;
  }
  void HandleWindowMessage(win::BOOL is_before, win::BOOL& handled, LRESULT& return_value,
                           HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                           win::LONG& user_value) {
    calls.push_back({is_before, message, return_value});
    if (on_message)
      on_message(is_before, handled, return_value, window, message, wparam, lparam, user_value);
  }
  std::span<const Callback> callback_methods() const override {
    static const Callback methods[] = {static_cast<Callback>(&Owner::Other),
                                       static_cast<Callback>(&Owner::HandleWindowMessage)};
    return methods;
  }
  std::vector<Call> calls;
  int other_calls = 0;
  std::function<void(win::BOOL, win::BOOL&, LRESULT&, HWND, UINT, WPARAM, LPARAM, win::LONG&)>
      on_message;
};

class SubclasserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win::clear_event_log_record();
    win::clear_message_box_record();
    win::restore_modules();
    g_previous_calls.clear();
    window = make_test_window(&previous_proc);
  }
  void TearDown() override { win::restore_modules(); }

  void expect_report(const std::string& routine, const std::string& message) {
    ASSERT_FALSE(win::event_log_record().empty());
    EXPECT_EQ(
        win::event_log_record().back(),
        (win::EventLogEntry{win::EVENTLOG_ERROR_TYPE, "CandyButton." + routine + ": " + message}));
    ASSERT_FALSE(win::message_box_record().empty());
    const auto& box = win::message_box_record().back();
    EXPECT_EQ(box.text, message + ".");
    EXPECT_EQ(box.caption, "Error in CandyButton." + routine);
    EXPECT_EQ(box.type, 48u);
  }
  std::size_t reports() const { return win::event_log_record().size(); }
  const MessageTable& table(bool before) {
    auto* block = reinterpret_cast<ThunkBlock*>(static_cast<std::uintptr_t>(sub.block_of(window)));
    return before ? block->before : block->after;
  }

  Owner owner;
  Subclasser sub{owner};
  HWND window;
};

TEST_F(SubclasserTest, CallsBackBeforeAndAfterAndForwards) {
  ASSERT_TRUE(sub.sc_Subclass(window, 0, 1, nullptr, true));
  sub.sc_AddMessage(window, win::WM_PAINT, MSG_BEFORE);
  sub.sc_AddMessage(window, win::WM_MOUSEMOVE, MSG_AFTER);
  EXPECT_EQ(send_to(window, win::WM_PAINT), 7);
  EXPECT_EQ(send_to(window, win::WM_MOUSEMOVE), 7);
  EXPECT_EQ(send_to(window, win::WM_TIMER), 7);
  ASSERT_EQ(owner.calls.size(), 2u);
  EXPECT_EQ(owner.calls[0].is_before, -1);
  EXPECT_EQ(owner.calls[0].message, win::WM_PAINT);
  EXPECT_EQ(owner.calls[1].is_before, 0);
  EXPECT_EQ(owner.calls[1].return_value, 7);  // the previous procedure's result
  EXPECT_EQ(owner.other_calls, 0);
  EXPECT_EQ(g_previous_calls.size(), 3u);
  EXPECT_EQ(reports(), 0u);
}

TEST_F(SubclasserTest, HandledBeforeReturnsTheCallbacksValue) {
  ASSERT_TRUE(sub.sc_Subclass(window));
  sub.sc_AddMessage(window, win::WM_PAINT, MSG_BEFORE_AND_AFTER);
  owner.on_message = [](win::BOOL, win::BOOL& handled, LRESULT& rv, HWND, UINT, WPARAM, LPARAM,
                        win::LONG& uv) {
    handled = -1;
    rv = 5;
    uv = 9;
  };
  EXPECT_EQ(send_to(window, win::WM_PAINT), 5);
  EXPECT_TRUE(g_previous_calls.empty());
  EXPECT_EQ(owner.calls.size(), 1u);
  EXPECT_EQ(sub.sc_GetUserValue(window), 9);
}

TEST_F(SubclasserTest, SecondSubclassOfAWindowIsRefusedAndTheFirstKeepsWorking) {
  ASSERT_TRUE(sub.sc_Subclass(window));
  const auto live = win::live_virtual_allocations();
  const auto first = sub.block_of(window);
  EXPECT_FALSE(sub.sc_Subclass(window));
  expect_report("sc_Subclass", "Window handle is already subclassed");
  EXPECT_EQ(win::live_virtual_allocations(), live);
  EXPECT_EQ(sub.block_of(window), first);
  sub.sc_AddMessage(window, 0x300, MSG_AFTER);
  send_to(window, 0x300);
  EXPECT_EQ(owner.calls.size(), 1u);
}

TEST_F(SubclasserTest, RefusesInvalidAndForeignWindowsAndMissingCallbacks) {
  EXPECT_FALSE(sub.sc_Subclass(HWND{0xDEAD}));
  expect_report("sc_Subclass", "Invalid window handle");
  const HWND foreign = make_test_window(&previous_proc, win::GetCurrentProcessId() + 1);
  EXPECT_FALSE(sub.sc_Subclass(foreign));
  expect_report("sc_Subclass", "Window handle belongs to another process");
  EXPECT_FALSE(sub.sc_Subclass(window, 0, 0));
  expect_report("sc_Subclass", "Callback method not found");
  EXPECT_FALSE(sub.sc_Subclass(window, 0, 3));
  EXPECT_FALSE(sub.has_window_map());
}

TEST_F(SubclasserTest, CallbackOrdinalCountsFromTheEnd) {
  ASSERT_TRUE(sub.sc_Subclass(window, 0, 2));
  sub.sc_AddMessage(window, ALL_MESSAGES, MSG_BEFORE);
  send_to(window, 1);
  EXPECT_EQ(owner.other_calls, 1);
  EXPECT_TRUE(owner.calls.empty());
}

TEST_F(SubclasserTest, TableEditsFollowTheirRules) {
  ASSERT_TRUE(sub.sc_Subclass(window));
  sub.sc_AddMessage(window, 0x100, MSG_BEFORE);
  sub.sc_AddMessage(window, 0x100, MSG_BEFORE);
  EXPECT_EQ(table(true).count, 1);
  for (int m = 1; m < 32; ++m) sub.sc_AddMessage(window, 0x100 + m, MSG_BEFORE);
  EXPECT_EQ(table(true).count, 32);
  EXPECT_EQ(reports(), 0u);
  const std::string overflow =
      "Message table overflow. Either increase the value of Const MSG_ENTRIES or use ALL_MESSAGES "
      "instead of specific message values";
  sub.sc_AddMessage(window, 0x500, MSG_BEFORE);
  expect_report("zAddMsg", overflow);
  sub.sc_AddMessage(window, 0x100, MSG_BEFORE);  // already held, still an overflow
  EXPECT_EQ(reports(), 2u);

  sub.sc_DeleteMessage(window, 0x105, MSG_BEFORE);
  EXPECT_EQ(table(true).messages[5], 0u);
  EXPECT_EQ(table(true).count, 32);
  sub.sc_AddMessage(window, 0x600, MSG_BEFORE);  // the count is what overflows
  EXPECT_EQ(reports(), 3u);
  sub.sc_AddMessage(window, 0x700, MSG_AFTER);
  sub.sc_AddMessage(window, 0x701, MSG_AFTER);
  sub.sc_DeleteMessage(window, 0x700, MSG_AFTER);
  sub.sc_AddMessage(window, 0x702, MSG_AFTER);
  EXPECT_EQ(table(false).count, 2);
  EXPECT_EQ(table(false).messages[0], 0x702u);

  sub.sc_AddMessage(window, ALL_MESSAGES, MSG_AFTER);
  EXPECT_EQ(table(false).count, -1);
  sub.sc_DeleteMessage(window, 0x2A3, MSG_AFTER);
  expect_report("zDelMsg", "Message &H2A3 not found in table");
  sub.sc_AddMessage(window, 0x200, MSG_AFTER);
  EXPECT_EQ(table(false).count, 1);
  EXPECT_EQ(table(false).messages[0], 0x200u);
  sub.sc_DeleteMessage(window, -2, MSG_AFTER);
  expect_report("zDelMsg", "Message &HFFFFFFFE not found in table");
}

TEST_F(SubclasserTest, UnsubclassReleasesTheBlockAtTheNextMessage) {
  WPARAM before_proc = 0;
  ASSERT_TRUE(sub.sc_Subclass(window));
  const auto block = sub.block_of(window);
  sub.sc_AddMessage(window, ALL_MESSAGES, MSG_BEFORE_AND_AFTER);
  sub.sc_UnSubclass(window);
  EXPECT_EQ(sub.block_of(window), 0u);
  EXPECT_EQ(win::IsBadCodePtr(reinterpret_cast<void*>(std::uintptr_t{block} + 56)), 0);
  EXPECT_EQ(send_to(window, win::WM_PAINT), 1);  // VirtualFree's result ends that message
  EXPECT_EQ(g_previous_calls.size(), 1u);
  EXPECT_TRUE(owner.calls.empty());
  EXPECT_NE(win::IsBadCodePtr(reinterpret_cast<void*>(std::uintptr_t{block})), 0);
  EXPECT_EQ(send_to(window, win::WM_PAINT), 7);  // straight to the previous procedure
  (void)before_proc;
  sub.sc_UnSubclass(window);
  expect_report("zMap_hWnd", "Window handle isn't subclassed");
}

// The procedure writes the nesting counter at offset 0 on every forward; with
// the block at the start of a page that counter shared a cache line with the
// first instructions, and each message cost a pipeline restart.
TEST_F(SubclasserTest, GeneratedCodeSharesNoCacheLineWithTheNestingCounter) {
  ASSERT_TRUE(sub.sc_Subclass(window));
  const std::uint32_t block = sub.block_of(window);
  const auto procedure = static_cast<std::uint32_t>(win::GetWindowLongA(window, win::GWL_WNDPROC));
  EXPECT_EQ(procedure, block + 56);
  EXPECT_EQ(procedure % 64, 0u);
  EXPECT_NE(block / 64, procedure / 64);
  EXPECT_EQ(send_to(window, win::WM_PAINT), 7);
}

TEST_F(SubclasserTest, UnsubclassFromInsideTheCallbackWaitsForTheMessageToLeave) {
  ASSERT_TRUE(sub.sc_Subclass(window));
  sub.sc_AddMessage(window, 0x400, MSG_BEFORE);
  const auto live = win::live_virtual_allocations();
  owner.on_message = [&](win::BOOL, win::BOOL&, LRESULT&, HWND w, UINT, WPARAM, LPARAM,
                         win::LONG&) {
    sub.sc_UnSubclass(w);
    send_to(w, 0x401);  // forwarded through the same block while the callback runs
  };
  EXPECT_EQ(send_to(window, 0x400), 1);
  EXPECT_EQ(g_previous_calls, (std::vector<UINT>{0x401, 0x400}));
  EXPECT_EQ(win::live_virtual_allocations(), live - 1);
}

TEST_F(SubclasserTest, UnsubclassAllWithoutAndWithWindows) {
  sub.sc_UnSubclassAll();
  EXPECT_EQ(reports(), 0u);
  const HWND second = make_test_window(&previous_proc);
  ASSERT_TRUE(sub.sc_Subclass(window));
  ASSERT_TRUE(sub.sc_Subclass(second));
  sub.sc_UnSubclassAll();
  EXPECT_FALSE(sub.has_window_map());
  send_to(window, 1);
  send_to(second, 1);
  ASSERT_TRUE(sub.sc_Subclass(window));
  sub.sc_UnSubclass(window);
  send_to(window, 1);
  EXPECT_EQ(reports(), 0u);
}

TEST_F(SubclasserTest, AllocationAndInstallationFailuresAreReported) {
  win::fail_next_virtual_alloc(win::ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_FALSE(sub.sc_Subclass(window));
  expect_report("sc_Subclass", "VirtualAlloc failed, error: 8");
  EXPECT_EQ(sub.block_of(window), 0u);

  const auto live = win::live_virtual_allocations();
  subclass_test::fail_next_set_window_long(win::ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(sub.sc_Subclass(window));
  expect_report("sc_Subclass", "SetWindowLong failed, error #1400");
  EXPECT_EQ(win::live_virtual_allocations(), live);
  // Regression: the failed window kept its key, so a retry was refused.
  EXPECT_EQ(sub.block_of(window), 0u);
  EXPECT_TRUE(sub.sc_Subclass(window));
}

std::int32_t g_run_mode = 1;
int g_run_mode_queries = 0;
std::int32_t run_mode() {
  ++g_run_mode_queries;
  return g_run_mode;
}

TEST_F(SubclasserTest, RunModeGuard) {
  ASSERT_TRUE(sub.sc_Subclass(window));
  send_to(window, 1);
  EXPECT_EQ(g_run_mode_queries, 0);  // no design environment: no query

  win::plant_module(kDesignEnvironmentModule,
                    {{kRunModeQueryName, reinterpret_cast<win::FARPROC>(&run_mode)}});
  const HWND guarded = make_test_window(&previous_proc);
  ASSERT_TRUE(sub.sc_Subclass(guarded));
  sub.sc_AddMessage(guarded, ALL_MESSAGES, MSG_BEFORE_AND_AFTER);
  g_run_mode = 1;
  EXPECT_EQ(send_to(guarded, 1), 7);
  EXPECT_EQ(owner.calls.size(), 2u);
  g_run_mode = 2;  // paused: forwarded without callbacks
  g_previous_calls.clear();
  EXPECT_EQ(send_to(guarded, 2), 7);
  EXPECT_EQ(owner.calls.size(), 2u);
  EXPECT_EQ(g_previous_calls.size(), 1u);

  // Stopped while a callback of this window is running: the block waits.
  g_run_mode = 1;
  const auto block = sub.block_of(guarded);
  owner.on_message = [&](win::BOOL is_before, win::BOOL&, LRESULT&, HWND w, UINT m, WPARAM, LPARAM,
                         win::LONG&) {
    if (m != 3 || !is_before) return;
    g_run_mode = 0;
    EXPECT_EQ(send_to(w, 4), 0);  // neither forwarded nor released here
    EXPECT_EQ(win::IsBadCodePtr(reinterpret_cast<void*>(std::uintptr_t{block})), 0);
    g_run_mode = 1;
  };
  g_previous_calls.clear();
  EXPECT_EQ(send_to(guarded, 3), 1);  // the outermost forward releases
  EXPECT_EQ(g_previous_calls, std::vector<UINT>{3});
  EXPECT_NE(win::IsBadCodePtr(reinterpret_cast<void*>(std::uintptr_t{block})), 0);

  // Stopped with nothing in progress: restored and released without forwarding.
  owner.on_message = nullptr;
  const HWND third = make_test_window(&previous_proc);
  ASSERT_TRUE(sub.sc_Subclass(third));
  const auto third_block = sub.block_of(third);
  g_run_mode = 0;
  g_previous_calls.clear();
  EXPECT_EQ(send_to(third, 5), 1);
  EXPECT_TRUE(g_previous_calls.empty());
  EXPECT_NE(win::IsBadCodePtr(reinterpret_cast<void*>(std::uintptr_t{third_block})), 0);
  EXPECT_EQ(send_to(third, 6), 7);
  g_run_mode = 1;
}

// Preparing the template again, after sc_UnSubclassAll, once zero-filled the
// guard slot that a guard-off subclassing must keep.
TEST_F(SubclasserTest, GuardOffKeepsTheRunModeSlotAcrossTemplatePreparationWipe) {
  win::plant_module(kDesignEnvironmentModule,
                    {{kRunModeQueryName, reinterpret_cast<win::FARPROC>(&run_mode)}});
  g_run_mode = 1;
  const auto slot_of = [&](HWND w) {
    std::uint32_t slot = 0;
    std::memcpy(&slot, reinterpret_cast<const void*>(std::uintptr_t{sub.block_of(w)} + 12), 4);
    return slot;
  };
  const std::uint32_t query = win::low_code_address(&run_mode);
  ASSERT_TRUE(sub.sc_Subclass(window, 0, 1, nullptr, true));
  EXPECT_EQ(slot_of(window), query);
  sub.sc_UnSubclassAll();
  const HWND other = make_test_window(&previous_proc);
  ASSERT_TRUE(sub.sc_Subclass(other, 0, 1, nullptr, false));
  EXPECT_EQ(slot_of(other), query);
  ASSERT_TRUE(sub.sc_Subclass(window, 0, 1, nullptr, false));
  EXPECT_EQ(slot_of(window), query);
}

TEST_F(SubclasserTest, SoakLeavesMemoryWhereItStarted) {
  // Warm up once so lazily made tables exist before counting.
  ASSERT_TRUE(sub.sc_Subclass(window));
  sub.sc_UnSubclass(window);
  send_to(window, 1);
  const auto live = win::live_virtual_allocations();
  const auto executable = low_executable_bytes();
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(sub.sc_Subclass(window, i));
    sub.sc_AddMessage(window, win::WM_MOUSEMOVE, MSG_AFTER);
    send_to(window, win::WM_MOUSEMOVE);
    sub.sc_UnSubclass(window);
    send_to(window, win::WM_MOUSEMOVE);
  }
  EXPECT_EQ(win::live_virtual_allocations(), live);
  EXPECT_EQ(low_executable_bytes(), executable);
  EXPECT_EQ(owner.calls.size(), 1000u);
  EXPECT_EQ(reports(), 0u);
}

}  // namespace
}  // namespace subclass
