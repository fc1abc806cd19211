#include "subclass/subclass_owner.h"

#include <sys/mman.h>

#include <cstddef>
#include <array>
#include <new>
#include <stdexcept>
#include <utility>

#include "platform/win/kernel/low_code.h"
#include "subclass/thunk_block.h"

namespace subclass {
namespace {

// Called by the generated procedure for a selected message. The record turns
// back into the owner; the owner's method for this ordinal gets the message.
// The call counts as a call out of the block, so a message sent from inside
// the callback can't release the block under it. Nothing may unwind into
// generated code: the method's failure is ignored, as its status is.
template <std::int32_t Ordinal>
void callback_entry(std::uint32_t owner, std::int32_t is_before, std::int32_t* handled,
                    std::int32_t* return_value, std::uint32_t window, std::uint32_t message,
                    std::int32_t wparam, std::int32_t lparam, std::int32_t* user_value) {
  auto* block = reinterpret_cast<ThunkBlock*>(reinterpret_cast<char*>(user_value) -
                                              offsetof(ThunkBlock, user_value));
  ++block->nesting;
  try {
    SubclassOwner* object = *reinterpret_cast<SubclassOwner**>(static_cast<std::uintptr_t>(owner));
    const auto methods = object->callback_methods();
    if (static_cast<std::size_t>(Ordinal) <= methods.size()) {
      const SubclassOwner::Callback method = methods[methods.size() - Ordinal];
      (object->*method)(is_before, *handled, *return_value, win::HWND{window}, message, wparam,
                        lparam, *user_value);
    }
  } catch (...) {
  }
  --block->nesting;
}

template <std::size_t... I>
constexpr auto make_entries(std::index_sequence<I...>) {
  return std::array<CallbackEntry, sizeof...(I)>{
      &callback_entry<static_cast<std::int32_t>(I + 1)>...};
}

constexpr auto kEntries = make_entries(std::make_index_sequence<kMaxCallbackOrdinal>{});

}  // namespace

std::uint32_t callback_entry_address(const SubclassOwner& owner, std::int32_t ordinal) {
  const auto count = static_cast<std::int32_t>(owner.callback_methods().size());
  if (ordinal < 1 || ordinal > count || ordinal > kMaxCallbackOrdinal) return 0;
  return win::low_code_address(kEntries[ordinal - 1]);
}

OwnerRecords::~OwnerRecords() {
  if (m_records) munmap(m_records, kPageSize);
}

std::uint32_t OwnerRecords::record_for(SubclassOwner& owner) {
  if (!m_records) {
    void* page = mmap(nullptr, kPageSize, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    if (page == MAP_FAILED) throw std::bad_alloc();
    m_records = static_cast<SubclassOwner**>(page);
  }
  std::size_t i = 0;
  while (i < m_used && m_records[i] != &owner) ++i;
  if (i == m_used) {
    if (m_used == kPageSize / sizeof(SubclassOwner*))
      throw std::length_error("too many owners of subclassed windows");
    m_records[m_used++] = &owner;
  }
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&m_records[i]));
}

}  // namespace subclass
