// Laying out a line of text in a font: its extent and its stencil. The text
// is Windows-1252 bytes (the A functions) or code points (the W functions),
// left to right; a character of Windows-1252 comes out the same either way.
// The pen starts at the top-left of the text cell, moves by whole pixel
// advances without kerning, and the extent is the sum of the advances by the
// font's cell height, so what is measured is what is drawn.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/gdi/font.h"
#include "platform/win/gdi/stencil.h"
#include "platform/win/kernel/types.h"

namespace win {

SIZE text_extent(const Font& font, std::string_view text);
SIZE text_extent(const Font& font, std::u32string_view text);

// Text with mnemonic prefixes resolved: "&x" shows x underlined, "&&" shows
// one ampersand, a lone ampersand at the end shows nothing.
template <class Char>
struct BasicPrefixText {
  std::basic_string<Char> shown;
  std::vector<std::size_t> underlined;  // indices into `shown`, ascending
};
using PrefixText = BasicPrefixText<char>;
using WidePrefixText = BasicPrefixText<char32_t>;
PrefixText resolve_prefixes(std::string_view text);
WidePrefixText resolve_prefixes(std::u32string_view text);

// The coverage of the text drawn with its cell's top-left at the origin,
// with the font's underline and strike-out and an underline under each
// character whose index is listed.
Stencil text_stencil(const Font& font, std::string_view text,
                     const std::vector<std::size_t>& underlined = {});
Stencil text_stencil(const Font& font, std::u32string_view text,
                     const std::vector<std::size_t>& underlined = {});

}  // namespace win
