#include "platform/win/gdi/font.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include "platform/win/gdi/font_face.h"

namespace win {

LONG height_from_points(double points) {
  const double pixels = std::nearbyint(points * 96.0 / 72.0);
  // Converting a value outside LONG (or NaN) would be undefined.
  if (!(std::fabs(pixels) <= kMaxFontHeight))
    throw std::out_of_range("a font of " + std::to_string(points) +
                            " points has no pixel height (at most " +
                            std::to_string(kMaxFontHeight) + " pixels)");
  return -static_cast<LONG>(pixels);
}

LOGFONTA default_gui_logfont() {
  LOGFONTA log;
  log.lfHeight = height_from_points(8);
  log.lfWeight = FW_NORMAL;
  log.lfCharSet = ANSI_CHARSET;
  std::strncpy(log.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
  return log;
}

std::unique_ptr<Font> open_font(const LOGFONTA& log) {
  auto font = std::make_unique<Font>();
  font->log = log;
  font->face = find_font_face(log);
  return font;
}

// A stock font another module keeps under ObjectKind::Font need not be ours.
Font* font_from_handle(HFONT font) {
  return dynamic_cast<Font*>(handle_table().lookup(font.value, ObjectKind::Font));
}

const Font& default_font() {
  // Shared by every DC without a font of its own.
  static const std::unique_ptr<Font> font = open_font(default_gui_logfont());
  return *font;
}

const Font& font_or_default(HFONT font) {
  const Font* found = font_from_handle(font);
  return found ? *found : default_font();
}

}  // namespace win
