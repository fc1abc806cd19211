#include "platform/win/kernel/low_code.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <stdexcept>
#include <vector>

namespace win {
namespace {

constexpr std::size_t kPage = 4096;
constexpr std::size_t kStubSize = 8;
constexpr std::size_t kStubsPerPage = kPage / kStubSize;
// jmp qword [rip + 4090]: the stub at offset 8i ends its jump at 8i + 6, and
// its slot lies at kPage + 8i, so every stub carries the same displacement.
constexpr std::uint8_t kStub[kStubSize] = {0xFF, 0x25, 0xFA, 0x0F, 0x00, 0x00, 0xCC, 0xCC};
static_assert(kPage - 6 == 0x0FFA);

struct StubPages {
  std::uint8_t* code;
  const void** slots;  // the data page
  std::size_t used;
};

class StubTable {
 public:
  std::uint32_t stub_for(const void* target) {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_stubs.find(target); found != m_stubs.end()) return found->second;
    if (m_pages.empty() || m_pages.back().used == kStubsPerPage) m_pages.push_back(new_pages());
    StubPages& pages = m_pages.back();
    const std::size_t i = pages.used++;
    if (mprotect(pages.slots, kPage, PROT_READ | PROT_WRITE) != 0) throw std::bad_alloc();
    pages.slots[i] = target;
    mprotect(pages.slots, kPage, PROT_READ);
    const auto address =
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pages.code + i * kStubSize));
    m_stubs.emplace(target, address);
    return address;
  }

  const void* target_of(std::uint32_t address) {
    const std::lock_guard lock(m_mutex);
    const auto* at = reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(address));
    for (const StubPages& pages : m_pages) {
      if (at < pages.code || at >= pages.code + kPage) continue;
      const auto offset = static_cast<std::size_t>(at - pages.code);
      if (offset % kStubSize != 0 || offset / kStubSize >= pages.used) return at;
      return pages.slots[offset / kStubSize];
    }
    return at;
  }

  std::size_t count() {
    const std::lock_guard lock(m_mutex);
    return m_stubs.size();
  }

 private:
  static StubPages new_pages() {
    void* mapped = mmap(nullptr, 2 * kPage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    auto* code = static_cast<std::uint8_t*>(mapped);
    for (std::size_t i = 0; i < kStubsPerPage; ++i)
      std::memcpy(code + i * kStubSize, kStub, kStubSize);
    if (mprotect(code, kPage, PROT_READ | PROT_EXEC) != 0 ||
        mprotect(code + kPage, kPage, PROT_READ) != 0) {
      munmap(mapped, 2 * kPage);
      throw std::bad_alloc();
    }
    return {code, reinterpret_cast<const void**>(code + kPage), 0};
  }

  std::mutex m_mutex;
  std::vector<StubPages> m_pages;
  std::map<const void*, std::uint32_t> m_stubs;
};

// Stubs live as long as the process: code may hold their addresses anywhere.
StubTable& stub_table() {
  static StubTable* table = new StubTable;
  return *table;
}

bool fits(std::uintptr_t address) { return address <= 0x7FFFFFFFu; }

}  // namespace

std::uint32_t low_code_address(const void* code) {
  if (!code) throw std::invalid_argument("low_code_address: null code address");
  const auto address = reinterpret_cast<std::uintptr_t>(code);
  if (fits(address)) return static_cast<std::uint32_t>(address);
  return stub_table().stub_for(code);
}

const void* code_behind(std::uint32_t address) { return stub_table().target_of(address); }

std::size_t low_code_stub_count() { return stub_table().count(); }

}  // namespace win
