// The thunk block: 524 bytes of read-write-execute memory per subclassed
// window, holding the generated window procedure, the data it works on and
// its two message tables; the block's allocation also holds the procedure's
// code tail. Every field is 32 bits, little-endian; addresses fit because
// blocks and owner records lie below 2 GiB and code addresses are handed
// out as low stubs that jump on to the code (platform/win/kernel/low_code.h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace subclass {

inline constexpr std::int32_t MSG_ENTRIES = 32;
inline constexpr std::int32_t ALL_MESSAGES = -1;

// Slot 0 is the count: 0 selects nothing, negative selects every message,
// 1..32 says how many of the following slots are in use. A deleted message
// leaves 0 in its slot and the count unchanged.
struct MessageTable {
  std::int32_t count;
  std::uint32_t messages[MSG_ENTRIES];
};

inline constexpr std::size_t kCodeSize = 204;
// Where in the code the block's own address sits, as the immediate of the
// instruction that loads it.
inline constexpr std::size_t kSelfAddressInCode = 8;

#pragma pack(push, 1)
struct ThunkBlock {
  std::int32_t nesting;            //  0 calls out of the block in progress (forwards, callbacks)
  std::int32_t release_request;    //  4 0, or -1 once removal has been requested
  std::uint32_t window;            //  8 the subclassed window's handle
  std::uint32_t run_mode_query;    // 12 the design environment's "EbMode", or 0
  std::uint32_t call_window_proc;  // 16 CallWindowProcA
  std::uint32_t set_window_long;   // 20 SetWindowLongA
  std::uint32_t virtual_free;      // 24 VirtualFree
  std::uint32_t is_bad_code_ptr;   // 28 IsBadCodePtr
  std::uint32_t owner;             // 32 the owner's low record, handed to the callback first
  std::uint32_t previous_proc;     // 36 the window procedure the thunk replaced
  std::uint32_t callback;          // 40 entry address of the owner's callback method
  std::uint32_t before_table;      // 44 address of `before` (block + 260)
  std::uint32_t after_table;       // 48 address of `after` (block + 392)
  std::int32_t user_value;         // 52 handed to the callback by reference
  std::uint8_t code[kCodeSize];    // 56 the window procedure; block address at code[8..11]
  MessageTable before;             // 260 messages seen before the previous procedure
  MessageTable after;              // 392 messages seen after it
};
#pragma pack(pop)

inline constexpr std::size_t kBlockSize = 524;
inline constexpr std::size_t kTemplateSize = 260;
inline constexpr std::size_t kProcedureOffset = 56;

// The allocation holds the block and, after it, the code tail: the table
// scan, which does not fit the block's 204 code bytes. The block sits
// kBlockPlacement bytes in, so that the code starts a 64-byte cache line of
// its own: the procedure writes its nesting counter at every forward, and a
// write into a line whose instructions are being fetched makes the processor
// throw away its decoded instructions and start again (measured: about 400 ns
// a message instead of 7). The tail starts the first whole line after the
// block for the same reason. The procedure reaches the tail and comes back
// with near jumps; both lie at fixed offsets in the allocation, so the jumps
// are the same in every block. The release frees the allocation,
// kBlockPlacement bytes before the block, and the tail with it.
inline constexpr std::size_t kBlockPlacement = 8;
inline constexpr std::size_t kTailOffset = (kBlockPlacement + kBlockSize + 63) / 64 * 64;
inline constexpr std::size_t kTailSize = 256;
inline constexpr std::size_t kAllocationSize = kTailOffset + kTailSize;

inline ThunkBlock* block_in(void* allocation) {
  return reinterpret_cast<ThunkBlock*>(static_cast<std::uint8_t*>(allocation) + kBlockPlacement);
}
inline void* allocation_of(ThunkBlock* block) {
  return reinterpret_cast<std::uint8_t*>(block) - kBlockPlacement;
}
inline std::uint8_t* tail_in(void* allocation) {
  return static_cast<std::uint8_t*>(allocation) + kTailOffset;
}

static_assert(sizeof(MessageTable) == 132);
static_assert(sizeof(ThunkBlock) == kBlockSize);
static_assert(offsetof(ThunkBlock, nesting) == 0);
static_assert(offsetof(ThunkBlock, release_request) == 4);
static_assert(offsetof(ThunkBlock, window) == 8);
static_assert(offsetof(ThunkBlock, run_mode_query) == 12);
static_assert(offsetof(ThunkBlock, call_window_proc) == 16);
static_assert(offsetof(ThunkBlock, set_window_long) == 20);
static_assert(offsetof(ThunkBlock, virtual_free) == 24);
static_assert(offsetof(ThunkBlock, is_bad_code_ptr) == 28);
static_assert(offsetof(ThunkBlock, owner) == 32);
static_assert(offsetof(ThunkBlock, previous_proc) == 36);
static_assert(offsetof(ThunkBlock, callback) == 40);
static_assert(offsetof(ThunkBlock, before_table) == 44);
static_assert(offsetof(ThunkBlock, after_table) == 48);
static_assert(offsetof(ThunkBlock, user_value) == 52);
static_assert(offsetof(ThunkBlock, code) == kProcedureOffset);
static_assert(offsetof(ThunkBlock, code) + kSelfAddressInCode == 64);
static_assert(offsetof(ThunkBlock, before) == 260);
static_assert(offsetof(ThunkBlock, after) == 392);
static_assert(offsetof(ThunkBlock, before) == kTemplateSize);
static_assert((kBlockPlacement + kProcedureOffset) % 64 == 0);
static_assert(kTailOffset % 64 == 0 && kTailOffset >= kBlockPlacement + kBlockSize);

// The callback as the generated procedure calls it: the owner record, then
// IsBefore, Handled, ReturnValue, hWnd, uMsg, wParam, lParam, UserValue.
using CallbackEntry = void (*)(std::uint32_t owner, std::int32_t is_before, std::int32_t* handled,
                               std::int32_t* return_value, std::uint32_t window,
                               std::uint32_t message, std::int32_t wparam, std::int32_t lparam,
                               std::int32_t* user_value);

// The run-mode query of a design environment: 1 running, 0 stopped, else paused.
using RunModeQuery = std::int32_t (*)();

}  // namespace subclass
