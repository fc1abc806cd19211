// The control's colour and small integer arithmetic. Everything is 32-bit
// signed integer arithmetic; the one division truncates toward zero.
// Parameters are passed by reference as the control's public interface
// declares them; those marked "written" change the caller's variable.
#pragma once

#include <cstdint>

#include "platform/win/kernel/types.h"

namespace candy {

// The plain colour an OLE colour stands for: system colours translated to
// their current value, an untranslatable colour as black.
win::COLORREF translate_ole_color(win::OLE_COLOR color);

// Splits a colour into its components, 0 to 255 each (written). System colours
// are translated to their current plain colour; a colour that cannot be
// translated reads as black.
void GetRGB(std::int32_t& r, std::int32_t& g, std::int32_t& b, const win::OLE_COLOR& Color);

// Mixes Color2 into Color1 by Percentage percent, per channel
// c1 + ((c2 - c1) * Percentage) / 100, truncating toward zero. Percentage is
// first limited to 0..100 and the limited value is written back.
win::COLORREF BlendColors(const win::OLE_COLOR& Color1, const win::OLE_COLOR& Color2,
                          std::int32_t& Percentage);
// For a computed percentage that no caller needs back.
inline win::COLORREF BlendColors(const win::OLE_COLOR& Color1, const win::OLE_COLOR& Color2,
                                 std::int32_t&& Percentage) {
  return BlendColors(Color1, Color2, Percentage);
}

// result = low when value < low, else high when value > high, else value.
// The low bound is tested first, so an inverted range yields low or high.
void ClampValue(const std::int32_t& value, const std::int32_t& low, const std::int32_t& high,
                std::int32_t& result);
// Convenience form returning the result.
inline std::int32_t ClampValue(std::int32_t value, std::int32_t low, std::int32_t high) {
  std::int32_t result = 0;
  ClampValue(value, low, high, result);
  return result;
}

// The two halves of a message parameter as signed 16-bit values.
std::int16_t SignedLoWord(const std::int32_t& value);
std::int16_t SignedHiWord(const std::int32_t& value);

}  // namespace candy
