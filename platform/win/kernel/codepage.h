// The system ANSI code page, Windows-1252: the A functions take their text in
// it. Bytes 0x00-0x7F and 0xA0-0xFF are the Latin-1 code points; 0x80-0x9F
// hold the typographic extras (euro sign, quotes, dashes, ...), and the five
// bytes Windows leaves undefined there stand for the C1 control of the same
// value, as Windows' own conversion does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace win {

// The Unicode code point a Windows-1252 byte stands for.
char32_t cp1252_to_unicode(unsigned char byte);
// The Windows-1252 byte for a code point, or none when the code page lacks it.
std::optional<unsigned char> unicode_to_cp1252(char32_t code_point);

// UTF-8 to Windows-1252; a character the code page lacks, and every byte of
// malformed UTF-8, becomes '?'.
std::string utf8_to_cp1252(std::string_view utf8);
std::string cp1252_to_utf8(std::string_view text);

// The code point that stands in for malformed text, U+FFFD.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// UTF-8 to UTF-16, the W functions' text; every byte of malformed UTF-8
// becomes U+FFFD.
std::u16string utf8_to_utf16(std::string_view utf8);
// UTF-16 to code points: a surrogate pair is one character, a surrogate
// without its partner becomes U+FFFD.
std::u32string utf16_to_code_points(std::u16string_view utf16);

}  // namespace win
