#include "platform/forms/font.h"

#include <cstring>

#include "platform/win/gdi/font.h"
#include "platform/win/user/system_metrics.h"

namespace forms {

win::HFONT create_font(const FontDescription& font) { return create_font(font, win::screen_scale()); }

win::HFONT create_font(const FontDescription& font, double scale) {
  win::LOGFONTA log;
  log.lfHeight = win::height_from_points(font.size * scale);
  log.lfWeight = font.weight;
  log.lfItalic = font.italic ? 1 : 0;
  log.lfUnderline = font.underline ? 1 : 0;
  log.lfStrikeOut = font.strikethrough ? 1 : 0;
  log.lfCharSet = static_cast<win::BYTE>(font.charset);
  std::strncpy(log.lfFaceName, font.name.c_str(), win::LF_FACESIZE - 1);
  return win::CreateFontIndirectA(&log);
}

}  // namespace forms
