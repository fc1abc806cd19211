#include "platform/win/gdi/font_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <compare>
#include <cstring>
#include <map>
#include <new>
#include <stdexcept>
#include <system_error>

#include "platform/win/kernel/codepage.h"
#include "platform/win/gdi/font.h"
#include "platform/win/gdi/font_file_shortage.h"

namespace win {
namespace {

// FreeType, fontconfig and the faces open now: the platform's font table.
// A face stays open while a font uses it. When the last one lets go it joins
// the pool of unused faces, newest first, so that a font made again (a
// repaint that makes and deletes its font) finds it open; the pool keeps at
// most kUnusedFaces faces (each some hundred kilobytes and one mapping of
// its file) and closes the oldest beyond that. So the faces open are those
// of the live fonts plus at most kUnusedFaces.
constexpr std::size_t kUnusedFaces = 16;

// What tells faces apart: the family (lower case), weight, italic,
// character set and height asked for.
struct Request {
  std::string family;
  LONG weight = 0;
  bool italic = false;
  BYTE charset = 0;
  LONG height = 0;
  auto operator<=>(const Request&) const = default;
};

struct FontLibrary {
  struct Entry {
    std::unique_ptr<FontFace> face;
    std::size_t users = 0;
    const Request* request = nullptr;  // the entry's key
    // The pool is linked through its entries, so that a face joins and
    // leaves it without allocating.
    bool in_pool = false;
    Entry* newer = nullptr;
    Entry* older = nullptr;
  };

  std::mutex lock;  // everything below, FreeType's library and fontconfig
  FT_Library freetype = nullptr;
  FcConfig* config = nullptr;
  std::map<Request, Entry> faces;
  Entry* newest = nullptr;  // the pool of unused faces
  Entry* oldest = nullptr;
  std::size_t pooled = 0;

  FontLibrary() {
    if (FT_Init_FreeType(&freetype) != 0)
      throw std::runtime_error("FreeType cannot be initialised");
    config = FcInitLoadConfigAndFonts();
    if (!config) {
      FT_Done_FreeType(freetype);
      throw std::runtime_error("fontconfig cannot load its configuration");
    }
  }

  void leave_pool(Entry& entry) {
    (entry.newer ? entry.newer->older : newest) = entry.older;
    (entry.older ? entry.older->newer : oldest) = entry.newer;
    entry.newer = entry.older = nullptr;
    entry.in_pool = false;
    --pooled;
  }

  // With the lock held.
  void acquire(Entry& entry) {
    if (entry.users++ == 0 && entry.in_pool) leave_pool(entry);
  }

