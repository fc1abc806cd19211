#include "platform/win/kernel/codepage.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(Codepage1252, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
}

TEST(Codepage1252, TypographicBytesMapToTheirCharacters) {
  EXPECT_EQ(cp1252_to_unicode(0x80), U'\u20AC');
  EXPECT_EQ(cp1252_to_unicode(0x93), U'\u201C');
  EXPECT_EQ(cp1252_to_unicode(0x9F), U'\u0178');
  EXPECT_EQ(cp1252_to_unicode(0xE9), U'\u00E9');
  EXPECT_EQ(cp1252_to_unicode(0x81), U'\u0081');  // undefined: kept as its control
  EXPECT_EQ(utf8_to_cp1252("\xE2\x82\xAC 5 caf\xC3\xA9"), "\x80 5 caf\xE9");
  EXPECT_EQ(cp1252_to_utf8("\x96"), "\xE2\x80\x93");
}

TEST(Codepage1252, UnmappableAndMalformedInputBecomesQuestionMarks) {
  EXPECT_EQ(utf8_to_cp1252("\xCE\xA9"), "?");  // Greek omega
  EXPECT_EQ(utf8_to_cp1252("a\xF0\x9F\x98\x80"
                           "b"),
            "a?b");                                  // outside the BMP
  EXPECT_EQ(utf8_to_cp1252("\xC3"), "?");            // truncated
  EXPECT_EQ(utf8_to_cp1252("\xC0\xAF"), "??");       // overlong
  EXPECT_EQ(utf8_to_cp1252("\xED\xA0\x80"), "???");  // surrogate
  EXPECT_EQ(utf8_to_cp1252("\xFF"
                           "x"),
            "?x");
  EXPECT_FALSE(unicode_to_cp1252(0x0100).has_value());
}

TEST(CodepageUtf16, CharactersBecomeUnitsAndCodePointsAndBadInputU_FFFD) {
  EXPECT_EQ(utf8_to_utf16("\xD0\x9F\xCE\xA9\xD7\xA9 \xE2\x82\xAC"), u"\u041F\u03A9\u05E9 \u20AC");
  EXPECT_EQ(utf8_to_utf16("a\xF0\x9F\x98\x80"
                          "b"),
            u"a\xD83D\xDE00"
            "b");  // a surrogate pair
  EXPECT_EQ(utf8_to_utf16("\xC0\xAF"
                          "x\xC3"),
            u"\xFFFD\xFFFD"
            "x\xFFFD");
  EXPECT_EQ(utf16_to_code_points(u"a\xD83D\xDE00"
                                 "b"),
            U"a\U0001F600"
            "b");
  EXPECT_EQ(utf16_to_code_points(u"\xDE00"
                                 "a\xD83D"),
            U"\xFFFD"
            "a\xFFFD");  // lone surrogates
  EXPECT_EQ(utf16_to_code_points(utf8_to_utf16(cp1252_to_utf8("caf\xE9 \x80\x81"))),
            U"caf\u00E9 \u20AC\u0081");
}

}  // namespace
}  // namespace win
