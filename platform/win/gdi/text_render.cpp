#include "platform/win/gdi/text_render.h"

#include <algorithm>

#include "platform/win/gdi/font_face.h"

namespace win {
namespace {

struct Box {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;  // half-open
  bool empty() const { return right <= left || bottom <= top; }
  void add(const Box& b) {
    if (b.empty()) return;
    if (empty()) {
      *this = b;
      return;
    }
    left = std::min(left, b.left);
    top = std::min(top, b.top);
    right = std::max(right, b.right);
    bottom = std::max(bottom, b.bottom);
  }
};

const Glyph& glyph_at(FontFace& face, char c) { return face.glyph(static_cast<unsigned char>(c)); }
const Glyph& glyph_at(FontFace& face, char32_t c) { return face.glyph_of(c); }

template <class Char>
SIZE extent_of(const Font& font, std::basic_string_view<Char> text) {
  FontFace& face = *font.face;
  std::int32_t width = 0;
  for (const Char c : text) width += glyph_at(face, c).advance;
  return SIZE{width, face.metrics().height};
}

template <class Char>
BasicPrefixText<Char> prefixes_of(std::basic_string_view<Char> text) {
  BasicPrefixText<Char> out;
  out.shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != Char('&')) {
      out.shown += text[i];
      continue;
    }
    if (++i == text.size()) break;
    if (text[i] != Char('&')) out.underlined.push_back(out.shown.size());
    out.shown += text[i];
  }
  return out;
}

template <class Char>
Stencil stencil_of(const Font& font, std::basic_string_view<Char> text,
                   const std::vector<std::size_t>& underlined) {
  FontFace& face = *font.face;
  const FontMetrics& m = face.metrics();

  // First the boxes of every glyph and line, to size the stencil.
  std::vector<std::int32_t> pen(text.size() + 1, 0);
  Box ink;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Glyph& g = glyph_at(face, text[i]);
    ink.add(
        {pen[i] + g.left, m.ascent - g.top, pen[i] + g.left + g.width, m.ascent - g.top + g.rows});
    pen[i + 1] = pen[i] + g.advance;
  }
  std::vector<Box> lines;
  const Box underline_rows{0, m.ascent + m.underline_offset, 0,
                           m.ascent + m.underline_offset + m.underline_thickness};
  if (font.underline()) lines.push_back({0, underline_rows.top, pen.back(), underline_rows.bottom});
  if (font.strike_out()) {
    lines.push_back({0, m.ascent - m.strike_offset, pen.back(),
                     m.ascent - m.strike_offset + m.strike_thickness});
  }
  for (const std::size_t i : underlined) {
    if (i < text.size())
      lines.push_back({pen[i], underline_rows.top, pen[i + 1], underline_rows.bottom});
  }
  for (const Box& line : lines) ink.add(line);
  if (ink.empty()) return Stencil();

  // Every glyph and line lies inside the ink box, so each is laid in row by
  // row, the higher coverage winning where glyphs overlap.
  Stencil stencil(ink.left, ink.top, ink.right - ink.left, ink.bottom - ink.top);
  auto row_at = [&](std::int32_t x, std::int32_t y) {
    return stencil.coverage.data() +
           static_cast<std::size_t>(y - ink.top) * std::size_t(stencil.width) +
           static_cast<std::size_t>(x - ink.left);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Glyph& g = glyph_at(face, text[i]);
    if (g.width <= 0 || g.rows <= 0) continue;
    const std::int32_t gx = pen[i] + g.left;
    const std::int32_t gy = m.ascent - g.top;
    for (std::int32_t y = 0; y < g.rows; ++y) {
      std::uint8_t* to = row_at(gx, gy + y);
      const std::uint8_t* from = &g.coverage[static_cast<std::size_t>(y) * std::size_t(g.width)];
      for (std::int32_t x = 0; x < g.width; ++x) to[x] = std::max(to[x], from[x]);
    }
  }
  for (const Box& line : lines) {
    if (line.empty()) continue;
    for (std::int32_t y = line.top; y < line.bottom; ++y)
      std::fill_n(row_at(line.left, y), line.right - line.left, std::uint8_t{255});
  }
  return stencil;
}

}  // namespace

SIZE text_extent(const Font& font, std::string_view text) { return extent_of(font, text); }
SIZE text_extent(const Font& font, std::u32string_view text) { return extent_of(font, text); }

PrefixText resolve_prefixes(std::string_view text) { return prefixes_of(text); }
WidePrefixText resolve_prefixes(std::u32string_view text) { return prefixes_of(text); }

Stencil text_stencil(const Font& font, std::string_view text,
                     const std::vector<std::size_t>& underlined) {
  return stencil_of(font, text, underlined);
}
Stencil text_stencil(const Font& font, std::u32string_view text,
                     const std::vector<std::size_t>& underlined) {
  return stencil_of(font, text, underlined);
}

}  // namespace win
