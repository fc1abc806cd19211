#include "platform/forms/font.h"

#include <cerrno>
#include <cstring>
#include <sstream>
#include <system_error>

#include "platform/win/gdi/font.h"
#include "platform/win/kernel/last_error.h"

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
  const win::HFONT made = win::CreateFontIndirectA(&log);
  if (made) return made;
  const win::DWORD error = win::GetLastError();
  if (error == win::ERROR_NOT_ENOUGH_MEMORY || error == win::ERROR_TOO_MANY_OPEN_FILES) {
    std::ostringstream what;
    what << "the font \"" << font.name << "\" of " << font.size << " pt cannot be made";
    throw std::system_error(error == win::ERROR_NOT_ENOUGH_MEMORY ? ENOMEM : EMFILE, std::generic_category(),
                            what.str());
  }
  return made;
}

}  // namespace forms
