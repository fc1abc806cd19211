#include "candybutton/candybutton.h"

#include <stdexcept>
#include <utility>

#include "candybutton/color_arithmetic.h"
#include "platform/win/gdi/gdi.h"

namespace candy {

namespace {

std::int16_t flag(bool value) { return value ? kTrue : kFalse; }

}  // namespace

CandyButton::CandyButton(forms::ControlSurface& surface, forms::ControlContainer& container,
                         CandyButtonParts parts)
    : m_surface(surface),
      m_container(container),
      m_faces(std::move(parts.faces)),
      m_state_drawing(std::move(parts.state_drawing)),
      m_interception(std::move(parts.interception)) {
  if (!m_interception) m_interception = std::make_unique<NoInterception>();
  m_interception->attach(*this);
  if (!m_state_drawing) throw std::invalid_argument("CandyButton: no caption drawing given");
}

CandyButton::~CandyButton() {
  m_interception->sc_UnSubclassAll();
  if (m_Region) {
    win::DeleteObject(m_Region);
    m_Region = win::HRGN{};
  }
}

void CandyButton::DisplayHand(bool newValue) { m_DisplayHand = flag(newValue); }

// The only setter that swallows the failures of its later steps.
void CandyButton::Enabled(bool bEnabled) {
  m_Enabled = flag(bEnabled);
  try {
    m_container.PropertyChanged("Enabled");
    Redraw(0);
  } catch (...) {
  }
}

void CandyButton::BorderBrightness(std::int32_t newValue) {
  m_BorderBrightness = ClampValue(newValue, -100, 100);
  m_container.PropertyChanged("m_BorderBrightness");
  Redraw(0);
}

void CandyButton::IconHighLite(bool PropVal) {
  m_IconHighLite = flag(PropVal);
  m_container.PropertyChanged("IconHighLite");
}

void CandyButton::IconHighLiteColor(win::OLE_COLOR PropVal) {
  m_IconHighLiteColor = PropVal;
  m_container.PropertyChanged("IconHighLiteColor");
}

void CandyButton::CaptionHighLite(bool PropVal) {
  m_CaptionHighLite = flag(PropVal);
  m_container.PropertyChanged("CaptionHighLite");
}

void CandyButton::CaptionHighLiteColor(win::OLE_COLOR PropVal) {
  m_CaptionHighLiteColor = PropVal;
  m_container.PropertyChanged("CaptionHighLiteColor");
}

void CandyButton::ForeColor(win::OLE_COLOR NewForeColor) {
  m_ForeColor = NewForeColor;
  m_surface.SetForeColor(NewForeColor);
  m_container.PropertyChanged("ForeColor");
  Redraw(0);
}

void CandyButton::Picture(win::PicturePtr Value) {
  m_Picture = std::move(Value);
  m_container.PropertyChanged("Picture");
  Redraw(0);
}

// The repaint comes before the notification here.
void CandyButton::Checked(bool Value) {
  m_Checked = flag(Value);
  if (m_Checked) {
    Redraw(4);
  } else if (m_MouseOver) {
    Redraw(3);
  } else {
    Redraw(0);
  }
  m_container.PropertyChanged("Checked");
}

// Setting the stored value does nothing at all; a new style gets its window
// shape before its face is painted.
void CandyButton::Style(std::int32_t eVal) {
  if (eVal == m_Style) return;
  m_Style = eVal;
  m_container.PropertyChanged("Style");
  UpdateButtonRegion();
  Redraw(0);
}

void CandyButton::PictureAlignment(std::int32_t eVal) {
  if (eVal == m_PictureAlignment) return;
  m_PictureAlignment = eVal;
  m_container.PropertyChanged("PictureAlignment");
  Redraw(0);
}

void CandyButton::Caption(const std::string& New_Caption) {
  m_Caption = New_Caption;
  m_container.PropertyChanged("Caption");
  Redraw(0);
}

void CandyButton::Font(const forms::FontDescription& NewFont) {
  m_surface.SetFont(NewFont);
  m_container.PropertyChanged("Font");
  Redraw(0);
}

forms::FontDescription CandyButton::Font() const { return m_surface.Font(); }

win::COLORREF CandyButton::BlendColors(const win::OLE_COLOR& Color1, const win::OLE_COLOR& Color2,
                                       std::int32_t& Percentage) {
  return candy::BlendColors(Color1, Color2, Percentage);
}

void CandyButton::GetRGB(std::int32_t& r, std::int32_t& g, std::int32_t& b,
                         const win::OLE_COLOR& Color) {
  candy::GetRGB(r, g, b, Color);
}

void CandyButton::OnResize() {
  UpdateButtonRegion();
  Redraw(0);
}

void CandyButton::OnShow() {
  UpdateButtonRegion();
  Redraw(0);
}

}  // namespace candy
