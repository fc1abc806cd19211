// The generated procedure against its C++ model: two worlds, each with its
// own block, run the same seeded script of messages, callbacks, table edits,
// nested sends and removal requests; results, logs and blocks must agree.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/win/kernel/low_code.h"
#include "platform/win/kernel/memory.h"
#include "subclass/subclass_owner.h"
#include "subclass/thunk_code.h"
#include "subclass/thunk_model.h"

namespace subclass {
namespace {

using win::HWND;
using win::LPARAM;
using win::LRESULT;
using win::UINT;
using win::WPARAM;

constexpr std::uint32_t kWindow = 0x00123456;

struct World;
World* g_world = nullptr;

// A function's address as a block field holds it: through its low stub.
template <class F>
std::uint32_t low(F* f) {
  return win::low_code_address(f);
}

class ScriptedOwner : public SubclassOwner {
 public:
  void on_message(win::BOOL is_before, win::BOOL& handled, LRESULT& return_value, HWND window,
                  UINT message, WPARAM wparam, LPARAM lparam, win::LONG& user_value);
  std::span<const Callback> callback_methods() const override {
    static const Callback methods[] = {static_cast<Callback>(&ScriptedOwner::on_message)};
    return methods;
  }
};

struct World {
  bool machine = false;
  std::mt19937 rng;
  ThunkBlock* block = nullptr;
  bool released = false;
  int depth = 0;
  std::vector<std::string> log;
  ScriptedOwner owner;
  OwnerRecords records;

  int roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
  void note(const std::string& s) { log.push_back(s); }

