// Painting a button's look without a window: the control's own painters,
// region rebuild and caption drawing run over an off-screen surface of the
// button's size, and the result lands in the caller's pixel buffer.
// Nothing is left behind: no window, message loop or presenter is created,
// and every GDI object made for the render is gone when it returns.
//
// Threads: render_button may be called from any number of threads at once;
// each call is independent and gives the same pixels as when made alone.
// The windows, forms and hosted buttons are another matter: like any
// Windows user interface they belong to one user-interface thread, the one
// that creates them and runs their message loop, and no other thread may
// touch them.
//
//   candy::ButtonLook look;
//   look.style = 2;
//   look.caption = "Music";
//   std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
//   std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/property_bag.h"

namespace candy {

// Each side of a render: 1 to this many pixels (the platform's largest
// bitmap is 8192 x 8192).
inline constexpr std::int32_t kMaxRenderSide = 8192;

// The largest caption font, in points.
inline constexpr float kMaxRenderFontPoints = 1000;

// What the button looks like; every field feeds the property of the same
// name. Colours are OLE colours (0x00BBGGRR, or a system colour with the top
// bit set); unset optional values keep the control's defaults.
struct ButtonLook {
  std::int32_t style = 0;  // 0..7
  std::int32_t state = 0;  // drawing state 0..4; a checked button draws 4
  std::int32_t width = 121;
  std::int32_t height = 89;
  std::optional<std::int32_t> scheme;
  std::optional<std::uint32_t> color_up, color_hover, color_down, color_bright;
  std::optional<std::int32_t> border_brightness;
  bool enabled = true;
  bool checked = false;
  // UTF-8, drawn left to right with every character the caption font has; a
  // character it lacks shows as the font's missing-glyph box, and malformed
  // UTF-8 as U+FFFD.
  std::string caption;
  // The font of the caption; by default the container's, MS Sans Serif 8 pt.
  std::optional<forms::FontDescription> font;
  std::optional<std::uint32_t> fore_color;
  // The bytes of a BMP or ICO file, or empty for no picture.
  std::vector<std::uint8_t> picture;
  // Where the picture came from (a file name), for the error messages.
  std::string picture_name = "picture";
  std::int32_t picture_alignment = 0;  // 0..4
  // A set colour turns the highlight on.
  std::optional<std::uint32_t> caption_highlite, icon_highlite;
  // The container's BackColor, behind the flat styles 0 and 1.
  std::uint32_t container_color = 0xC0C0C0;
};

// A look or a buffer that cannot be rendered; the message names the field,
// the value and what was expected.
class RenderError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// Paints the look into pixels (at least width * height values, row-major, top
// row first, each 0x00BBGGRR) as the control's own image holds it, with no
// window region applied, and returns the window region as a mask of
// width * height bytes: 1 inside, 0 outside (all 1 for the rectangular
// styles). Throws RenderError for a bad look, a short buffer or a picture
// that does not decode, std::runtime_error when a font cannot be made.
std::vector<std::uint8_t> render_button(const ButtonLook& look, std::span<std::uint32_t> pixels);

}  // namespace candy