  void release(Entry& entry) {
    const std::lock_guard<std::mutex> hold(lock);
    if (--entry.users != 0) return;
    entry.in_pool = true;
    entry.older = newest;
    (newest ? newest->newer : oldest) = &entry;
    newest = &entry;
    ++pooled;
    while (pooled > kUnusedFaces) {
      Entry& closing = *oldest;
      leave_pool(closing);
      faces.erase(faces.find(*closing.request));
    }
  }
};

// Lives as long as the process: fonts still in the handle table at exit give
// their faces back to it.
FontLibrary& library() {
  static FontLibrary* const instance = new FontLibrary;
  return *instance;
}

// Running out of memory or descriptors is not a missing font: it is thrown
// with the system's reason.
[[noreturn]] void fail(int cause, const std::string& what) {
  if (cause == ENOMEM || cause == EMFILE || cause == ENFILE)
    throw std::system_error(cause, std::generic_category(), what);
  throw std::runtime_error(what);
}

struct Match {
  std::string path;
  int index = 0;
  FontFace::Synthesis synthesis;
};

const char* language_of(BYTE charset) {
  switch (charset) {
    case SHIFTJIS_CHARSET: return "ja";
    case HANGUL_CHARSET: return "ko";
    case GB2312_CHARSET: return "zh-cn";
    case CHINESEBIG5_CHARSET: return "zh-tw";
    case GREEK_CHARSET: return "el";
    case TURKISH_CHARSET: return "tr";
    case HEBREW_CHARSET: return "he";
    case ARABIC_CHARSET: return "ar";
    case BALTIC_CHARSET: return "lt";
    case RUSSIAN_CHARSET: return "ru";
    case THAI_CHARSET: return "th";
    case EASTEUROPE_CHARSET: return "pl";
    default: return nullptr;
  }
}

std::string family_of(const LOGFONTA& log) {
  const std::string name(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE));
  return name.empty() ? std::string("sans-serif") : name;
}

int weight_of(const LOGFONTA& log) {
  return log.lfWeight <= 0 ? FW_NORMAL : std::min<LONG>(log.lfWeight, 1000);
}

Match match_face(FontLibrary& lib, const LOGFONTA& log) {
  const std::string family = family_of(log);
  const int weight = weight_of(log);
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, log.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  if (const char* lang = language_of(log.lfCharSet)) {
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(lang));
  }
  FcConfigSubstitute(lib.config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  errno = 0;
  FcPattern* found = FcFontMatch(lib.config, pattern, &result);
  const int cause = errno;
  FcPatternDestroy(pattern);
  if (!found) fail(cause, "no installed font matches the family \"" + family + "\"");

  Match match;
  FcChar8* file = nullptr;
  if (FcPatternGetString(found, FC_FILE, 0, &file) != FcResultMatch) {
    FcPatternDestroy(found);
    throw std::runtime_error("fontconfig gave no file for the family \"" + family + "\"");
  }
  match.path = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(found, FC_INDEX, 0, &match.index);
  int found_weight = FC_WEIGHT_REGULAR;
  int found_slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(found, FC_WEIGHT, 0, &found_weight);
  FcPatternGetInteger(found, FC_SLANT, 0, &found_slant);
  FcPatternDestroy(found);
  match.synthesis.embolden = weight >= FW_SEMIBOLD && found_weight < FC_WEIGHT_DEMIBOLD;
  match.synthesis.oblique = log.lfItalic && found_slant == FC_SLANT_ROMAN;
  return match;
}

std::int32_t to_pixels(double units, double scale) {
  return static_cast<std::int32_t>(std::nearbyint(units * scale));
}

}  // namespace

FontFace::FontFace(FT_LibraryRec_* library, const std::string& path, int index, int lf_height,
                   Synthesis synthesis)
    : m_synthesis(synthesis) {
  if (const FT_Error error = FT_New_Face(library, path.c_str(), index, &m_face); error != 0) {
    // Out of memory or of descriptors is the system's shortage, not the font's fault.
    if (error == FT_Err_Out_Of_Memory) throw std::bad_alloc();
    if (const int shortage = font_file_shortage(path))
      throw std::system_error(shortage, std::generic_category(),
                              "FreeType cannot open the font file " + path);
    throw std::runtime_error("FreeType cannot open the font file " + path);
  }
  m_family = m_face->family_name ? m_face->family_name : "";
  const double units_per_em = m_face->units_per_EM ? m_face->units_per_EM : 1000;

  // Windows' cell is the face's Windows ascent and descent when it has them.
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
  const bool has_os2 = os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0;
  const double ascent_units = has_os2 ? os2->usWinAscent : m_face->ascender;
  const double descent_units = has_os2 ? os2->usWinDescent : -m_face->descender;

  if (lf_height < 0) {
    m_pixel_size = -lf_height;
  } else {
    const int cell = lf_height > 0 ? lf_height : 13;
    m_pixel_size =
        static_cast<int>(std::nearbyint(cell * units_per_em / (ascent_units + descent_units)));
  }
  m_pixel_size = std::max(m_pixel_size, 1);
  if (FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(m_pixel_size)) != 0) {
    FT_Done_Face(m_face);
    throw std::runtime_error("the font " + path + " cannot be scaled to " +
                             std::to_string(m_pixel_size) + " pixels");
  }
  if (m_synthesis.oblique) {
    FT_Matrix shear{0x10000, 0x366A, 0, 0x10000};  // x += 0.2126 y, a 12 degree slant
    FT_Set_Transform(m_face, &shear, nullptr);
  }

  const double scale = m_pixel_size / units_per_em;
  FontMetrics& m = m_metrics;
  m.ascent = to_pixels(ascent_units, scale);
  m.descent = to_pixels(descent_units, scale);
  m.height = m.ascent + m.descent;
  m.underline_thickness = std::max(1, to_pixels(m_face->underline_thickness, scale));
  m.underline_offset = std::max(1, to_pixels(-m_face->underline_position, scale));
  m.underline_offset = std::max(0, std::min(m.underline_offset, m.descent - m.underline_thickness));
  const double strike_units =
      has_os2 && os2->yStrikeoutSize > 0 ? os2->yStrikeoutSize : m_face->underline_thickness;
  const double strike_position =
      has_os2 && os2->yStrikeoutPosition > 0 ? os2->yStrikeoutPosition : units_per_em * 0.26;
  m.strike_thickness = std::max(1, to_pixels(strike_units, scale));
  m.strike_offset = to_pixels(strike_position, scale);
  m.average_width =
      has_os2 && os2->xAvgCharWidth > 0 ? to_pixels(os2->xAvgCharWidth, scale) : glyph('x').advance;
}

