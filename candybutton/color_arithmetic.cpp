#include "candybutton/color_arithmetic.h"

#include "platform/win/ole/ole_color.h"

namespace candy {
// The one place that asks the platform to translate an OLE colour.
win::COLORREF translate_ole_color(win::OLE_COLOR color) {
  win::COLORREF work = 0;
  // The status is not needed: on failure the work value keeps its 0 (black).
  win::OleTranslateColor(color, win::HPALETTE{}, &work);
  return work;
}

void GetRGB(std::int32_t& r, std::int32_t& g, std::int32_t& b, const win::OLE_COLOR& Color) {
  const win::COLORREF work = translate_ole_color(Color);
  r = std::int32_t(work & 0xFF);
  g = std::int32_t((work >> 8) & 0xFF);
  b = std::int32_t((work >> 16) & 0xFF);
}

win::COLORREF BlendColors(const win::OLE_COLOR& Color1, const win::OLE_COLOR& Color2,
                          std::int32_t& Percentage) {
  ClampValue(Percentage, 0, 100, Percentage);
  std::int32_t r1 = 0, g1 = 0, b1 = 0, r2 = 0, g2 = 0, b2 = 0;
  GetRGB(r1, g1, b1, Color1);
  GetRGB(r2, g2, b2, Color2);
  const std::int32_t r = r1 + ((r2 - r1) * Percentage) / 100;
  const std::int32_t g = g1 + ((g2 - g1) * Percentage) / 100;
  const std::int32_t b = b1 + ((b2 - b1) * Percentage) / 100;
  return win::COLORREF(r + 256 * g + 65536 * b);
}

void ClampValue(const std::int32_t& value, const std::int32_t& low, const std::int32_t& high,
                std::int32_t& result) {
  if (value < low) {
    result = low;
  } else if (value > high) {
    result = high;
  } else {
    result = value;
  }
}

std::int16_t SignedLoWord(const std::int32_t& value) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(std::uint32_t(value) & 0xFFFF));
}

std::int16_t SignedHiWord(const std::int32_t& value) {
  // Clearing the low half leaves a multiple of 65536, so the division is exact.
  const std::int32_t high = std::int32_t(std::uint32_t(value) & 0xFFFF0000u);
  return static_cast<std::int16_t>(high / 65536);
}

}  // namespace candy
