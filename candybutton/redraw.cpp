// Every visible change goes through Redraw: the whole face is painted again
// for one drawing state, by the style's painter, then the caption and picture.
#include "candybutton/candybutton.h"

namespace candy {

PainterContext CandyButton::painter_context() {
  return PainterContext{m_surface,        m_ColorButtonUp, m_ColorButtonHover, m_ColorButtonDown,
                        m_ColorBright,    m_BorderBrightness, m_Enabled,       m_CornerRadius,
                        m_Region,         m_Style,
                        [this] { return m_container.BackColor(); }};
}

void CandyButton::UpdateButtonRegion() {
  if (!m_styles.update_button_region) return;
  PainterContext context = painter_context();
  m_styles.update_button_region(context);
}

// The caller's state becomes 4 while the button is checked, even when nothing
// is drawn yet. A failing painter ends the repaint before caption and refresh.
void CandyButton::Redraw(std::int32_t& state) {
  if (m_Checked) state = 4;
  if (!m_Ready) return;
  m_surface.SetPicture(nullptr);

  const StyleFunctions::Painter* painter = nullptr;
  switch (m_Style) {
    case 0: painter = &m_styles.push_button; break;
    case 1: painter = &m_styles.tool_button; break;
    case 2: case 3: case 4: case 5: case 7: painter = &m_styles.rounded; break;
    case 6: painter = &m_styles.pixel; break;
    default: break;
  }
  if (painter && *painter) {
    PainterContext context = painter_context();
    (*painter)(context, state);
  }
  DrawIconWCaption(state);
}

}  // namespace candy
