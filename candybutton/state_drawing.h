// The GDI calls that draw the caption and the picture: DrawStateA for text and
// for images, and the solid brush of the mouse-over tint.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win/kernel/types.h"

namespace candy {

// DrawStateA flags.
inline constexpr win::UINT DST_PREFIXTEXT = 0x0002;
inline constexpr win::UINT DST_ICON = 0x0003;
inline constexpr win::UINT DST_BITMAP = 0x0004;
inline constexpr win::UINT DSS_DISABLED = 0x0020;
inline constexpr win::UINT DSS_MONO = 0x0080;

class StateDrawing {
 public:
  virtual ~StateDrawing() = default;
  // DrawStateA(dc, 0, 0, text, length, x, y, 0, 0, flags); the text is UTF-8
  // and goes to the device in the ANSI code page (or, for a button whose
  // caption came in through the rendering API, to DrawStateW as UTF-16).
  virtual void DrawStateText(win::HDC dc, std::string_view text, std::int32_t x, std::int32_t y,
                             win::UINT flags) = 0;
  // DrawStateA(dc, brush, 0, handle, 0, x, y, cx, cy, flags) for DST_ICON and DST_BITMAP.
  virtual void DrawStateImage(win::HDC dc, win::HBRUSH brush, std::uint32_t handle, std::int32_t x,
                              std::int32_t y, std::int32_t cx, std::int32_t cy,
                              win::UINT flags) = 0;
  virtual win::HBRUSH CreateSolidBrush(win::COLORREF color) = 0;
  virtual void DeleteObject(win::HBRUSH brush) = 0;
};

}  // namespace candy
