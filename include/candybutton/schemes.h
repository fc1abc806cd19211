/// @file
/// @brief The face colours each colour scheme sets.
#pragma once

#include <cstdint>
#include <optional>

#include "export.h"

namespace candy {

/// The four face colours a colour scheme sets, as OLE colours (0x00BBGGRR).
struct SchemeColors {
  /// The face at rest and with the focus (Button::ColorButtonUp).
  std::uint32_t up;
  /// The face under the mouse pointer (Button::ColorButtonHover).
  std::uint32_t hover;
  /// The face pressed or checked (Button::ColorButtonDown).
  std::uint32_t down;
  /// The centre of the glow (Button::ColorBright).
  std::uint32_t bright;
};

/// The colours that Button::ColorScheme sets for @p scheme (scheme::LightBlue
/// to scheme::Olive), or nothing for any other value, which sets no colour.
CANDYBUTTON_API std::optional<SchemeColors> scheme_colors(std::int32_t scheme);

}  // namespace candy
