// One installed face at one pixel size, with the metrics Windows reports for
// it and a cache of its rendered glyphs, indexed by Windows-1252 byte.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct FT_FaceRec_;

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
  // lf_height as in LOGFONTA; it must lie in -2048..2048.
  FontFace(const std::string& path, int index, int lf_height, Synthesis synthesis);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const FontMetrics& metrics() const { return m_metrics; }
  const Glyph& glyph(unsigned char cp1252);
  const std::string& family() const { return m_family; }
  int pixel_size() const { return m_pixel_size; }

 private:
  Glyph render(unsigned char cp1252);

  FT_FaceRec_* m_face = nullptr;
  std::string m_family;
  int m_pixel_size = 0;
  Synthesis m_synthesis;
  FontMetrics m_metrics;
  std::array<std::unique_ptr<Glyph>, 256> m_glyphs;
};

// The face for a logical font, from the process's face cache: the family as
// fontconfig finds it (the nearest installed face when it is missing), bold
// and oblique made up when the face found lacks them. Throws on failure.
FontFace& find_font_face(const LOGFONTA& log);

}  // namespace win
