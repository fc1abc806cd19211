// Initialising, restoring and saving a button's properties. Restoring writes
// the members directly: no setter runs, so nothing is clamped, no scheme is
// applied, the container hears nothing and nothing is repainted.
#include <cstdint>

#include "candybutton/candybutton.h"

namespace candy {

namespace {

constexpr std::int32_t kDefaultHighLiteColor = 0xFF00;
constexpr std::int32_t kDefaultHover = 0xFFC090;
constexpr std::int32_t kDefaultUp = 0xE99950;
constexpr std::int32_t kDefaultDown = 0xE99950;
constexpr std::int32_t kDefaultBright = 0xFFEDB0;

std::int16_t flag(bool value) { return value ? kTrue : kFalse; }
win::OLE_COLOR color(std::int32_t value) { return static_cast<win::OLE_COLOR>(value); }
std::int32_t stored(win::OLE_COLOR value) { return static_cast<std::int32_t>(value); }

}  // namespace

// A button created by a program at run time gets the same colours and the
// same enabled state as one placed in a designer: otherwise it would be black
// and could never be clicked.
void CandyButton::InitProperties() {
  m_ColorButtonUp = color(kDefaultUp);
  m_ColorButtonDown = color(kDefaultDown);
  m_Enabled = kTrue;
  m_ColorButtonHover = color(kDefaultHover);
  m_ColorBright = color(kDefaultBright);
  m_surface.SetPicture(nullptr);
  m_Caption = m_container.ExtenderName();
  m_Ready = kTrue;
}

// A value that does not convert ends the restore at its key: the keys before
// it keep what was read and the button stays unready, so it paints nothing.
void CandyButton::ReadProperties(const forms::PropertyBag& PropBag) {
  m_Enabled = flag(PropBag.read_flag("Enabled", true));
  m_surface.SetFont(PropBag.read_font("Font", m_container.AmbientFont()));
  m_Caption = PropBag.read_text("Caption", kTypeName);
  m_CaptionHighLite = flag(PropBag.read_flag("CaptionHighLite", false));
  m_CaptionHighLiteColor = color(PropBag.read_long("CaptionHighLiteColor", kDefaultHighLiteColor));
  m_IconHighLite = flag(PropBag.read_flag("IconHighLite", false));
  m_IconHighLiteColor = color(PropBag.read_long("IconHighLiteColor", kDefaultHighLiteColor));
  m_ForeColor = color(PropBag.read_long("ForeColor", 0));
  m_Picture = m_container.LoadPictureRef(PropBag.read_picture("Picture", forms::PictureRef{}));
  m_PictureAlignment = PropBag.read_long("PictureAlignment", 0);
  m_Style = PropBag.read_long("Style", 0);
  m_Checked = flag(PropBag.read_flag("Checked", m_Checked != 0));
  m_ColorButtonHover = color(PropBag.read_long("ColorButtonHover", kDefaultHover));
  m_ColorButtonUp = color(PropBag.read_long("ColorButtonUp", kDefaultUp));
  m_ColorButtonDown = color(PropBag.read_long("ColorButtonDown", kDefaultDown));
  m_ColorBright = color(PropBag.read_long("ColorBright", kDefaultBright));
  m_BorderBrightness = PropBag.read_long("BorderBrightness", 0);
  m_DisplayHand = flag(PropBag.read_flag("DisplayHand", false));
  m_ColorScheme = PropBag.read_long("ColorScheme", 0);

  m_surface.SetMousePointer(m_DisplayHand ? forms::vbCustom : forms::vbArrow);
  m_surface.SetForeColor(m_ForeColor);
  if (m_container.AmbientUserMode()) StartInterception();
  m_Ready = kTrue;
}

void CandyButton::WriteProperties(forms::PropertyBag& PropBag) const {
  using forms::Flag;
  PropBag.write("Enabled", Flag{m_Enabled != 0}, Flag{true});
  PropBag.write("Font", m_surface.Font(), m_container.AmbientFont());
  PropBag.write("Caption", m_Caption, std::string(kTypeName));
  PropBag.write("IconHighLite", Flag{m_IconHighLite != 0}, Flag{false});
  PropBag.write("IconHighLiteColor", stored(m_IconHighLiteColor), kDefaultHighLiteColor);
  PropBag.write("CaptionHighLite", Flag{m_CaptionHighLite != 0}, Flag{false});
  PropBag.write("CaptionHighLiteColor", stored(m_CaptionHighLiteColor), kDefaultHighLiteColor);
  PropBag.write("ForeColor", stored(m_ForeColor), std::int32_t{0});
  PropBag.write("Picture", m_container.PictureRefOf(m_Picture), forms::PictureRef{});
  PropBag.write("PictureAlignment", m_PictureAlignment, std::uint8_t{0});
  PropBag.write("Style", m_Style, std::int16_t{0});
  PropBag.write("Checked", Flag{m_Checked != 0});
  PropBag.write("ColorButtonHover", stored(m_ColorButtonHover));
  PropBag.write("ColorButtonUp", stored(m_ColorButtonUp));
  PropBag.write("ColorButtonDown", stored(m_ColorButtonDown));
  PropBag.write("BorderBrightness", m_BorderBrightness);
  PropBag.write("ColorBright", stored(m_ColorBright));
  PropBag.write("DisplayHand", Flag{m_DisplayHand != 0});
  PropBag.write("ColorScheme", m_ColorScheme);
}

}  // namespace candy
