#include "tools/artwork/lettering.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace artwork {

namespace {

std::string font_file(const std::string& pattern) {
  FcPattern* query = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
  FcConfigSubstitute(nullptr, query, FcMatchPattern);
  FcDefaultSubstitute(query);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, query, &result);
  FcPatternDestroy(query);
  FcChar8* file = nullptr;
  std::string path;
  if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
    path = reinterpret_cast<char*>(file);
  if (match) FcPatternDestroy(match);
  if (path.empty()) throw std::runtime_error("no font for \"" + pattern + "\"");
  return path;
}

FT_Face face_of(void* face) { return static_cast<FT_Face>(face); }

}  // namespace

Lettering::Lettering(const std::string& pattern) : m_file(font_file(pattern)) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library)) throw std::runtime_error("FreeType failed to start");
  m_library = library;
  FT_Face face = nullptr;
  if (FT_New_Face(library, m_file.c_str(), 0, &face)) {
    FT_Done_FreeType(library);
    throw std::runtime_error("cannot open font " + m_file);
  }
  m_face = face;
}

Lettering::~Lettering() {
  FT_Done_Face(face_of(m_face));
  FT_Done_FreeType(static_cast<FT_Library>(m_library));
}

void Lettering::set_pixel_size(int pixels) {
  FT_Set_Pixel_Sizes(face_of(m_face), 0, FT_UInt(pixels));
}

template <class Visit>
void Lettering::for_each_glyph(const std::string& text, Visit visit) {
  FT_Face face = face_of(m_face);
  long pen = 0;  // 26.6 fixed point
  FT_UInt previous = 0;
  for (unsigned char ch : text) {
    const FT_UInt glyph = FT_Get_Char_Index(face, ch);
    if (previous && FT_HAS_KERNING(face)) {
      FT_Vector kerning;
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kerning);
      pen += kerning.x;
    }
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL))
      throw std::runtime_error("cannot render a glyph of \"" + text + "\"");
    visit(face->glyph, int((pen + 32) >> 6));
    pen += face->glyph->advance.x;
    previous = glyph;
  }
}

Lettering::Box Lettering::measure(const std::string& text) {
  Box box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for_each_glyph(text, [&](FT_GlyphSlot slot, int pen) {
    if (slot->bitmap.width == 0) return;
    box.left = std::min(box.left, pen + slot->bitmap_left);
    box.right = std::max(box.right, pen + slot->bitmap_left + int(slot->bitmap.width));
    box.top = std::min(box.top, -slot->bitmap_top);
    box.bottom = std::max(box.bottom, -slot->bitmap_top + int(slot->bitmap.rows));
  });
  return box;
}

void Lettering::draw(Canvas& canvas, const std::string& text, int x, int baseline, Rgb colour) {
  for_each_glyph(text, [&](FT_GlyphSlot slot, int pen) {
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row)
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const unsigned char level = bitmap.buffer[int(row) * bitmap.pitch + int(col)];
        canvas.blend(x + pen + slot->bitmap_left + int(col), baseline - slot->bitmap_top + int(row),
                     colour, level / 255.0);
      }
  });
}

}  // namespace artwork
