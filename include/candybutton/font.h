/// @file
/// @brief A font by description, for captions and labels.
#pragma once

#include <cstdint>
#include <string>

namespace candy {

/// A font as the platform finds it: the nearest installed face to the family
/// asked for, at a size in points (96 pixels per inch).
struct Font {
  /// The family, such as "Tahoma" or "DejaVu Sans".
  std::string name = "Tahoma";
  /// The size in points; above 0 and at most 1000.
  float size = 9;
  /// 400 regular, 700 bold.
  std::int16_t weight = 400;
  /// Italic face.
  bool italic = false;
  /// Underlined text.
  bool underline = false;
  /// Struck-out text.
  bool strikethrough = false;
  /// The character set, 0 for the default.
  std::int16_t charset = 0;
};

}  // namespace candy
