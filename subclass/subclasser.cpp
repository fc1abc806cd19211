#include "subclass/subclasser.h"

#include <cstdio>
#include <cstring>

#include "platform/win/kernel/event_log.h"
#include "platform/win/kernel/memory.h"
#include "platform/win/user/message_box.h"
#include "platform/win/kernel/module.h"
#include "platform/win/user/window.h"
#include "subclass/thunk_code.h"

namespace subclass {
namespace {

void* pointer_of(std::uint32_t address) {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(address));
}

std::uint32_t address_of(const void* pointer) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

}  // namespace

Subclasser::Subclasser(SubclassOwner& self, std::string type_name)
    : m_self(self), m_type_name(std::move(type_name)) {}

Subclasser::~Subclasser() {
  try {
    sc_UnSubclassAll();
  } catch (...) {
  }
}

bool Subclasser::sc_Subclass(win::HWND window, win::LONG user_value, win::LONG callback_ordinal,
                             SubclassOwner* owner, bool guard) {
  const char* routine = "sc_Subclass";
  if (!win::IsWindow(window)) {
    zReportError(routine, "Invalid window handle");
    return false;
  }
  win::DWORD process = 0;
  win::GetWindowThreadProcessId(window, &process);
  if (process != win::GetCurrentProcessId()) {
    zReportError(routine, "Window handle belongs to another process");
    return false;
  }
  if (!owner) owner = &m_self;
  const std::uint32_t callback = zCallbackAddress(*owner, callback_ordinal);
  if (callback == 0) {
    zReportError(routine, "Callback method not found");
    return false;
  }
  if (!m_WindowMap) {
    m_WindowMap.emplace();
    prepare_template();
  }
  void* memory =
      win::VirtualAlloc(nullptr, kAllocationSize, win::MEM_COMMIT, win::PAGE_EXECUTE_READWRITE);
  if (!memory) {
    zReportError(routine, "VirtualAlloc failed, error: " +
                              std::to_string(static_cast<std::int32_t>(win::GetLastError())));
    return false;
  }
  const std::uint32_t block = address_of(block_in(memory));
  if (block_of(window) != 0) {
    zReportError(routine, "Window handle is already subclassed");
    win::VirtualFree(memory, 0, win::MEM_RELEASE);
    return false;
  }
  m_WindowMap->emplace_back(key_of(window), block);
  if (guard)
    write_template(offsetof(ThunkBlock, run_mode_query),
                   zProcAddress(kDesignEnvironmentModule, kRunModeQueryName));
  write_template(kProcedureOffset + kSelfAddressInCode, block);
  write_template(offsetof(ThunkBlock, window), window.value);
  write_template(offsetof(ThunkBlock, before_table), block + offsetof(ThunkBlock, before));
  write_template(offsetof(ThunkBlock, after_table), block + offsetof(ThunkBlock, after));
  write_template(offsetof(ThunkBlock, owner), m_owner_records.record_for(*owner));
  write_template(offsetof(ThunkBlock, callback), callback);
  write_template(offsetof(ThunkBlock, user_value), static_cast<std::uint32_t>(user_value));

  const win::LONG previous = win::SetWindowLongA(window, win::GWL_WNDPROC,
                                                 static_cast<win::LONG>(block + kProcedureOffset));
  if (previous == 0) {
    zReportError(routine, "SetWindowLong failed, error #" +
                              std::to_string(static_cast<std::int32_t>(win::GetLastError())));
    win::VirtualFree(memory, 0, win::MEM_RELEASE);
    // The block is gone and its address may come back: forget the window.
    forget(window);
    return false;
  }
  write_template(offsetof(ThunkBlock, previous_proc), static_cast<std::uint32_t>(previous));
  win::RtlMoveMemory(tail_in(memory), thunk_code().tail.data(), kTailSize);
  win::RtlMoveMemory(block_in(memory), m_Template.data(), kTemplateSize);
  return true;
}

