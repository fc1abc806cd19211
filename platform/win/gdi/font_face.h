// One installed face at one pixel size, with the metrics Windows reports for
// it and a cache of its rendered glyphs: the Windows-1252 characters by byte,
// any other character by code point. Any thread may ask a face for glyphs:
// one already rendered is read without a lock, FreeType renders one thread's
// glyph at a time.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace win {

struct LOGFONTA;

struct Glyph {
  std::int32_t advance = 0;  // whole pixels; kerning is not applied
  std::int32_t left = 0;     // ink box relative to the pen position on the baseline
  std::int32_t top = 0;      // rows above the baseline (down is negative)
  std::int32_t width = 0;
  std::int32_t rows = 0;
  std::vector<std::uint8_t> coverage;  // width x rows, 0 = none, 255 = full
};

struct FontMetrics {
  std::int32_t ascent = 0;   // baseline below the top of the cell
  std::int32_t descent = 0;  // cell bottom below the baseline
  std::int32_t height = 0;   // ascent + descent, Windows' tmHeight
  std::int32_t average_width = 0;
  std::int32_t underline_offset = 0;  // first underline row below the baseline
  std::int32_t underline_thickness = 1;
  std::int32_t strike_offset = 0;  // first strike-out row above the baseline
  std::int32_t strike_thickness = 1;
};

class FontFace {
 public:
  struct Synthesis {
    bool embolden = false;
    bool oblique = false;
  };
  // lf_height as in LOGFONTA; it must lie in -2048..2048. Opening a face
  // uses the library's list of faces: the caller keeps other threads out.
  FontFace(FT_LibraryRec_* library, const std::string& path, int index, int lf_height,
           Synthesis synthesis);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FontMetrics& metrics() const { return m_metrics; }
  const Glyph& glyph(unsigned char cp1252) {
    const Glyph* known = m_glyphs[cp1252].load(std::memory_order_acquire);
    return known ? *known : render_cp1252(cp1252);
  }
  // The glyph of any character: the same as glyph() for the characters of
  // Windows-1252; the face's missing-glyph box for one it lacks.
  const Glyph& glyph_of(char32_t code_point);
  const std::string& family() const { return m_family; }
  int pixel_size() const { return m_pixel_size; }

 private:
  const Glyph& render_cp1252(unsigned char cp1252);
  Glyph render(char32_t code_point);

  FT_FaceRec_* m_face = nullptr;
  std::string m_family;
  int m_pixel_size = 0;
  Synthesis m_synthesis;
  FontMetrics m_metrics;
  std::mutex m_render;  // FreeType's face, m_more and the filling of m_glyphs
  std::array<std::atomic<const Glyph*>, 256> m_glyphs{};
  std::map<char32_t, std::unique_ptr<Glyph>> m_more;
};

// The face for a logical font, from the process's face cache: the family as
// fontconfig finds it (the nearest installed face when it is missing), bold
// and oblique made up when the face found lacks them. Fonts asking for the
// same face share it; it stays open while any of them holds it, and a little
// longer in a small pool of unused faces (font_face.cpp gives the bound).
// Throws on failure: std::system_error with the system's reason when memory
// or file descriptors ran out, std::runtime_error when no face can be made.
std::shared_ptr<FontFace> find_font_face(const LOGFONTA& log);

}  // namespace win