  LRESULT deliver(UINT message, WPARAM wparam, LPARAM lparam);
};

LRESULT previous_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  World& w = *g_world;
  w.note("prev " + std::to_string(window.value) + " " + std::to_string(message) + " " +
         std::to_string(wparam) + " " + std::to_string(lparam));
  if (w.depth < 3 && w.roll(6) == 0) {
    ++w.depth;
    const LRESULT nested = w.deliver(static_cast<UINT>(w.roll(8)), w.roll(100), w.roll(100));
    --w.depth;
    w.note("nested result " + std::to_string(nested));
  }
  return w.roll(1000);
}

LRESULT fake_call_window_proc(win::WNDPROC proc, HWND window, UINT message, WPARAM wparam,
                              LPARAM lparam) {
  g_world->note("forward nesting " + std::to_string(g_world->block->nesting));
  return proc(window, message, wparam, lparam);
}

win::LONG fake_set_window_long(HWND window, int index, win::LONG value) {
  g_world->note("restore " + std::to_string(window.value) + " " + std::to_string(index) + " " +
                std::to_string(value));
  return 0x1000;
}

win::BOOL fake_virtual_free(void* address, win::DWORD size, win::DWORD type) {
  World& w = *g_world;
  w.note("free " + std::to_string(address == allocation_of(w.block)) + " " + std::to_string(size) +
         " " + std::to_string(type));
  w.released = true;
  return 1;
}

std::int32_t fake_run_mode() {
  const int r = g_world->roll(20);
  const std::int32_t mode = r == 0 ? 0 : r < 3 ? 2 : 1;
  g_world->note("run mode " + std::to_string(mode));
  return mode;
}

void edit_table(World& w, MessageTable& table) {
  switch (w.roll(6)) {
    case 0: table.count = -1; break;
    case 1: table.count = 0; break;
    case 2:
      if (table.count >= 0 && table.count < MSG_ENTRIES)
        table.messages[table.count++] = static_cast<std::uint32_t>(w.roll(8));
      break;
    case 3:
      if (table.count > 0) table.messages[w.roll(table.count)] = 0;
      break;
    default: break;
  }
}

void ScriptedOwner::on_message(win::BOOL is_before, win::BOOL& handled, LRESULT& return_value,
                               HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                               win::LONG& user_value) {
  World& w = *g_world;
  w.note("callback " + std::to_string(is_before) + " " + std::to_string(handled) + " " +
         std::to_string(return_value) + " " + std::to_string(window.value) + " " +
         std::to_string(message) + " " + std::to_string(wparam) + " " + std::to_string(lparam) +
         " " + std::to_string(user_value) + " nesting " + std::to_string(w.block->nesting));
  if (w.roll(4) == 0) handled = -1;
  if (w.roll(3) == 0) return_value = w.roll(50);
  if (w.roll(3) == 0) user_value += 1;
  if (w.roll(4) == 0) edit_table(w, w.roll(2) ? w.block->before : w.block->after);
  if (w.roll(25) == 0) {
    // What sc_UnSubclass does to the block.
    w.block->release_request = -1;
    w.block->before.count = 0;
    w.block->after.count = 0;
  }
  if (w.depth < 3 && w.roll(8) == 0) {
    ++w.depth;
    w.note("sent from callback " + std::to_string(w.deliver(static_cast<UINT>(w.roll(8)), 1, 2)));
    --w.depth;
  }
  if (w.roll(40) == 0) throw std::runtime_error("a failing handler");
}

LRESULT World::deliver(UINT message, WPARAM wparam, LPARAM lparam) {
  if (released) return previous_proc(HWND{kWindow}, message, wparam, lparam);
  if (machine) {
    auto proc = reinterpret_cast<win::WNDPROC>(reinterpret_cast<std::uintptr_t>(block->code));
    return proc(HWND{kWindow}, message, wparam, lparam);
  }
  return model_window_procedure(block, HWND{kWindow}, message, wparam, lparam);
}

ThunkBlock* new_block(World& w, bool guard) {
  void* allocation =
      win::VirtualAlloc(nullptr, kAllocationSize, win::MEM_COMMIT, win::PAGE_EXECUTE_READWRITE);
  ThunkBlock* b = block_in(allocation);
  const auto self = low(b);
  std::memcpy(b->code, thunk_code().procedure.data(), kCodeSize);
  std::memcpy(tail_in(allocation), thunk_code().tail.data(), kTailSize);
  std::memcpy(b->code + kSelfAddressInCode, &self, 4);
  b->window = kWindow;
  b->run_mode_query = guard ? low(&fake_run_mode) : 0;
  b->call_window_proc = low(&fake_call_window_proc);
  b->set_window_long = low(&fake_set_window_long);
  b->virtual_free = low(&fake_virtual_free);
  b->is_bad_code_ptr = low(&win::IsBadCodePtr);
  b->owner = w.records.record_for(w.owner);
  b->previous_proc = low(&previous_proc);
  b->callback = callback_entry_address(w.owner, 1);
  b->before_table = self + offsetof(ThunkBlock, before);
  b->after_table = self + offsetof(ThunkBlock, after);
  return b;
}

void expect_same_state(const ThunkBlock& a, const ThunkBlock& b, int step) {
  EXPECT_EQ(a.nesting, b.nesting) << "step " << step;
  EXPECT_EQ(a.release_request, b.release_request) << "step " << step;
  EXPECT_EQ(a.user_value, b.user_value) << "step " << step;
  EXPECT_EQ(0, std::memcmp(&a.before, &b.before, sizeof a.before)) << "step " << step;
  EXPECT_EQ(0, std::memcmp(&a.after, &b.after, sizeof a.after)) << "step " << step;
}

void run_script(unsigned seed, bool guard, int messages) {
  World machine, model;
  machine.machine = true;
  machine.rng.seed(seed);
  model.rng.seed(seed);
  std::mt19937 script(seed ^ 0x9E3779B9u);
  for (World* w : {&machine, &model}) w->block = new_block(*w, guard);
  std::vector<ThunkBlock*> blocks{machine.block, model.block};

  for (int step = 0; step < messages; ++step) {
    const auto message = static_cast<UINT>(script() % 8);
    const auto wparam = static_cast<WPARAM>(script() % 100);
    const auto lparam = static_cast<LPARAM>(script() % 100);
    if (script() % 10 == 0) {
      const int table = static_cast<int>(script() % 2);
      const auto add = static_cast<UINT>(script() % 8);
      for (World* w : {&machine, &model}) {
        MessageTable& t = table ? w->block->before : w->block->after;
        if (t.count >= 0 && t.count < MSG_ENTRIES) t.messages[t.count++] = add;
      }
    }
    LRESULT results[2];
    int i = 0;
    for (World* w : {&machine, &model}) {
      g_world = w;
      results[i++] = w->deliver(message, wparam, lparam);
    }
    ASSERT_EQ(results[0], results[1]) << "seed " << seed << " step " << step;
    ASSERT_EQ(machine.log, model.log) << "seed " << seed << " step " << step;
    ASSERT_EQ(machine.released, model.released);
    expect_same_state(*machine.block, *model.block, step);
    if (machine.released) {
      // A fresh subclassing of the window for the rest of the script.
      for (World* w : {&machine, &model}) {
        w->released = false;
        w->block = new_block(*w, guard);
        blocks.push_back(w->block);
      }
    }
    machine.log.clear();
    model.log.clear();
  }
  g_world = nullptr;
  for (ThunkBlock* b : blocks) win::VirtualFree(allocation_of(b), 0, win::MEM_RELEASE);
}

// One message through both worlds over tables set up by `prepare`; the
// machine's log, which must equal the model's.
template <class Prepare>
std::vector<std::string> deliver_once(UINT message, Prepare prepare) {
  World machine, model;
  machine.machine = true;
  std::vector<std::string> logs[2];
  int i = 0;
  for (World* w : {&machine, &model}) {
    w->rng.seed(7);
    w->block = new_block(*w, false);
    prepare(*w->block);
    g_world = w;
    w->deliver(message, 1, 2);
    logs[i++] = w->log;
    if (!w->released) win::VirtualFree(allocation_of(w->block), 0, win::MEM_RELEASE);
  }
  g_world = nullptr;
  EXPECT_EQ(logs[0], logs[1]);
  return logs[0];
}

bool called_back_for(const std::vector<std::string>& log, UINT message) {
  // Built by appending: GCC 12 at -O3 takes " " + to_string for an overlap
  // (a false -Wrestrict).
  std::string tag = " ";
  tag += std::to_string(message);
  tag += ' ';
  for (const std::string& line : log)
    if (line.rfind("callback ", 0) == 0 && line.find(tag) != std::string::npos) return true;
  return false;
}

// Every table shape: each count from negative through 0 to 32, the message
// in no slot or in any one slot (each lane of the scan's four-slot groups,
// inside the count or past it), with and without deleted slots (0) when the
// message is 0 itself. The machine must select as the model does, and that is
// exactly slots 1 to count, or everything for a negative count.
TEST(ThunkCode, SelectsExactlyTheSlotsInUseForEveryCount) {
  struct Variant {
    UINT message;
    bool deleted_slots;
  };
  const std::int32_t odd_counts[] = {std::numeric_limits<std::int32_t>::min(), -2, -1};
  std::vector<std::int32_t> counts(std::begin(odd_counts), std::end(odd_counts));
  for (std::int32_t count = 0; count <= MSG_ENTRIES; ++count) counts.push_back(count);
  for (const Variant v : {Variant{0x4242, false}, Variant{0, true}, Variant{5, false}}) {
    for (const std::int32_t count : counts) {
      for (int slot = 0; slot <= MSG_ENTRIES; ++slot) {
        for (const bool before : {true, false}) {
          std::uint32_t held[MSG_ENTRIES];
          for (std::uint32_t i = 0; i < MSG_ENTRIES; ++i)
            held[i] = v.deleted_slots && i % 3 == 1 ? 0 : 0x1000 + i;
          if (slot > 0) held[slot - 1] = v.message;
          bool selected = count < 0;
          for (std::int32_t s = 1; s <= count; ++s) selected = selected || held[s - 1] == v.message;
          const auto log = deliver_once(v.message, [&](ThunkBlock& b) {
            MessageTable& t = before ? b.before : b.after;
            std::memcpy(t.messages, held, sizeof held);
            t.count = count;
          });
          ASSERT_EQ(called_back_for(log, v.message), selected)
              << "message " << v.message << " count " << count << " slot " << slot
              << (before ? " before" : " after");
        }
      }
    }
  }
}

// Counts above 32 never come from the tables' own editing; the scan then reads
// slot by slot from the count down, on past the table's end, here into the
// after table that follows the before table.
TEST(ThunkCode, ScansCountsAbove32SlotBySlot) {
  constexpr UINT kMessage = 0x4242;
  constexpr std::int32_t kPast = 1 + MSG_ENTRIES;  // slot 33 of before is after's count
  for (const int slot : {0, 1, 32, kPast + 1, kPast + 7, kPast + 8}) {
    World w;
    w.machine = true;
    w.rng.seed(7);
    w.block = new_block(w, false);
    for (std::uint32_t i = 0; i < MSG_ENTRIES; ++i)
      w.block->before.messages[i] = w.block->after.messages[i] = 0x1000 + i;
    w.block->before.count = kPast + 7;
    if (slot > 0 && slot <= MSG_ENTRIES) w.block->before.messages[slot - 1] = kMessage;
    if (slot > kPast) w.block->after.messages[slot - kPast - 1] = kMessage;
    g_world = &w;
    w.deliver(kMessage, 1, 2);
    g_world = nullptr;
    EXPECT_EQ(called_back_for(w.log, kMessage), slot != 0 && slot <= kPast + 7) << "slot " << slot;
    win::VirtualFree(allocation_of(w.block), 0, win::MEM_RELEASE);
  }
}

TEST(ThunkCode, FitsItsPlaceAndLeavesRoomForTheBlockAddress) {
  const auto& code = thunk_code().procedure;
  EXPECT_EQ(code[kSelfAddressInCode - 1], 0xBB);  // mov ebx, imm32
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(code[kSelfAddressInCode + i], 0);
}

TEST(ThunkCode, MatchesTheModelOnRandomScripts) {
  for (unsigned seed = 1; seed <= 40; ++seed) run_script(seed, false, 400);
}

TEST(ThunkCode, MatchesTheModelWithTheRunModeGuard) {
  for (unsigned seed = 100; seed <= 140; ++seed) run_script(seed, true, 400);
}

}  // namespace
}  // namespace subclass