void Subclasser::sc_UnSubclass(win::HWND window) {
  if (!m_WindowMap) {
    zReportError("sc_UnSubclass", "Window handle isn't subclassed");
    return;
  }
  const std::uint32_t block = zMap_hWnd(window);
  if (block == 0) return;
  if (is_usable(block)) {
    zPoke(1, -1);
    zDelMsg(ALL_MESSAGES, kBeforeTableSlot);
    zDelMsg(ALL_MESSAGES, kAfterTableSlot);
  }
  forget(window);
}

void Subclasser::sc_UnSubclassAll() {
  if (!m_WindowMap) return;
  for (std::size_t i = m_WindowMap->size(); i-- > 0;) {
    if (i >= m_WindowMap->size()) continue;
    const std::uint32_t block = (*m_WindowMap)[i].second;
    if (!is_usable(block)) continue;
    m_PeekBase = block;
    sc_UnSubclass(win::HWND{static_cast<std::uint32_t>(zPeek(2))});
  }
  m_WindowMap.reset();
}

void Subclasser::sc_AddMessage(win::HWND window, win::LONG message, win::LONG when) {
  if (!is_usable(zMap_hWnd(window))) return;
  if (when & MSG_BEFORE) zAddMsg(message, kBeforeTableSlot);
  if (when & MSG_AFTER) zAddMsg(message, kAfterTableSlot);
}

void Subclasser::sc_DeleteMessage(win::HWND window, win::LONG message, win::LONG when) {
  if (!is_usable(zMap_hWnd(window))) return;
  if (when & MSG_BEFORE) zDelMsg(message, kBeforeTableSlot);
  if (when & MSG_AFTER) zDelMsg(message, kAfterTableSlot);
}

win::LRESULT Subclasser::sc_CallPreviousProc(win::HWND window, win::UINT message,
                                             win::WPARAM wparam, win::LPARAM lparam) {
  if (!is_usable(zMap_hWnd(window))) return 0;
  const auto previous = static_cast<std::uint32_t>(zPeek(9));
  return win::CallWindowProcA(reinterpret_cast<win::WNDPROC>(pointer_of(previous)), window, message,
                              wparam, lparam);
}

win::LONG Subclasser::sc_GetUserValue(win::HWND window) {
  if (!is_usable(zMap_hWnd(window))) return 0;
  return zPeek(13);
}

void Subclasser::sc_SetUserValue(win::HWND window, win::LONG value) {
  if (!is_usable(zMap_hWnd(window))) return;
  zPoke(13, value);
}

std::uint32_t Subclasser::block_of(win::HWND window) const {
  if (!m_WindowMap) return 0;
  const std::string key = key_of(window);
  for (const auto& entry : *m_WindowMap)
    if (entry.first == key) return entry.second;
  return 0;
}

void Subclasser::zAddMsg(win::LONG message, std::int32_t table) {
  const std::uint32_t saved = m_PeekBase;
  m_PeekBase = static_cast<std::uint32_t>(zPeek(table));
  if (message == ALL_MESSAGES) {
    zPoke(0, ALL_MESSAGES);
  } else {
    const std::int32_t count = zPeek(0);
    if (count >= MSG_ENTRIES) {
      m_PeekBase = saved;
      zReportError("zAddMsg",
                   "Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
                   "ALL_MESSAGES instead of specific message values");
      return;
    }
    bool stored = false;
    for (std::int32_t slot = 1; slot <= count && !stored; ++slot) {
      const std::int32_t held = zPeek(slot);
      if (held == 0) zPoke(slot, message);
      stored = held == 0 || held == message;
    }
    if (!stored) {
      // A table of all messages (count -1) has no slots in use.
      const std::int32_t used = count < 0 ? 0 : count;
      zPoke(used + 1, message);
      zPoke(0, used + 1);
    }
  }
  m_PeekBase = saved;
}

