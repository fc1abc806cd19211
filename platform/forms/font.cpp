#include "platform/forms/font.h"

#include <cstring>

#include "platform/win/gdi/font.h"

namespace forms {

win::HFONT create_font(const FontDescription& font) {
  win::LOGFONTA log;
  log.lfHeight = win::height_from_points(font.size);
  log.lfWeight = font.weight;
  log.lfItalic = font.italic ? 1 : 0;
  log.lfUnderline = font.underline ? 1 : 0;
  log.lfStrikeOut = font.strikethrough ? 1 : 0;
  log.lfCharSet = static_cast<win::BYTE>(font.charset);
  std::strncpy(log.lfFaceName, font.name.c_str(), win::LF_FACESIZE - 1);
  return win::CreateFontIndirectA(&log);
}

}  // namespace forms
