#include "platform/forms/font.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/win/gdi/font.h"
#include "platform/win/kernel/last_error.h"
#include "platform/win/user/system_metrics.h"

namespace forms {

win::HFONT create_font(const FontDescription& font) {
  return create_font(font, win::screen_scale());
}

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

std::string font_failure(const FontDescription& font) {
  char size[32];
  std::snprintf(size, sizeof size, "%g", double(font.size));
  const std::string what = "no font \"" + font.name + "\" of " + size + " pt";
  switch (win::GetLastError()) {
    case win::ERROR_NOT_ENOUGH_MEMORY:
      return what + ": out of memory (" + std::strerror(ENOMEM) + ")";
    case win::ERROR_TOO_MANY_OPEN_FILES:
      return what + ": out of file descriptors (" + std::strerror(EMFILE) + ")";
    default: return what;
  }
}

}  // namespace forms
