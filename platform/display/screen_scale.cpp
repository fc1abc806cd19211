#include "platform/display/screen_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "platform/win/user/system_metrics.h"

namespace display {

namespace {

std::optional<double> number(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  const auto last = text.find_last_not_of(" \t\r");
  if (first == std::string_view::npos) return std::nullopt;
  const std::string trimmed(text.substr(first, last - first + 1));
  char* end = nullptr;
  const double value = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

double parse_scale_setting(std::string_view value) {
  const std::optional<double> scale = number(value);
  if (!scale || *scale < 1 || *scale > win::kMaxScreenScale)
    throw std::runtime_error("CANDY_SCALE is \"" + std::string(value) +
                             "\"; expected a number from 1 to " +
                             std::to_string(static_cast<int>(win::kMaxScreenScale)));
  return *scale;
}

std::optional<double> xft_dpi(std::string_view resources) {
  constexpr std::string_view kKey = "Xft.dpi:";
  while (!resources.empty()) {
    const auto end = resources.find('\n');
    const std::string_view line = resources.substr(0, end);
    resources = end == std::string_view::npos ? std::string_view() : resources.substr(end + 1);
    if (line.substr(0, kKey.size()) != kKey) continue;
    const std::optional<double> dpi = number(line.substr(kKey.size()));
    return dpi && *dpi > 0 ? dpi : std::nullopt;
  }
  return std::nullopt;
}

double scale_from_dpi(double dpi) { return std::clamp(dpi / 96.0, 1.0, win::kMaxScreenScale); }

}  // namespace display
