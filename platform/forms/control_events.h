// The notifications the host delivers to its control, translated from the
// window's messages. Button: 1 left, 2 right, 4 middle; Shift: 1 Shift,
// 2 Ctrl, 4 Alt; X and Y in client pixels. Every handler may throw: the host
// catches at its window procedure and reports.
#pragma once

#include <cstdint>

namespace forms {

class ControlEvents {
 public:
  virtual ~ControlEvents() = default;

  virtual void OnResize() {}
  virtual void OnShow() {}
  virtual void OnKeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void OnKeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
  virtual void OnMouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                           float& /*Y*/) {}
  virtual void OnMouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                           float& /*Y*/) {}
  virtual void OnMouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/,
                         float& /*Y*/) {}
  virtual void OnClick() {}
  virtual void OnDblClick() {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
};

}  // namespace forms
