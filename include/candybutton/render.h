/// @file
/// @brief Painting a button's look without a window.
///
/// The control's own painters, region rebuild and caption drawing run over
/// an off-screen surface of the button's size, and the result lands in the
/// caller's pixel buffer. Nothing is left behind: no window, message loop or
/// presenter is created, and every drawing object made for the render is
/// gone when it returns.
///
/// Threads: render_button may be called from any number of threads at once;
/// each call is independent and gives the same pixels as when made alone.
/// The windows and buttons of window.h are another matter: like any Windows
/// user interface they belong to one user-interface thread, the one that
/// creates them and runs their message loop, and no other thread may touch
/// them.
///
/// @code
///   candy::ButtonLook look;
///   look.style = 2;
///   look.caption = "Music";
///   std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
///   std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
/// @endcode
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>
#if __cplusplus >= 202002L
#include <span>
#endif

#include "export.h"
#include "font.h"

namespace candy {

/// Each side of a render: 1 to this many pixels (the platform's largest
/// bitmap is 8192 x 8192).
inline constexpr std::int32_t kMaxRenderSide = 8192;

/// The largest caption font, in points.
inline constexpr float kMaxRenderFontPoints = 1000;

/// What the button looks like; every field feeds the property of the same
/// name. Colours are OLE colours (0x00BBGGRR, or a system colour with the top
/// bit set); unset optional values keep the control's defaults.
struct ButtonLook {
  /// The style, 0..7 (candy::style).
  std::int32_t style = 0;
  /// The drawing state, 0..4 (candy::state); a checked button draws 4.
  std::int32_t state = 0;
  /// The width in pixels, 1..kMaxRenderSide.
  std::int32_t width = 121;
  /// The height in pixels, 1..kMaxRenderSide.
  std::int32_t height = 89;
  /// The colour scheme (candy::scheme).
  std::optional<std::int32_t> scheme;
  /// The resting face colour.
  std::optional<std::uint32_t> color_up;
  /// The face colour under the mouse.
  std::optional<std::uint32_t> color_hover;
  /// The pressed face colour.
  std::optional<std::uint32_t> color_down;
  /// The highlight the face shades toward.
  std::optional<std::uint32_t> color_bright;
  /// The rim's brightening in percent.
  std::optional<std::int32_t> border_brightness;
  /// Whether the button is enabled.
  bool enabled = true;
  /// Whether the button is checked.
  bool checked = false;
  /// The caption, UTF-8, drawn left to right with every character the
  /// caption font has; a character it lacks shows as the font's
  /// missing-glyph box, and malformed UTF-8 as U+FFFD.
  std::string caption;
  /// The font of the caption; by default the container's, MS Sans Serif 8 pt.
  std::optional<candy::Font> font;
  /// The caption colour.
  std::optional<std::uint32_t> fore_color;
  /// The bytes of a BMP or ICO file, or empty for no picture.
  std::vector<std::uint8_t> picture;
  /// Where the picture came from (a file name), for the error messages.
  std::string picture_name = "picture";
  /// Where the picture sits, 0..4 (candy::alignment).
  std::int32_t picture_alignment = 0;
  /// The caption's colour under the mouse; set, it turns the highlight on.
  std::optional<std::uint32_t> caption_highlite;
  /// The picture's tint under the mouse; set, it turns the highlight on.
  std::optional<std::uint32_t> icon_highlite;
  /// The container's BackColor, behind the flat styles 0 and 1.
  std::uint32_t container_color = 0xC0C0C0;
};

/// A look or a buffer that cannot be rendered; the message names the field,
/// the value and what was expected.
class CANDYBUTTON_API RenderError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
  ~RenderError() override;
};

/// Paints the look into `pixels` (`count` values, at least width * height,
/// row-major, top row first, each 0x00BBGGRR) as the control's own image
/// holds it, with no window region applied, and returns the window region
/// as a mask of width * height bytes: 1 inside, 0 outside (all 1 for the
/// rectangular styles). Throws RenderError for a bad look, a short buffer or
/// a picture that does not decode, std::runtime_error when a font cannot be
/// made.
CANDYBUTTON_API std::vector<std::uint8_t> render_button(const ButtonLook& look,
                                                        std::uint32_t* pixels, std::size_t count);

/// render_button into a vector of pixels.
inline std::vector<std::uint8_t> render_button(const ButtonLook& look,
                                               std::vector<std::uint32_t>& pixels) {
  return render_button(look, pixels.data(), pixels.size());
}

#if __cplusplus >= 202002L
/// render_button into a span of pixels.
inline std::vector<std::uint8_t> render_button(const ButtonLook& look,
                                               std::span<std::uint32_t> pixels) {
  return render_button(look, pixels.data(), pixels.size());
}
#endif

}  // namespace candy
