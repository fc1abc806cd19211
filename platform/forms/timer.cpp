#include "platform/forms/timer.h"

#include "platform/forms/form.h"
#include "platform/forms/layout.h"
#include "platform/win/user/timer.h"

namespace forms {

Timer::Timer(Form& form, std::string name, unsigned interval_ms, bool enabled)
    : Control(form, std::move(name), "Timer"),
      m_id(form.register_timer(*this)),
      m_interval(interval_ms),
      m_enabled(enabled) {
  arm();
}

Timer::Timer(Form& form, const LayoutBlock& block)
    : Timer(
          form, block.name,
          static_cast<unsigned>(std::get<std::int32_t>(block.require("Interval", ValueType::Long))),
          std::get<Flag>(block.require("Enabled", ValueType::Flag)).value) {}

Timer::~Timer() {
  win::KillTimer(form().hWnd(), m_id);
  form().unregister_timer(m_id);
}

void Timer::arm() {
  // Setting the timer again restarts its countdown, as enabling a timer does.
  if (m_enabled && m_interval > 0) {
    win::SetTimer(form().hWnd(), m_id, m_interval, nullptr);
  } else {
    win::KillTimer(form().hWnd(), m_id);
  }
}

void Timer::set_Interval(unsigned ms) {
  m_interval = ms;
  arm();
}

void Timer::set_Enabled(bool enabled) {
  m_enabled = enabled;
  arm();
}

void Timer::tick() {
  if (m_enabled && m_interval > 0 && m_on_tick) m_on_tick();
}

}  // namespace forms