FontFace::~FontFace() {
  for (std::atomic<const Glyph*>& known : m_glyphs) delete known.load(std::memory_order_relaxed);
  FT_Done_Face(m_face);
}

// A glyph, once published, stays until the face closes.
const Glyph& FontFace::render_cp1252(unsigned char cp1252) {
  const std::lock_guard<std::mutex> hold(m_render);
  std::atomic<const Glyph*>& slot = m_glyphs[cp1252];
  if (const Glyph* known = slot.load(std::memory_order_relaxed)) return *known;
  const Glyph* made = new Glyph(render(cp1252_to_unicode(cp1252)));
  slot.store(made, std::memory_order_release);
  return *made;
}

const Glyph& FontFace::glyph_of(char32_t code_point) {
  if (const auto byte = unicode_to_cp1252(code_point)) return glyph(*byte);
  const std::lock_guard<std::mutex> hold(m_render);
  std::unique_ptr<Glyph>& slot = m_more[code_point];
  if (!slot) slot = std::make_unique<Glyph>(render(code_point));
  return *slot;
}

Glyph FontFace::render(char32_t code_point) {
  Glyph glyph;
  // A character the face lacks shows its missing-glyph box, as on Windows.
  if (FT_Load_Char(m_face, code_point, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return glyph;
  FT_GlyphSlot slot = m_face->glyph;
  if (m_synthesis.embolden) FT_GlyphSlot_Embolden(slot);
  glyph.advance = static_cast<std::int32_t>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0)
    return glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<std::int32_t>(bitmap.width);
  glyph.rows = static_cast<std::int32_t>(bitmap.rows);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) *
                        static_cast<std::size_t>(glyph.rows));
  const int levels = std::max(2, static_cast<int>(bitmap.num_grays));
  for (std::int32_t y = 0; y < glyph.rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (std::int32_t x = 0; x < glyph.width; ++x) {
      glyph.coverage[static_cast<std::size_t>(y * glyph.width + x)] =
          static_cast<std::uint8_t>(row[x] * 255 / (levels - 1));
    }
  }
  return glyph;
}

std::shared_ptr<FontFace> find_font_face(const LOGFONTA& log) {
  if (log.lfHeight < -2048 || log.lfHeight > 2048) {
    throw std::invalid_argument("font height " + std::to_string(log.lfHeight) +
                                " is outside -2048..2048 pixels");
  }
  std::string family = family_of(log);
  std::transform(family.begin(), family.end(), family.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const Request request{std::move(family), weight_of(log), log.lfItalic != 0, log.lfCharSet,
                        log.lfHeight};
  FontLibrary& lib = library();
  std::unique_lock<std::mutex> hold(lib.lock);
  auto it = lib.faces.find(request);
  if (it == lib.faces.end()) {
    const Match match = match_face(lib, log);
    auto face = std::make_unique<FontFace>(lib.freetype, match.path, match.index, log.lfHeight,
                                           match.synthesis);
    it = lib.faces.emplace(request, FontLibrary::Entry{}).first;
    it->second.face = std::move(face);
    it->second.request = &it->first;
  }
  FontLibrary::Entry& entry = it->second;
  lib.acquire(entry);
  FontFace* const face = entry.face.get();
  // Should making the pointer fail, its release runs at once: the lock must
  // be free by then.
  hold.unlock();
  return std::shared_ptr<FontFace>(face, [&lib, &entry](FontFace*) { lib.release(entry); });
}

}  // namespace win
