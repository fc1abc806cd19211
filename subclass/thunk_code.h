// The generated window procedure: x86-64 System V machine code that reads
// everything from the thunk block it sits in.
#pragma once

#include <array>
#include <cstdint>

#include "subclass/thunk_block.h"

namespace subclass {

// The code of every allocation: the 204 bytes of the block's procedure, with
// 0 where the block's own address goes (code[8..11]), and the tail, written
// at kTailOffset into the allocation.
struct Code {
  std::array<std::uint8_t, kCodeSize> procedure;
  std::array<std::uint8_t, kTailSize> tail;
};
const Code& thunk_code();

}  // namespace subclass
