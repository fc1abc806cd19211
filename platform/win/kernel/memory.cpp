#include "platform/win/kernel/memory.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "platform/win/kernel/last_error.h"

namespace win {
namespace {

// A copy of /proc/self/maps, kept sorted by start address. VirtualAlloc and
// VirtualFree keep it right for the mappings they make; anything else the
// process maps is picked up by a re-read when an address is not found as code.
class MappingCache {
 public:
  bool is_code(std::uintptr_t address) {
    if (const auto found = find(address); found && *found) return true;
    reload();
    const auto found = find(address);
    return found && *found;
  }

  void add(std::uintptr_t start, std::uintptr_t end, bool executable) {
    if (!m_loaded) return;  // the first reload will see it
    remove(start, end);
    const auto at = std::lower_bound(m_ranges.begin(), m_ranges.end(), start,
                                     [](const Range& r, std::uintptr_t s) { return r.start < s; });
    m_ranges.insert(at, Range{start, end, executable});
  }

  // Drops [start, end) from the ranges, trimming the ones it overlaps.
  void remove(std::uintptr_t start, std::uintptr_t end) {
    std::vector<Range> kept;
    kept.reserve(m_ranges.size() + 1);
    for (const Range& r : m_ranges) {
      if (r.end <= start || r.start >= end) {
        kept.push_back(r);
        continue;
      }
      if (r.start < start) kept.push_back(Range{r.start, start, r.executable});
      if (r.end > end) kept.push_back(Range{end, r.end, r.executable});
    }
    m_ranges = std::move(kept);
  }

 private:
  struct Range {
    std::uintptr_t start;
    std::uintptr_t end;
    bool executable;
  };

  // Whether the mapping holding the address is executable; none when unmapped.
  std::optional<bool> find(std::uintptr_t address) const {
    auto after = std::upper_bound(m_ranges.begin(), m_ranges.end(), address,
                                  [](std::uintptr_t a, const Range& r) { return a < r.start; });
    if (after == m_ranges.begin()) return std::nullopt;
    const Range& r = *std::prev(after);
    if (address >= r.end) return std::nullopt;
    return r.executable;
  }

  void reload() {
    std::vector<Range> ranges;
    if (FILE* maps = std::fopen("/proc/self/maps", "r")) {
      char line[512];
      while (std::fgets(line, sizeof line, maps)) {
        unsigned long long start = 0, end = 0;
        char perms[5] = {};
        if (std::sscanf(line, "%llx-%llx %4s", &start, &end, perms) == 3)
          ranges.push_back(Range{static_cast<std::uintptr_t>(start),
                                 static_cast<std::uintptr_t>(end), perms[2] == 'x'});
      }
      std::fclose(maps);
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const Range& a, const Range& b) { return a.start < b.start; });
    m_ranges = std::move(ranges);
    m_loaded = true;
  }

  std::vector<Range> m_ranges;
  bool m_loaded = false;
};

struct MemoryState {
  MappingCache mappings;
  std::map<std::uintptr_t, std::size_t> allocations;  // start -> mapped length
  std::optional<DWORD> next_failure;
};

MemoryState& state() {
  static MemoryState s;
  return s;
}

std::size_t page_rounded(std::size_t size) {
  const std::size_t page = 4096;
  return (size + page - 1) / page * page;
}

std::optional<int> protection_of(DWORD protect) {
  switch (protect) {
    case PAGE_NOACCESS: return PROT_NONE;
    case PAGE_READONLY: return PROT_READ;
    case PAGE_READWRITE: return PROT_READ | PROT_WRITE;
    case PAGE_EXECUTE: return PROT_EXEC;
    case PAGE_EXECUTE_READ: return PROT_READ | PROT_EXEC;
    case PAGE_EXECUTE_READWRITE: return PROT_READ | PROT_WRITE | PROT_EXEC;
    default: return std::nullopt;
  }
}

}  // namespace

void* VirtualAlloc(void* address, DWORD size, DWORD type, DWORD protect) {
  MemoryState& s = state();
  if (s.next_failure) {
    SetLastError(*s.next_failure);
    s.next_failure.reset();
    return nullptr;
  }
  const auto protection = protection_of(protect);
  // Only fresh allocations are supported: no preferred address, and a commit.
  if (address != nullptr || size == 0 || !protection || (type & MEM_COMMIT) == 0 ||
      (type & ~(MEM_COMMIT | MEM_RESERVE)) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::size_t length = page_rounded(size);
  void* mapped = mmap(nullptr, length, *protection, MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
  if (mapped == MAP_FAILED) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  s.allocations.emplace(start, length);
  s.mappings.add(start, start + length, (*protection & PROT_EXEC) != 0);
  return mapped;
}

BOOL VirtualFree(void* address, DWORD size, DWORD type) {
  MemoryState& s = state();
  const auto start = reinterpret_cast<std::uintptr_t>(address);
  const auto found = s.allocations.find(start);
  if (found == s.allocations.end() || size != 0 || type != MEM_RELEASE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::size_t length = found->second;
  s.allocations.erase(found);
  s.mappings.remove(start, start + length);
  munmap(address, length);
  return 1;
}

BOOL IsBadCodePtr(const void* address) {
  const auto a = reinterpret_cast<std::uintptr_t>(address);
  if (a < 4096) return 1;  // the lowest page is never mapped
  return state().mappings.is_code(a) ? 0 : 1;
}

void RtlMoveMemory(void* destination, const void* source, std::size_t length) {
  if (length != 0) std::memmove(destination, source, length);
}

void fail_next_virtual_alloc(DWORD error_code) { state().next_failure = error_code; }

std::size_t live_virtual_allocations() { return state().allocations.size(); }

}  // namespace win
