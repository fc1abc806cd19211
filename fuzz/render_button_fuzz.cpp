// candy::render_button with every field of the look drawn from the input:
// style, state, size, scheme, colours (system colours with any index),
// border brightness, caption, font, picture bytes, alignment, highlights and
// the buffer's length. A bad look must end in RenderError (or another
// std::exception naming the fault), never in a crash or a sanitizer report.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>
#include <vector>

#include "include/candybutton/render.h"

namespace {

// Mostly small, sometimes anything: the edges get their share.
std::int32_t some_int(FuzzedDataProvider& in, std::int32_t low, std::int32_t high) {
  return in.ConsumeBool() ? in.ConsumeIntegral<std::int32_t>()
                          : in.ConsumeIntegralInRange(low, high);
}

std::optional<std::uint32_t> some_color(FuzzedDataProvider& in) {
  if (!in.ConsumeBool()) return std::nullopt;
  // Plain colours, system colours (the top bit) and the bits in between.
  return in.ConsumeIntegral<std::uint32_t>();
}

// Fonts from a short list, so that the faces made stay few however long the
// run; the odd values are there for their edges (no size, NaN, huge).
candy::Font some_font(FuzzedDataProvider& in) {
  static constexpr std::array<const char*, 4> kNames = {"MS Sans Serif", "Tahoma", "",
                                                        "no such family"};
  static constexpr std::array<float, 8> kSizes = {
      8, 9, 24, 0, -3, 1000, 1e30f, std::numeric_limits<float>::quiet_NaN()};
  static constexpr std::array<std::int16_t, 4> kWeights = {400, 700, -5, 32767};
  static constexpr std::array<std::int16_t, 4> kCharsets = {0, 2, 128, 255};
  candy::Font font;
  font.name = kNames[in.ConsumeIntegralInRange<std::size_t>(0, kNames.size() - 1)];
  font.size = kSizes[in.ConsumeIntegralInRange<std::size_t>(0, kSizes.size() - 1)];
  font.weight = kWeights[in.ConsumeIntegralInRange<std::size_t>(0, kWeights.size() - 1)];
  font.italic = in.ConsumeBool();
  font.underline = in.ConsumeBool();
  font.strikethrough = in.ConsumeBool();
  font.charset = kCharsets[in.ConsumeIntegralInRange<std::size_t>(0, kCharsets.size() - 1)];
  return font;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  candy::ButtonLook look;
  look.style = some_int(in, -1, 8);
  look.state = some_int(in, -1, 5);
  look.width = some_int(in, -1, 300);
  look.height = some_int(in, -1, 300);
  if (in.ConsumeBool()) look.scheme = some_int(in, -1, 40);
  look.color_up = some_color(in);
  look.color_hover = some_color(in);
  look.color_down = some_color(in);
  look.color_bright = some_color(in);
  if (in.ConsumeBool()) look.border_brightness = some_int(in, -101, 101);
  look.enabled = in.ConsumeBool();
  look.checked = in.ConsumeBool();
  look.caption = in.ConsumeRandomLengthString(64);
  if (in.ConsumeBool()) look.font = some_font(in);
  look.fore_color = some_color(in);
  look.picture_alignment = some_int(in, -1, 5);
  look.caption_highlite = some_color(in);
  look.icon_highlite = some_color(in);
  look.container_color = in.ConsumeIntegral<std::uint32_t>();
  // The buffer: the right length, or one short, or none at all.
  const int buffer = in.ConsumeIntegralInRange(0, 2);
  // What is left is the picture's bytes.
  if (in.ConsumeBool()) look.picture = in.ConsumeRemainingBytes<std::uint8_t>();

  // Only sizes the renderer accepts get a buffer of theirs, and only up to a
  // few megapixels, so one input stays quick; larger ones get an empty one.
  std::size_t pixels = 0;
  if (look.width > 0 && look.height > 0 &&
      std::int64_t(look.width) * look.height <= (std::int64_t(1) << 22))
    pixels = std::size_t(look.width) * std::size_t(look.height);
  if (buffer == 1 && pixels > 0) --pixels;
  if (buffer == 2) pixels = 0;
  std::vector<std::uint32_t> image(pixels);
  try {
    const std::vector<std::uint8_t> mask = candy::render_button(look, image);
    if (mask.size() != std::size_t(look.width) * std::size_t(look.height)) __builtin_trap();
  } catch (const std::exception&) {
  }
  return 0;
}
