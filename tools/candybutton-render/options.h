// The command line of candybutton-render: every option, its value checked
// against the range of the property it feeds.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/property_bag.h"
#include "platform/win/kernel/types.h"

namespace render {

// A bad command line; the message names the option and the value.
class OptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct RenderOptions {
  std::int32_t style = 0;
  std::int32_t state = 0;
  std::int32_t width = 121;
  std::int32_t height = 89;
  std::optional<std::int32_t> scheme;
  bool enabled = true;
  bool checked = false;
  std::optional<std::int32_t> border_brightness;
  std::optional<win::OLE_COLOR> color_up, color_hover, color_down, color_bright;
  win::COLORREF container_color = 0xC0C0C0;
  std::string caption;
  std::optional<forms::FontDescription> font;
  std::optional<win::OLE_COLOR> fore_color;
  std::optional<std::string> picture;
  std::optional<std::int32_t> picture_alignment;
  std::optional<win::OLE_COLOR> caption_highlite, icon_highlite;
  std::string output;
  std::optional<std::string> mask;
};

// Throws OptionError for an unknown option, a missing or malformed value,
// a value out of range, a missing picture file or a missing -o.
RenderOptions parse_options(const std::vector<std::string>& args);

// The usage text printed with --help and after an error.
const char* usage();

}  // namespace render
