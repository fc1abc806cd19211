// The message interception the control starts for its own window in run
// mode, seen from the control: finding the mouse-leave tracking function,
// subclassing the window, choosing its messages and stopping it all again.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win/types.h"

namespace candy {

// When-codes of sc_AddMessage.
inline constexpr std::int32_t MSG_BEFORE = 1;
inline constexpr std::int32_t MSG_AFTER = 2;

class WindowInterception {
 public:
  virtual ~WindowInterception() = default;

  // True when the library exports the function; a library that cannot be
  // loaded exports nothing.
  virtual bool IsFunctionExported(std::string_view function, std::string_view library) = 0;
  virtual bool sc_Subclass(win::HWND window, std::int32_t user_value, std::int32_t callback_ordinal,
                           void* owner, bool ide_guard) = 0;
  virtual void sc_AddMessage(win::HWND window, std::int32_t message, std::int32_t when) = 0;
  virtual void sc_UnSubclassAll() = 0;
};

// Intercepts nothing: no tracking function is found, so nothing is subclassed.
class NoInterception final : public WindowInterception {
 public:
  bool IsFunctionExported(std::string_view, std::string_view) override { return false; }
  bool sc_Subclass(win::HWND, std::int32_t, std::int32_t, void*, bool) override { return false; }
  void sc_AddMessage(win::HWND, std::int32_t, std::int32_t) override {}
  void sc_UnSubclassAll() override {}
};

}  // namespace candy
