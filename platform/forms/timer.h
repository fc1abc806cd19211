// A timer control: while enabled with an interval above 0, ticks every
// Interval milliseconds through the form window's WM_TIMER.
#pragma once

#include <functional>

#include "platform/forms/control.h"

namespace forms {

class Timer : public Control {
 public:
  Timer(Form& form, const LayoutBlock& block);
  Timer(Form& form, std::string name, unsigned interval_ms, bool enabled);
  ~Timer() override;

  unsigned Interval() const { return m_interval; }
  void set_Interval(unsigned ms);
  bool Enabled() const { return m_enabled; }
  void set_Enabled(bool enabled);

  void on_tick(std::function<void()> handler) { m_on_tick = std::move(handler); }
  void tick();

 private:
  void arm();

  unsigned m_id;
  unsigned m_interval = 0;
  bool m_enabled = true;
  std::function<void()> m_on_tick;
};

}  // namespace forms
