// The message interception the control starts for its own window in run
// mode, seen from the control: finding the mouse-leave tracking function,
// subclassing the window, choosing its messages and stopping it all again.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/win/kernel/types.h"
#include "subclass/subclass_owner.h"

namespace subclass {
class Subclasser;
}

namespace candy {

// When-codes of sc_AddMessage.
inline constexpr std::int32_t MSG_BEFORE = 1;
inline constexpr std::int32_t MSG_AFTER = 2;

// True when the library exports the function. A library that is not loaded
// yet is loaded for the question and unloaded again; one that cannot be
// loaded exports nothing.
bool IsFunctionExported(std::string_view function, std::string_view library);

class WindowInterception {
 public:
  virtual ~WindowInterception() = default;

  // The control whose callback methods receive the messages; called once,
  // by the control, before anything is subclassed.
  virtual void attach(subclass::SubclassOwner& /*self*/) {}
  virtual bool IsFunctionExported(std::string_view function, std::string_view library) = 0;
  // A null owner means the attached control.
  virtual bool sc_Subclass(win::HWND window, std::int32_t user_value, std::int32_t callback_ordinal,
                           subclass::SubclassOwner* owner, bool ide_guard) = 0;
  virtual void sc_AddMessage(win::HWND window, std::int32_t message, std::int32_t when) = 0;
  virtual void sc_UnSubclassAll() = 0;
};

// Intercepts nothing: no tracking function is found, so nothing is subclassed.
class NoInterception final : public WindowInterception {
 public:
  bool IsFunctionExported(std::string_view, std::string_view) override { return false; }
  bool sc_Subclass(win::HWND, std::int32_t, std::int32_t, subclass::SubclassOwner*, bool) override {
    return false;
  }
  void sc_AddMessage(win::HWND, std::int32_t, std::int32_t) override {}
  void sc_UnSubclassAll() override {}
};

// The platform's modules and the generated window procedures of the subclasser.
class SubclassInterception final : public WindowInterception {
 public:
  SubclassInterception();
  ~SubclassInterception() override;

  void attach(subclass::SubclassOwner& self) override;
  bool IsFunctionExported(std::string_view function, std::string_view library) override;
  bool sc_Subclass(win::HWND window, std::int32_t user_value, std::int32_t callback_ordinal,
                   subclass::SubclassOwner* owner, bool ide_guard) override;
  void sc_AddMessage(win::HWND window, std::int32_t message, std::int32_t when) override;
  void sc_UnSubclassAll() override;

  // For tests: null until a control is attached.
  subclass::Subclasser* subclasser() { return m_subclasser.get(); }

 private:
  subclass::Subclasser& require();

  std::unique_ptr<subclass::Subclasser> m_subclasser;
};

}  // namespace candy
