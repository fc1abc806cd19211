// The members a painter or the region rebuild reads and writes, over a
// memory surface, wired the way the control wires its own.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "candybutton/button_region.h"
#include "candybutton/styles.h"
#include "platform/forms/memory_surface.h"
#include "platform/win/gdi/gdi.h"

namespace candy::testing {

inline constexpr win::COLORREF kBackground = 0x00FF00FF;  // the surface before painting
inline constexpr win::COLORREF kContainer = 0x00C0C0C0;   // the container's BackColor

struct TestButton {
  explicit TestButton(std::int32_t width, std::int32_t height, std::int32_t style = 0)
      : surface(width, height, kBackground), m_Style(style) {}
  ~TestButton() {
    if (m_Region) win::DeleteObject(m_Region);
  }

  forms::MemorySurface surface;
  win::OLE_COLOR m_ColorButtonUp = 0xD06720;
  win::OLE_COLOR m_ColorButtonHover = 0xE99950;
  win::OLE_COLOR m_ColorButtonDown = 0xA06710;
  win::OLE_COLOR m_ColorBright = 0xFFEDB0;
  std::int32_t m_BorderBrightness = 0;
  std::int16_t m_Enabled = -1;
  std::int32_t m_CornerRadius = 0;
  win::HRGN m_Region;
  std::int32_t m_Style;
  std::optional<win::OLE_COLOR> back_color = kContainer;

  ButtonFace face() {
    return {surface,
            m_Style,
            m_ColorButtonUp,
            m_ColorButtonHover,
            m_ColorButtonDown,
            m_ColorBright,
            m_BorderBrightness,
            m_Enabled,
            m_CornerRadius,
            m_Region,
            [this] { return back_color; }};
  }
  // Paints the style's face through the style table and keeps what the
  // painter computed, as the control does.
  void paint(std::int32_t state) { keep(PaintFace(face(), state)); }
  void keep(const FacePaint& painted) {
    m_CornerRadius = painted.m_CornerRadius;
    m_BorderBrightness = painted.m_BorderBrightness;
  }
  void update_region() {
    KeepButtonRegions(BuildButtonRegions(face()), surface, m_Region, m_CornerRadius);
  }
  std::vector<win::COLORREF> image() const {
    std::vector<win::COLORREF> pixels;
    for (std::int32_t y = 0; y < std::int32_t(surface.ScaleHeight()); ++y)
      for (std::int32_t x = 0; x < std::int32_t(surface.ScaleWidth()); ++x)
        pixels.push_back(surface.pixel(x, y));
    return pixels;
  }
};

}  // namespace candy::testing
