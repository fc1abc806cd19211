// Code addresses that fit a 32-bit field. A generated window procedure and
// the LONG of GWL_WNDPROC hold code addresses in 32 bits, but a program
// built position independent has its code anywhere. So each such address is
// handed out as a stub below 2 GiB that jumps on to the real code, made on
// first request, reused for every later one and kept for the process's life.
//
// Stubs come in pairs of pages: the code page holds 512 identical 8-byte
// stubs, `jmp [rip + 4090]`, each reading its target from its own slot in
// the data page that follows. The code page is never writable once made and
// the data page is writable only while a slot is being filled, so a stub
// being run on another thread never sees either change under it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace win {

// The low address that leads to `code`: the address itself when it already
// fits 31 bits, else its stub. Throws std::bad_alloc when no memory below
// 2 GiB is left, std::invalid_argument for null.
std::uint32_t low_code_address(const void* code);

template <class Function>
std::uint32_t low_code_address(Function* function) {
  return low_code_address(reinterpret_cast<const void*>(function));
}

// Where a low address leads: the target of a stub, or the address itself.
const void* code_behind(std::uint32_t address);

// Stubs made so far.
std::size_t low_code_stub_count();

}  // namespace win
