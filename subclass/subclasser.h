// Window subclassing for one owner (the control): installs a generated
// window procedure per window, keeps the map from windows to thunk blocks,
// edits the blocks' message tables and reports errors in the fixed way
// (event log entry and message box, both naming the owner's type).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/kernel/types.h"
#include "subclass/subclass_owner.h"
#include "subclass/thunk_block.h"

namespace subclass {

// When-codes of sc_AddMessage and sc_DeleteMessage.
inline constexpr std::int32_t MSG_BEFORE = 1;
inline constexpr std::int32_t MSG_AFTER = 2;
inline constexpr std::int32_t MSG_BEFORE_AND_AFTER = 3;

// The module and export of a design environment's run-mode query; never
// loaded in a stand-alone run.
inline constexpr const char* kDesignEnvironmentModule = "vba6";
inline constexpr const char* kRunModeQueryName = "EbMode";

class Subclasser {
 public:
  explicit Subclasser(SubclassOwner& self, std::string type_name = "CandyButton");
  Subclasser(const Subclasser&) = delete;
  Subclasser& operator=(const Subclasser&) = delete;
  // Requests the release of every window still subclassed.
  ~Subclasser();

  bool sc_Subclass(win::HWND window, win::LONG user_value = 0, win::LONG callback_ordinal = 1,
                   SubclassOwner* owner = nullptr, bool guard = true);
  void sc_UnSubclass(win::HWND window);
  void sc_UnSubclassAll();
  void sc_AddMessage(win::HWND window, win::LONG message, win::LONG when);
  void sc_DeleteMessage(win::HWND window, win::LONG message, win::LONG when);
  win::LRESULT sc_CallPreviousProc(win::HWND window, win::UINT message, win::WPARAM wparam,
                                   win::LPARAM lparam);
  win::LONG sc_GetUserValue(win::HWND window);
  void sc_SetUserValue(win::HWND window, win::LONG value);

  // For tests: the window's block without any report, 0 when not mapped.
  std::uint32_t block_of(win::HWND window) const;
  bool has_window_map() const { return m_WindowMap.has_value(); }

 private:
  // Table selectors: the block slot that holds the table's address.
  static constexpr std::int32_t kBeforeTableSlot = 11;
  static constexpr std::int32_t kAfterTableSlot = 12;

  void zAddMsg(win::LONG message, std::int32_t table);
  void zDelMsg(win::LONG message, std::int32_t table);
  std::uint32_t zMap_hWnd(win::HWND window);
  std::uint32_t zCallbackAddress(SubclassOwner& owner, win::LONG ordinal);
  std::uint32_t zProcAddress(const char* module, const char* function);
  void zReportError(const std::string& routine, const std::string& message);
  std::int32_t zPeek(std::int32_t index);
  void zPoke(std::int32_t index, std::int32_t value);

  void prepare_template();
  void write_template(std::size_t offset, std::uint32_t value);
  // Drops the window's entry from the map.
  void forget(win::HWND window);
  static std::string key_of(win::HWND window);
  static bool is_usable(std::uint32_t address);

  SubclassOwner& m_self;
  std::string m_type_name;
  OwnerRecords m_owner_records;
  // Key "h" + the handle in signed decimal, and the block address, in the
  // order the windows were subclassed.
  std::optional<std::vector<std::pair<std::string, std::uint32_t>>> m_WindowMap;
  std::array<std::uint8_t, kTemplateSize> m_Template{};
  std::uint32_t m_PeekBase = 0;
};

}  // namespace subclass
