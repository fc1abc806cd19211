// The button's answer to the host's mouse, key and focus notifications.
// While the button is disabled they do nothing but track the focus; mouse
// entry and exit come from the window callback instead.
//
//   notification        repaint (unless checked, which always shows 4)   event
//   button pressed      1, and the button has the focus                  MouseDown
//   moved               0 when dragged out with the left button alone    MouseMove first
//   button released     3 over the button, else 2 with focus, else none  MouseUp
//   click               -                                                Click
//   double click        1                                                DblClick
//   Enter down / up     as pressed / released with (1, 0, 0, 0)          + Click on up
//   focus gained        2 unless the mouse is over the button            -
//   focus lost          0, also with the mouse over the button           -
#include "candybutton/candybutton.h"

namespace candy {

namespace {

constexpr std::int16_t kEnterKey = 13;

}  // namespace

void CandyButton::OnMouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  if (!m_Enabled) return;
  m_HasFocus = kTrue;
  Redraw(1);
  if (m_events) m_events->MouseDown(Button, Shift, X, Y);
}

// The event comes before the bounds test. Only the left button alone drags
// out; the right and bottom edges still count as inside.
void CandyButton::OnMouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  if (!m_Enabled) return;
  if (m_events) m_events->MouseMove(Button, Shift, X, Y);
  const float width = m_surface.ScaleWidth();
  const float height = m_surface.ScaleHeight();
  const bool outside = X < 0 || X > width || Y < 0 || Y > height;
  if (outside && Button == 1) {
    m_MouseOver = kFalse;
    Redraw(0);
  }
}

void CandyButton::OnMouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  if (!m_Enabled) return;
  if (!m_Checked) {
    if (m_MouseOver) {
      Redraw(3);
    } else if (m_HasFocus) {
      Redraw(2);
    }
  }
  if (m_events) m_events->MouseUp(Button, Shift, X, Y);
}

void CandyButton::OnClick() {
  if (!m_Enabled) return;
  if (m_events) m_events->Click();
}

void CandyButton::OnDblClick() {
  if (!m_Enabled) return;
  Redraw(1);
  if (m_events) m_events->DblClick();
}

// Every repeat of a held Enter presses again.
void CandyButton::OnKeyDown(std::int16_t& KeyCode, std::int16_t& /*Shift*/) {
  if (!m_Enabled || KeyCode != kEnterKey) return;
  std::int16_t Button = 1;
  std::int16_t Shift = 0;
  float X = 0;
  float Y = 0;
  OnMouseDown(Button, Shift, X, Y);
}

void CandyButton::OnKeyUp(std::int16_t& KeyCode, std::int16_t& /*Shift*/) {
  if (!m_Enabled || KeyCode != kEnterKey) return;
  std::int16_t Button = 1;
  std::int16_t Shift = 0;
  float X = 0;
  float Y = 0;
  OnMouseUp(Button, Shift, X, Y);
  if (m_events) m_events->Click();
}

void CandyButton::OnGotFocus() {
  m_HasFocus = kTrue;
  if (m_Enabled && !m_Checked && !m_MouseOver) Redraw(2);
}

void CandyButton::OnLostFocus() {
  m_HasFocus = kFalse;
  if (m_Enabled && !m_Checked) Redraw(0);
}

}  // namespace candy
