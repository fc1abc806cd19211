#include <cerrno>
#include <cstring>
#include <exception>
#include <new>
#include <system_error>

#include "platform/win/gdi/font.h"
#include "platform/win/kernel/last_error.h"

namespace win {

HFONT CreateFontIndirectA(const LOGFONTA* log) {
  if (!log) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return HFONT{};
  }
  // Running out of memory or descriptors is told apart from a font that
  // cannot be had.
  try {
    return HFONT{handle_table().insert(ObjectKind::Font, open_font(*log))};
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  } catch (const std::system_error& e) {
    // The system ran short of something: say what, not that the font is bad.
    const int error = e.code().value();
    SetLastError(error == EMFILE || error == ENFILE ? ERROR_TOO_MANY_OPEN_FILES
                 : error == ENOMEM                  ? ERROR_NOT_ENOUGH_MEMORY
                                                    : ERROR_INVALID_PARAMETER);
  } catch (const std::exception&) {
    SetLastError(ERROR_INVALID_PARAMETER);
  }
  return HFONT{};
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strike_out, DWORD charset, DWORD out_precision,
                  DWORD clip_precision, DWORD quality, DWORD pitch_and_family,
                  const char* face_name) {
  LOGFONTA log;
  log.lfHeight = height;
  log.lfWidth = width;
  log.lfEscapement = escapement;
  log.lfOrientation = orientation;
  log.lfWeight = weight;
  log.lfItalic = static_cast<BYTE>(italic);
  log.lfUnderline = static_cast<BYTE>(underline);
  log.lfStrikeOut = static_cast<BYTE>(strike_out);
  log.lfCharSet = static_cast<BYTE>(charset);
  log.lfOutPrecision = static_cast<BYTE>(out_precision);
  log.lfClipPrecision = static_cast<BYTE>(clip_precision);
  log.lfQuality = static_cast<BYTE>(quality);
  log.lfPitchAndFamily = static_cast<BYTE>(pitch_and_family);
  if (face_name) std::strncpy(log.lfFaceName, face_name, LF_FACESIZE - 1);
  return CreateFontIndirectA(&log);
}

}  // namespace win
