// The generated window procedure: x86-64 System V machine code that reads
// everything from the thunk block it sits in.
#pragma once

#include <array>
#include <cstdint>

#include "subclass/thunk_block.h"

namespace subclass {

// The 204 code bytes of every block, with 0 where the block's own address
// goes (code[8..11]).
const std::array<std::uint8_t, kCodeSize>& thunk_code();

}  // namespace subclass
