// Every visible change goes through Redraw: the whole face is painted again
// for one drawing state, by the style's painter, then the caption and picture.
#include "candybutton/candybutton.h"

#include "candybutton/button_region.h"

namespace candy {

ButtonFace CandyButton::face() {
  return ButtonFace{m_surface,
                    m_Style,
                    m_ColorButtonUp,
                    m_ColorButtonHover,
                    m_ColorButtonDown,
                    m_ColorBright,
                    m_BorderBrightness,
                    m_Enabled,
                    m_CornerRadius,
                    m_Region,
                    [this] { return m_container.BackColor(); }};
}

void CandyButton::UpdateButtonRegion() {
  if (!m_faces.update_button_region) return;
  KeepButtonRegions(m_faces.update_button_region(face()), m_surface, m_Region, m_CornerRadius);
}

// The caller's state becomes 4 while the button is checked, even when nothing
// is drawn yet. A failing painter ends the repaint before caption and refresh.
void CandyButton::Redraw(std::int32_t& state) {
  if (m_Checked) state = 4;
  if (!m_Ready) return;
  m_surface.SetPicture(nullptr);
  if (m_faces.paint_face) {
    const FacePaint painted = m_faces.paint_face(face(), state);
    m_CornerRadius = painted.m_CornerRadius;
    m_BorderBrightness = painted.m_BorderBrightness;
  }
  DrawIconWCaption(state);
}

}  // namespace candy
