// Executable memory and raw memory moves: kernel32's VirtualAlloc,
// VirtualFree, IsBadCodePtr and RtlMoveMemory.
//
// Every allocation lies below 2 GiB, so its address fits a 32-bit field of a
// generated window procedure. IsBadCodePtr answers from the process's real
// mappings: an address is good code when it lies in a mapping with execute
// permission.
#pragma once

#include <cstddef>

#include "platform/win/kernel/types.h"

namespace win {

inline constexpr DWORD MEM_COMMIT = 0x1000;
inline constexpr DWORD MEM_RESERVE = 0x2000;
inline constexpr DWORD MEM_RELEASE = 0x8000;

inline constexpr DWORD PAGE_NOACCESS = 0x01;
inline constexpr DWORD PAGE_READONLY = 0x02;
inline constexpr DWORD PAGE_READWRITE = 0x04;
inline constexpr DWORD PAGE_EXECUTE = 0x10;
inline constexpr DWORD PAGE_EXECUTE_READ = 0x20;
inline constexpr DWORD PAGE_EXECUTE_READWRITE = 0x40;

// Zero-filled memory below 2 GiB; null with the last error set on failure
// (ERROR_INVALID_PARAMETER for a request it does not support,
// ERROR_NOT_ENOUGH_MEMORY when the system has none).
void* VirtualAlloc(void* address, DWORD size, DWORD type, DWORD protect);
// Releases a whole allocation of VirtualAlloc: size 0 and MEM_RELEASE.
BOOL VirtualFree(void* address, DWORD size, DWORD type);
// Nonzero when the address is not inside an executable mapping.
BOOL IsBadCodePtr(const void* address);
void RtlMoveMemory(void* destination, const void* source, std::size_t length);

// For tests: the next VirtualAlloc fails with this last-error code.
void fail_next_virtual_alloc(DWORD error_code);
// Allocations of VirtualAlloc not yet released.
std::size_t live_virtual_allocations();

}  // namespace win
