// Smoothed text through FreeType, with the face found by fontconfig.
#pragma once

#include <string>

#include "tools/artwork/canvas.h"

namespace artwork {

class Lettering {
 public:
  // `pattern` is a fontconfig pattern such as "DejaVu Sans:bold".
  explicit Lettering(const std::string& pattern);
  ~Lettering();
  Lettering(const Lettering&) = delete;
  Lettering& operator=(const Lettering&) = delete;

  void set_pixel_size(int pixels);
  // The ink box of the text drawn with its pen at the origin on the baseline.
  struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
  };
  Box measure(const std::string& text);
  // Draws with the pen starting at (x, baseline).
  void draw(Canvas& canvas, const std::string& text, int x, int baseline, Rgb colour);
  const std::string& file() const { return m_file; }

 private:
  template <class Visit>
  void for_each_glyph(const std::string& text, Visit visit);

  void* m_library = nullptr;
  void* m_face = nullptr;
  std::string m_file;
};

}  // namespace artwork
