// The control's interception over the subclasser: the control is attached
// once it exists, because the subclasser reports errors and routes callbacks
// in its name.
#include <stdexcept>

#include "candybutton/interception.h"
#include "subclass/subclasser.h"

namespace candy {

SubclassInterception::SubclassInterception() = default;
SubclassInterception::~SubclassInterception() = default;

void SubclassInterception::attach(subclass::SubclassOwner& self) {
  if (m_subclasser) throw std::logic_error("SubclassInterception: already attached to a control");
  m_subclasser = std::make_unique<subclass::Subclasser>(self);
}

subclass::Subclasser& SubclassInterception::require() {
  if (!m_subclasser) throw std::logic_error("SubclassInterception: no control attached");
  return *m_subclasser;
}

bool SubclassInterception::IsFunctionExported(std::string_view function, std::string_view library) {
  return candy::IsFunctionExported(function, library);
}

bool SubclassInterception::sc_Subclass(win::HWND window, std::int32_t user_value,
                                       std::int32_t callback_ordinal,
                                       subclass::SubclassOwner* owner, bool ide_guard) {
  return require().sc_Subclass(window, user_value, callback_ordinal, owner, ide_guard);
}

void SubclassInterception::sc_AddMessage(win::HWND window, std::int32_t message,
                                         std::int32_t when) {
  require().sc_AddMessage(window, message, when);
}

// Nothing was subclassed without an attached control, so there is nothing to stop.
void SubclassInterception::sc_UnSubclassAll() {
  if (m_subclasser) m_subclasser->sc_UnSubclassAll();
}

}  // namespace candy
