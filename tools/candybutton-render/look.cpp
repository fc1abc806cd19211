#include "candybutton/styles.h"
#include "tools/candybutton-render/look.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace render {

namespace {

std::vector<std::uint8_t> read_picture(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    throw std::runtime_error("--picture: cannot open \"" + path + "\": " + std::strerror(errno));
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
  if (file.bad()) throw std::runtime_error("--picture: cannot read \"" + path + "\"");
  if (bytes.empty()) throw std::runtime_error("--picture: \"" + path + "\" is empty");
  return bytes;
}

}  // namespace

candy::ButtonLook look_of(const RenderOptions& o) {
  candy::ButtonLook look;
  look.style = o.style;
  look.state = o.state;
  look.width = o.width;
  look.height = o.height;
  look.scheme = o.scheme;
  look.color_up = o.color_up;
  look.color_hover = o.color_hover;
  look.color_down = o.color_down;
  look.color_bright = o.color_bright;
  look.border_brightness = o.border_brightness;
  look.enabled = o.enabled;
  look.checked = o.checked;
  look.caption = o.caption;
  if (o.font)
    look.font =
        candy::Font{o.font->name,      o.font->size,          o.font->weight, o.font->italic,
                    o.font->underline, o.font->strikethrough, o.font->charset};
  look.fore_color = o.fore_color;
  if (o.picture) {
    look.picture = read_picture(*o.picture);
    look.picture_name = "\"" + *o.picture + "\"";
  }
  look.picture_alignment = o.picture_alignment.value_or(0);
  look.caption_highlite = o.caption_highlite;
  look.icon_highlite = o.icon_highlite;
  look.container_color = o.container_color;
  return look;
}

// The render holds the image twice (the control's and the output's) and the
// mask: nine bytes a pixel, before the file is encoded.
std::optional<std::string> large_render_warning(const candy::ButtonLook& look) {
  const std::int64_t pixels = std::int64_t(look.width) * look.height;
  if (pixels <= kLargeRenderPixels) return std::nullopt;
  const std::int64_t megabytes = (pixels * 9 + (1 << 20) - 1) >> 20;
  std::string text = "a " + std::to_string(look.width) + " x " + std::to_string(look.height) +
                     " render is large: it needs about " + std::to_string(megabytes) + " MB";
  const candy::StyleRow* row = candy::style_row(look.style);
  const bool shaded = row && row->face_params;
  if (shaded)
    text += ", and style " + std::to_string(look.style) + " may take minutes at this size";
  return text;
}

}  // namespace render
