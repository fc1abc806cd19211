// Cost per message of the generated window procedure for a message that
// neither table selects (two table scans and the forward), beside a direct
// call of the previous procedure; with empty and with two-message tables
// beside it, to tell the fixed path from the scans.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#include "bench/side_by_side.h"
#include "platform/win/kernel/low_code.h"
#include "platform/win/kernel/memory.h"
#include "subclass/thunk_block.h"
#include "subclass/thunk_code.h"

namespace {

using namespace win;

// A function's address as a block field holds it: through its low stub.
template <class F>
std::uint32_t low(F* f) {
  return win::low_code_address(f);
}

__attribute__((noinline)) LRESULT previous_proc(HWND, UINT message, WPARAM wparam, LPARAM) {
  benchmark::ClobberMemory();
  return static_cast<LRESULT>(message) + wparam;
}

LRESULT call_window_proc(WNDPROC proc, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return proc(window, message, wparam, lparam);
}

void unused_callback(std::uint32_t, std::int32_t, std::int32_t*, std::int32_t*, std::uint32_t,
                     std::uint32_t, std::int32_t, std::int32_t, std::int32_t*) {}

// A block whose two tables each hold `count` other messages; 32 fills them,
// the longest unselected path.
subclass::ThunkBlock* make_block(std::int32_t count) {
  void* allocation =
      VirtualAlloc(nullptr, subclass::kAllocationSize, MEM_COMMIT, PAGE_EXECUTE_READWRITE);
  subclass::ThunkBlock* b = subclass::block_in(allocation);
  const auto self = low(b);
  const subclass::Code& code = subclass::thunk_code();
  std::memcpy(b->code, code.procedure.data(), subclass::kCodeSize);
  std::memcpy(subclass::tail_in(allocation), code.tail.data(), subclass::kTailSize);
  std::memcpy(b->code + subclass::kSelfAddressInCode, &self, 4);
  b->window = 1;
  b->call_window_proc = low(&call_window_proc);
  b->is_bad_code_ptr = low(&IsBadCodePtr);
  b->previous_proc = low(&previous_proc);
  b->callback = low(&unused_callback);
  b->before_table = self + offsetof(subclass::ThunkBlock, before);
  b->after_table = self + offsetof(subclass::ThunkBlock, after);
  for (subclass::MessageTable* t : {&b->before, &b->after}) {
    t->count = count;
    for (std::uint32_t i = 0; i < 32; ++i) t->messages[i] = 0x1000 + i;
  }
  return b;
}

void BM_DirectCall(benchmark::State& state) {
  WNDPROC proc = &previous_proc;
  benchmark::DoNotOptimize(proc);
  for (auto _ : state) benchmark::DoNotOptimize(proc(HWND{1}, 0x200, 1, 2));
}
BENCHMARK(BM_DirectCall);

void run_thunk(benchmark::State& state, std::int32_t count) {
  subclass::ThunkBlock* block = make_block(count);
  auto proc = reinterpret_cast<WNDPROC>(reinterpret_cast<std::uintptr_t>(block->code));
  for (auto _ : state) benchmark::DoNotOptimize(proc(HWND{1}, 0x200, 1, 2));
  VirtualFree(subclass::allocation_of(block), 0, MEM_RELEASE);
}

void BM_ThunkUnselectedMessage(benchmark::State& state) { run_thunk(state, subclass::MSG_ENTRIES); }
BENCHMARK(BM_ThunkUnselectedMessage);

// The fixed path alone: both tables empty, so only the forward remains.
void BM_ThunkEmptyTables(benchmark::State& state) { run_thunk(state, 0); }
BENCHMARK(BM_ThunkEmptyTables);

// The program's own tables hold one or two messages.
void BM_ThunkShortTables(benchmark::State& state) { run_thunk(state, 2); }
BENCHMARK(BM_ThunkShortTables);

}  // namespace

int main(int argc, char** argv) { return bench::run_side_by_side(argc, argv, "BM_DirectCall"); }
