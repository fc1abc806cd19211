// The owner of subclassed windows (the control) and how the generated
// procedure reaches it. Blocks hold 32-bit addresses only, so the owner is
// represented by a small record in low memory that points at the real
// object, and each callback ordinal has its own entry function.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/win/kernel/types.h"

namespace subclass {

class SubclassOwner {
 public:
  // IsBefore, Handled, ReturnValue, hWnd, uMsg, wParam, lParam, UserValue.
  using Callback = void (SubclassOwner::*)(win::BOOL is_before, win::BOOL& handled,
                                           win::LRESULT& return_value, win::HWND window,
                                           win::UINT message, win::WPARAM wparam,
                                           win::LPARAM lparam, win::LONG& user_value);

  virtual ~SubclassOwner() = default;
  // The owner's callback methods in declaration order: ordinal 1 is the last.
  virtual std::span<const Callback> callback_methods() const = 0;
};

// The most ordinals an owner can offer.
inline constexpr std::int32_t kMaxCallbackOrdinal = 8;

// Entry address of the method `ordinal` places from the end of the owner's
// list, as a 32-bit address (a low stub: the entry itself may lie anywhere);
// 0 when there is none.
std::uint32_t callback_entry_address(const SubclassOwner& owner, std::int32_t ordinal);

// Low-memory records, one per owner, each holding the owner's address.
class OwnerRecords {
 public:
  OwnerRecords() = default;
  OwnerRecords(const OwnerRecords&) = delete;
  OwnerRecords& operator=(const OwnerRecords&) = delete;
  ~OwnerRecords();

  // The 32-bit address of the owner's record, made on first use.
  std::uint32_t record_for(SubclassOwner& owner);

 private:
  static constexpr std::size_t kPageSize = 4096;
  SubclassOwner** m_records = nullptr;  // one page below 2 GiB
  std::size_t m_used = 0;
};

}  // namespace subclass
