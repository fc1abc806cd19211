// The button's face as the painters and the region rebuild see it: one value
// the control builds from its own members for every repaint (see
// CandyButton::face). The fields carry the control's member names. Painters
// work on their own copy and hand back what they computed as a FacePaint;
// the region rebuild hands back its regions as ButtonRegions; the control
// keeps both.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/forms/drawing_surface.h"
#include "platform/win/kernel/types.h"

namespace candy {

struct ButtonFace {
  forms::DrawingSurface& surface;  // where the face is drawn; its size is the face's size
  std::int32_t m_Style = 0;
  win::OLE_COLOR m_ColorButtonUp = 0;
  win::OLE_COLOR m_ColorButtonHover = 0;
  win::OLE_COLOR m_ColorButtonDown = 0;
  win::OLE_COLOR m_ColorBright = 0;
  std::int32_t m_BorderBrightness = 0;  // lowered to 100 by the shaded painters when above
  std::int16_t m_Enabled = -1;          // the control's flag: 0 false, anything else true
  std::int32_t m_CornerRadius = 0;      // raised to 1 by the shaded painters when below
  win::HRGN m_Region;                   // inner region of the shape, or 0; owned by the control
  // The container's BackColor, or nothing when it cannot be read; asked only
  // by the painters of styles 0 and 1, which then skip their background fill.
  std::function<std::optional<win::OLE_COLOR>()> container_back_color;
};

// What a painter computed that the control keeps.
struct FacePaint {
  std::int32_t m_CornerRadius = 0;
  std::int32_t m_BorderBrightness = 0;
};

// What a region rebuild made: the outer region goes to the window (0 for the
// whole rectangle), the inner one stays with the control (0 for none).
struct ButtonRegions {
  win::HRGN outer;
  win::HRGN inner;
  std::optional<std::int32_t> m_CornerRadius;  // set for the shaped styles
};

}  // namespace candy
