#include "candybutton/styles.h"
#include "tools/candybutton-render/options.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>

namespace render {
namespace {

[[noreturn]] void fail(const std::string& option, const std::string& value,
                       const std::string& expected) {
  throw OptionError(option + " '" + value + "': " + expected);
}

// A whole decimal number, or hexadecimal with 0x, within [lo, hi].
std::int64_t number(const std::string& option, const std::string& value, std::int64_t lo,
                    std::int64_t hi) {
  const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
  const char* first = value.data() + (hex ? 2 : 0);
  const char* last = value.data() + value.size();
  std::int64_t parsed = 0;
  const auto [end, error] = std::from_chars(first, last, parsed, hex ? 16 : 10);
  if (value.empty() || error == std::errc::invalid_argument || end != last)
    fail(option, value, "not a number");
  if (error == std::errc::result_out_of_range || parsed < lo || parsed > hi)
    fail(option, value, "out of range " + std::to_string(lo) + " to " + std::to_string(hi));
  return parsed;
}

std::int32_t integer(const std::string& option, const std::string& value, std::int64_t lo,
                     std::int64_t hi) {
  return static_cast<std::int32_t>(number(option, value, lo, hi));
}

// 0xBBGGRR, as a Windows COLORREF.
win::COLORREF colorref(const std::string& option, const std::string& value) {
  return static_cast<win::COLORREF>(number(option, value, 0, 0xFFFFFF));
}

// A COLORREF, or a system colour 0x800000NN.
win::OLE_COLOR ole_color(const std::string& option, const std::string& value) {
  const std::int64_t c = number(option, value, 0, 0x800000FF);
  if (c > 0xFFFFFF && c < 0x80000000)
    fail(option, value, "neither 0xBBGGRR nor a system colour 0x800000NN");
  return static_cast<win::OLE_COLOR>(c);
}

bool flag(const std::string& option, const std::string& value) {
  if (value == "0") return false;
  if (value == "1") return true;
  fail(option, value, "expected 0 or 1");
}

forms::FontDescription font(const std::string& option, const std::string& value) {
  const auto colon = value.rfind(':');
  if (colon == std::string::npos || colon == 0) fail(option, value, "expected FAMILY:POINTS");
  const std::string points = value.substr(colon + 1);
  float size = 0;
  const auto [end, error] = std::from_chars(points.data(), points.data() + points.size(), size);
  if (points.empty() || error != std::errc{} || end != points.data() + points.size() ||
      !std::isfinite(size))
    fail(option, value, "POINTS is not a number");
  if (size <= 0 || size > 1000) fail(option, value, "POINTS out of range (0, 1000]");
  return forms::FontDescription{value.substr(0, colon), size, 400, false, false, false, 0};
}

}  // namespace

const char* usage() {
  static const std::string text =
      "usage: candybutton-render [options] -o FILE.png|FILE.ppm\n"
      "  --style 0.." +
      std::to_string(candy::kStyleCount - 1) +
      "  --state 0..4  --width 1..8192  --height 1..8192\n"
      "  --scheme K  --enabled 0|1  --checked 0|1  --border-brightness B\n"
      "  --color-up/--color-hover/--color-down/--color-bright 0xBBGGRR\n"
      "  --container-color 0xBBGGRR (default 0xC0C0C0)  --caption TEXT\n"
      "  --font FAMILY:POINTS  --fore-color C  --picture FILE.bmp|FILE.ico\n"
      "  --picture-alignment 0..4  --caption-highlite C  --icon-highlite C\n"
      "  --mask FILE.pbm (the window region, 1 = inside)\n";
  return text.c_str();
}

RenderOptions parse_options(const std::vector<std::string>& args) {
  RenderOptions o;
  using Setter = std::function<void(const std::string&, const std::string&)>;
  constexpr std::int64_t kInt32Min = INT32_MIN, kInt32Max = INT32_MAX;
  const std::map<std::string, Setter> setters{
      {"--style", [&](auto& n, auto& v) { o.style = integer(n, v, 0, candy::kStyleCount - 1); }},
      {"--state", [&](auto& n, auto& v) { o.state = integer(n, v, 0, 4); }},
      {"--width", [&](auto& n, auto& v) { o.width = integer(n, v, 1, 8192); }},
      {"--height", [&](auto& n, auto& v) { o.height = integer(n, v, 1, 8192); }},
      {"--scheme", [&](auto& n, auto& v) { o.scheme = integer(n, v, kInt32Min, kInt32Max); }},
      {"--enabled", [&](auto& n, auto& v) { o.enabled = flag(n, v); }},
      {"--checked", [&](auto& n, auto& v) { o.checked = flag(n, v); }},
      {"--border-brightness",
       [&](auto& n, auto& v) { o.border_brightness = integer(n, v, kInt32Min, kInt32Max); }},
      {"--color-up", [&](auto& n, auto& v) { o.color_up = colorref(n, v); }},
      {"--color-hover", [&](auto& n, auto& v) { o.color_hover = colorref(n, v); }},
      {"--color-down", [&](auto& n, auto& v) { o.color_down = colorref(n, v); }},
      {"--color-bright", [&](auto& n, auto& v) { o.color_bright = colorref(n, v); }},
      {"--container-color", [&](auto& n, auto& v) { o.container_color = colorref(n, v); }},
      {"--caption", [&](auto&, auto& v) { o.caption = v; }},
      {"--font", [&](auto& n, auto& v) { o.font = font(n, v); }},
      {"--fore-color", [&](auto& n, auto& v) { o.fore_color = ole_color(n, v); }},
      {"--picture",
       [&](auto& n, auto& v) {
         std::error_code ec;
         const auto status = std::filesystem::status(v, ec);
         if (!std::filesystem::exists(status))
           fail(n, v,
                ec && ec != std::errc::no_such_file_or_directory ? ec.message() : "no such file");
         if (!std::filesystem::is_regular_file(status)) fail(n, v, "not a regular file");
         o.picture = v;
       }},
      {"--picture-alignment", [&](auto& n, auto& v) { o.picture_alignment = integer(n, v, 0, 4); }},
      {"--caption-highlite", [&](auto& n, auto& v) { o.caption_highlite = ole_color(n, v); }},
      {"--icon-highlite", [&](auto& n, auto& v) { o.icon_highlite = ole_color(n, v); }},
      {"-o",
       [&](auto& n, auto& v) {
         if (v.empty()) fail(n, v, "expected an output file name");
         o.output = v;
       }},
      {"--mask",
       [&](auto& n, auto& v) {
         if (v.empty()) fail(n, v, "expected a PBM file name");
         o.mask = v;
       }},
  };
  for (std::size_t k = 0; k < args.size(); k += 2) {
    const auto setter = setters.find(args[k]);
    if (setter == setters.end()) throw OptionError("unknown option '" + args[k] + "'");
    if (k + 1 == args.size()) throw OptionError(args[k] + ": missing value");
    setter->second(args[k], args[k + 1]);
  }
  if (o.output.empty())
    throw OptionError("-o: missing; name the output file (FILE.png or FILE.ppm)");
  return o;
}

}  // namespace render
