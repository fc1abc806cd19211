#include "subclass/thunk_model.h"

#include <cstdint>

namespace subclass {
namespace {

using win::LRESULT;

template <class F>
F function_at(std::uint32_t address) {
  return reinterpret_cast<F>(static_cast<std::uintptr_t>(address));
}

using CallWindowProcFn = LRESULT (*)(win::WNDPROC, win::HWND, win::UINT, win::WPARAM, win::LPARAM);
using SetWindowLongFn = win::LONG (*)(win::HWND, int, win::LONG);
using VirtualFreeFn = win::BOOL (*)(void*, win::DWORD, win::DWORD);
using IsBadCodePtrFn = win::BOOL (*)(const void*);

// Restores the previous procedure and frees the block's allocation; the procedure
// returns what VirtualFree returns, as the machine code's tail jump does.
LRESULT release(ThunkBlock* block) {
  function_at<SetWindowLongFn>(block->set_window_long)(
      win::HWND{block->window}, -4, static_cast<win::LONG>(block->previous_proc));
  const auto virtual_free = function_at<VirtualFreeFn>(block->virtual_free);
  return virtual_free(allocation_of(block), 0, 0x8000);
}

// One phase: the callback, when the table selects the message and the
// callback address is code.
void phase(ThunkBlock* block, std::uint32_t table, win::UINT message, std::int32_t is_before,
           std::int32_t* handled, std::int32_t* return_value, win::WPARAM wparam,
           win::LPARAM lparam) {
  if (!table_selects(*function_at<const MessageTable*>(table), message)) return;
  if (function_at<IsBadCodePtrFn>(block->is_bad_code_ptr)(
          function_at<const void*>(block->callback)))
    return;
  function_at<CallbackEntry>(block->callback)(block->owner, is_before, handled, return_value,
                                              block->window, message, wparam, lparam,
                                              &block->user_value);
}

}  // namespace

bool table_selects(const MessageTable& table, win::UINT message) {
  if (table.count < 0) return true;
  for (std::int32_t slot = table.count; slot >= 1; --slot)
    if (table.messages[slot - 1] == message) return true;
  return false;
}

LRESULT model_window_procedure(ThunkBlock* block, win::HWND, win::UINT message, win::WPARAM wparam,
                               win::LPARAM lparam) {
  std::int32_t return_value = 0;
  std::int32_t handled = 0;
  bool callbacks = true;
  if (block->run_mode_query != 0) {
    const std::int32_t mode = function_at<RunModeQuery>(block->run_mode_query)();
    if (mode == 0) {
      --block->release_request;
      if (block->nesting == 0) return release(block);
      return return_value;
    }
    callbacks = mode == 1;
  }
  if (callbacks) {
    phase(block, block->before_table, message, -1, &handled, &return_value, wparam, lparam);
    if (handled != 0) return return_value;
  }
  ++block->nesting;
  return_value = function_at<CallWindowProcFn>(block->call_window_proc)(
      function_at<win::WNDPROC>(block->previous_proc), win::HWND{block->window}, message, wparam,
      lparam);
  if (--block->nesting == 0 && block->release_request != 0) return release(block);
  if (callbacks)
    phase(block, block->after_table, message, 0, &handled, &return_value, wparam, lparam);
  return return_value;
}

}  // namespace subclass
