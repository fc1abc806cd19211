// The screen's scale from the platform's settings: CANDY_SCALE for every
// presenter, or else, on X11, the desktop's Xft.dpi resource (what GNOME,
// KDE and Xfce publish) divided by 96, or else 1.
#pragma once

#include <optional>
#include <string_view>

namespace display {

// CANDY_SCALE's value as a scale; throws std::runtime_error naming the
// setting when it is not a number from 1 to win::kMaxScreenScale.
double parse_scale_setting(std::string_view value);

// The Xft.dpi entry of a resource database (the root window's
// RESOURCE_MANAGER text), or nothing when there is none or it is not a
// positive number.
std::optional<double> xft_dpi(std::string_view resources);

// A desktop's dpi as a scale: dpi / 96, held between 1 and the largest scale.
double scale_from_dpi(double dpi);

}  // namespace display