void Subclasser::zDelMsg(win::LONG message, std::int32_t table) {
  const std::uint32_t saved = m_PeekBase;
  m_PeekBase = static_cast<std::uint32_t>(zPeek(table));
  if (message == ALL_MESSAGES) {
    zPoke(0, 0);
    m_PeekBase = saved;
    return;
  }
  const std::int32_t count = zPeek(0);
  for (std::int32_t slot = 1; slot <= count; ++slot) {
    if (zPeek(slot) == message) {
      zPoke(slot, 0);
      m_PeekBase = saved;
      return;
    }
  }
  m_PeekBase = saved;
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(message));
  zReportError("zDelMsg", std::string("Message &H") + hex + " not found in table");
}

std::uint32_t Subclasser::zMap_hWnd(win::HWND window) {
  if (!m_WindowMap) {
    zReportError("zMap_hWnd", "Subclassing hasn't been started");
    return 0;
  }
  const std::uint32_t block = block_of(window);
  if (block == 0) {
    zReportError("zMap_hWnd", "Window handle isn't subclassed");
    return 0;
  }
  m_PeekBase = block;
  return block;
}

std::uint32_t Subclasser::zCallbackAddress(SubclassOwner& owner, win::LONG ordinal) {
  return callback_entry_address(owner, ordinal);
}

std::uint32_t Subclasser::zProcAddress(const char* module, const char* function) {
  return address_of(
      reinterpret_cast<const void*>(win::GetProcAddress(win::GetModuleHandleA(module), function)));
}

void Subclasser::zReportError(const std::string& routine, const std::string& message) {
  win::write_event_log(win::EVENTLOG_ERROR_TYPE, m_type_name + "." + routine + ": " + message);
  win::MessageBoxA(win::HWND{}, (message + ".").c_str(),
                   ("Error in " + m_type_name + "." + routine).c_str(),
                   win::MB_ICONEXCLAMATION | win::MB_OK);
}

std::int32_t Subclasser::zPeek(std::int32_t index) {
  std::int32_t value = 0;
  win::RtlMoveMemory(&value, pointer_of(m_PeekBase + 4u * static_cast<std::uint32_t>(index)), 4);
  return value;
}

void Subclasser::zPoke(std::int32_t index, std::int32_t value) {
  win::RtlMoveMemory(pointer_of(m_PeekBase + 4u * static_cast<std::uint32_t>(index)), &value, 4);
}

// The template starts zeroed with the subclasser and is never cleared: the
// run-mode query at offset 12 stays as an earlier guarded sc_Subclass left
// it, also after sc_UnSubclassAll, for a later one with the guard off.
void Subclasser::prepare_template() {
  const auto& code = thunk_code();
  std::memcpy(m_Template.data() + kProcedureOffset, code.procedure.data(), code.procedure.size());
  write_template(offsetof(ThunkBlock, call_window_proc), zProcAddress("user32", "CallWindowProcA"));
  write_template(offsetof(ThunkBlock, set_window_long), zProcAddress("user32", "SetWindowLongA"));
  write_template(offsetof(ThunkBlock, virtual_free), zProcAddress("kernel32", "VirtualFree"));
  write_template(offsetof(ThunkBlock, is_bad_code_ptr), zProcAddress("kernel32", "IsBadCodePtr"));
}

void Subclasser::write_template(std::size_t offset, std::uint32_t value) {
  std::memcpy(m_Template.data() + offset, &value, sizeof value);
}

void Subclasser::forget(win::HWND window) {
  const std::string key = key_of(window);
  std::erase_if(*m_WindowMap, [&](const auto& entry) { return entry.first == key; });
}

std::string Subclasser::key_of(win::HWND window) {
  // Appending rather than "h" + to_string(...): GCC 12 at -O3 reports a
  // false -Wrestrict overlap inside operator+(const char*, string&&).
  std::string key = "h";
  key += std::to_string(static_cast<std::int32_t>(window.value));
  return key;
}

bool Subclasser::is_usable(std::uint32_t address) {
  return win::IsBadCodePtr(pointer_of(address)) == 0;
}

}  // namespace subclass
