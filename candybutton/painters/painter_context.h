// What the style painters read and write of the control, in one place. The
// control builds one of these over its own members and passes it to every
// painter; the painters keep nothing between calls.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/forms/drawing_surface.h"
#include "platform/win/kernel/types.h"

namespace candy {

struct PainterContext {
  forms::DrawingSurface& surface;
  const win::OLE_COLOR& m_ColorButtonUp;
  const win::OLE_COLOR& m_ColorButtonHover;
  const win::OLE_COLOR& m_ColorButtonDown;
  const win::OLE_COLOR& m_ColorBright;
  std::int32_t& m_BorderBrightness;  // lowered to 100 by the shaded painters when above
  const std::int16_t& m_Enabled;     // the control's flag: 0 false, anything else true
  std::int32_t& m_CornerRadius;      // raised to 1 by the shaded painters when below
  win::HRGN& m_Region;               // inner region of the shape, or 0; written by the region rebuild only
  const std::int32_t& m_Style;       // read by the shaded painters and the region rebuild
  // The container's BackColor, or nothing when it cannot be read; the painters
  // of styles 0 and 1 then skip their background fill.
  std::function<std::optional<win::OLE_COLOR>()> container_back_color;
};

}  // namespace candy
