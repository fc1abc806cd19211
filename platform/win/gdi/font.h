// Fonts: logical fonts as Windows describes them (LOGFONTA), matched to an
// installed face by fontconfig and rendered by FreeType. A font object lives
// in the handle table (ObjectKind::Font), so DeleteObject removes it like any
// other GDI object; the faces behind fonts are shared and cached.
#pragma once

#include <memory>

#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/types.h"

namespace win {

class FontFace;

inline constexpr int LF_FACESIZE = 32;

inline constexpr LONG FW_DONTCARE = 0;
inline constexpr LONG FW_THIN = 100;
inline constexpr LONG FW_LIGHT = 300;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_MEDIUM = 500;
inline constexpr LONG FW_SEMIBOLD = 600;
inline constexpr LONG FW_BOLD = 700;
inline constexpr LONG FW_HEAVY = 900;

inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE SYMBOL_CHARSET = 2;
inline constexpr BYTE SHIFTJIS_CHARSET = 128;
inline constexpr BYTE HANGUL_CHARSET = 129;
inline constexpr BYTE GB2312_CHARSET = 134;
inline constexpr BYTE CHINESEBIG5_CHARSET = 136;
inline constexpr BYTE GREEK_CHARSET = 161;
inline constexpr BYTE TURKISH_CHARSET = 162;
inline constexpr BYTE HEBREW_CHARSET = 177;
inline constexpr BYTE ARABIC_CHARSET = 178;
inline constexpr BYTE BALTIC_CHARSET = 186;
inline constexpr BYTE RUSSIAN_CHARSET = 204;
inline constexpr BYTE THAI_CHARSET = 222;
inline constexpr BYTE EASTEUROPE_CHARSET = 238;

// Escapement, orientation, precisions, quality and pitch are kept but do not
// change the face or the drawing.
struct LOGFONTA {
  LONG lfHeight = 0;  // < 0: character (em) height in pixels; > 0: cell height; 0: default
  LONG lfWidth = 0;   // average width; 0 keeps the face's proportions (other values ignored)
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = DEFAULT_CHARSET;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};
};

// The tallest font in pixels a size in points may ask for, the most that
// open_font accepts; it keeps the conversion far inside LONG.
inline constexpr LONG kMaxFontHeight = 2048;

// A size in points (at 96 pixels per inch) as the lfHeight that asks for it.
// Throws std::out_of_range for a size beyond kMaxFontHeight pixels, an
// infinite size or NaN.
LONG height_from_points(double points);
// The default GUI font: "MS Sans Serif", 8 points.
LOGFONTA default_gui_logfont();

struct Font : Object {
  LOGFONTA log;
  std::shared_ptr<FontFace> face;  // shared with the face cache, never null
  bool underline() const { return log.lfUnderline != 0; }
  bool strike_out() const { return log.lfStrikeOut != 0; }
};

// Finds the face for a logical font; throws when no face can be loaded or
// the height is out of range (more than 2048 pixels either way).
std::unique_ptr<Font> open_font(const LOGFONTA& log);

Font* font_from_handle(HFONT font);
// The font a DC with this font selected draws with: the default GUI font for
// 0, a stock font or anything that is not a live font.
const Font& font_or_default(HFONT font);
const Font& default_font();

// Fail with ERROR_INVALID_PARAMETER (null, out-of-range height, no usable
// face), ERROR_NOT_ENOUGH_MEMORY or ERROR_TOO_MANY_OPEN_FILES.
HFONT CreateFontIndirectA(const LOGFONTA* log);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strike_out, DWORD charset, DWORD out_precision,
                  DWORD clip_precision, DWORD quality, DWORD pitch_and_family,
                  const char* face_name);

}  // namespace win
