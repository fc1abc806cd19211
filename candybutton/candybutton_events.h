// The events a CandyButton raises to its container, in their declared order.
// Button and Shift are 16-bit, X and Y pixels; all four are passed by reference.
#pragma once

#include <cstdint>
#include <string>

namespace candy {

class CandyButtonEvents {
 public:
  virtual ~CandyButtonEvents() = default;
  virtual void Status(std::string& /*sStatus*/) {}
  virtual void Click() {}
  virtual void DblClick() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                         float& /*Y*/) {}
  virtual void MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                       float& /*Y*/) {}
  virtual void MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                         float& /*Y*/) {}
};

}  // namespace candy
