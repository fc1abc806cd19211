// The four face colours and the scheme that sets them all at once. A colour
// set by hand always leaves the scheme, so a non-zero ColorScheme means the
// colours are exactly those of the scheme (or of a stored layout).
#include "candybutton/candybutton.h"
#include "candybutton/color_schemes.h"

namespace candy {

void CandyButton::SetSchemeColor(win::OLE_COLOR& member, win::OLE_COLOR value,
                                 const char* notification) {
  member = value;
  if (m_ColorScheme != 0) {
    m_ColorScheme = 0;
    m_container.PropertyChanged("m_ColorScheme");
  }
  m_container.PropertyChanged(notification);
  Redraw(0);
}

void CandyButton::ColorBright(win::OLE_COLOR newValue) {
  SetSchemeColor(m_ColorBright, newValue, "m_ColorBright");
}

void CandyButton::ColorButtonDown(win::OLE_COLOR newValue) {
  SetSchemeColor(m_ColorButtonDown, newValue, "m_ColorButtonDown");
}

void CandyButton::ColorButtonUp(win::OLE_COLOR newValue) {
  SetSchemeColor(m_ColorButtonUp, newValue, "m_ColorButtonUp");
}

void CandyButton::ColorButtonHover(win::OLE_COLOR newValue) {
  SetSchemeColor(m_ColorButtonHover, newValue, "m_ColorButtonHover");
}

// Goes through the public colour setters, so the container hears of every
// colour and the scheme passes through 0 when another one was active. Setting
// the current scheme again applies its colours again.
void CandyButton::ColorScheme(std::int32_t newValue) {
  if (const ColorSchemeColors* colors = FindColorScheme(newValue)) {
    ColorButtonUp(colors->ColorButtonUp);
    ColorButtonHover(colors->ColorButtonHover);
    ColorButtonDown(colors->ColorButtonDown);
    ColorBright(colors->ColorBright);
  }
  m_ColorScheme = newValue;
  m_container.PropertyChanged("m_ColorScheme");
  Redraw(0);
}

}  // namespace candy
