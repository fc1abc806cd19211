// The W text functions: Windows-1252 text comes out exactly as through the A
// functions, other scripts draw their own letters, a character no font has
// shows as the missing-glyph box, and UTF-16 is read as characters.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win/gdi/font.h"
#include "platform/win/gdi/font_face.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/text.h"
#include "platform/win/gdi/text_render.h"
#include "platform/win/kernel/codepage.h"
#include "platform/win/kernel/last_error.h"
#include "platform/win/user/draw_state.h"
#include "tests/platform/win/gdi/memory_dc.h"

namespace win {
namespace {

// A 120 x 24 DC in DejaVu Sans 13 px, black on white.
struct TextDc : MemoryDc {
  HFONT font;
  TextDc() : MemoryDc(120, 24, 0xFFFFFF) {
    font =
        CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
  }
  ~TextDc() {
    SelectObject(dc, HFONT{GetStockObject(SYSTEM_FONT)});
    DeleteObject(HGDIOBJ{font});
  }
  FontFace& face() const { return *font_from_handle(font)->face; }
};

std::u16string wide(const std::string& cp1252) { return utf8_to_utf16(cp1252_to_utf8(cp1252)); }

TEST(WideText, Windows1252TextDrawsAndMeasuresAsThroughTheAFunctions) {
  for (const std::string text : {"&Ultilities", "caf\xE9 \x80\x85 && \x93x\x94", "\x81\x9D\xFF"}) {
    const std::u16string w = wide(text);
    TextDc a, b;
    SIZE size_a{}, size_b{};
    ASSERT_TRUE(GetTextExtentPoint32A(a.dc, text.c_str(), int(text.size()), &size_a));
    ASSERT_TRUE(GetTextExtentPoint32W(b.dc, w.c_str(), int(w.size()), &size_b));
    EXPECT_EQ(size_a.cx, size_b.cx) << text;
    EXPECT_EQ(size_a.cy, size_b.cy) << text;

    RECT ra{0, 0, 120, 24}, rb{0, 0, 120, 24};
    EXPECT_EQ(DrawTextA(a.dc, text.c_str(), -1, &ra, DT_CENTER | DT_VCENTER),
              DrawTextW(b.dc, w.c_str(), -1, &rb, DT_CENTER | DT_VCENTER));
    EXPECT_EQ(a.pixels().pixels, b.pixels().pixels) << text;

    for (const UINT flags : {DST_PREFIXTEXT, DST_TEXT | DSS_DISABLED}) {
      TextDc c, d;
      ASSERT_TRUE(
          DrawStateA(c.dc, HBRUSH{}, nullptr, text.c_str(), int(text.size()), 3, 2, 0, 0, flags));
      ASSERT_TRUE(DrawStateW(d.dc, HBRUSH{}, nullptr, w.c_str(), int(w.size()), 3, 2, 0, 0, flags));
      EXPECT_EQ(c.pixels().pixels, d.pixels().pixels) << text << " " << flags;
    }
    TextDc e, f;
    TextOutA(e.dc, 1, 1, text.c_str(), int(text.size()));
    TextOutW(f.dc, 1, 1, w.c_str(), int(w.size()));
    EXPECT_EQ(e.pixels().pixels, f.pixels().pixels) << text;
  }
}

TEST(WideText, CyrillicGreekAndHebrewDrawTheirOwnLetters) {
  TextDc probe;
  FontFace& face = probe.face();
  const Glyph& question = face.glyph('?');
  const Glyph& missing = face.glyph_of(0x10FFFD);  // a private character no font has
  for (const std::u32string letters : {U"Привет", U"Καλημέρα", U"שלום"}) {
    std::int32_t advances = 0;
    for (const char32_t c : letters) {
      const Glyph& g = face.glyph_of(c);
      advances += g.advance;
      EXPECT_GT(g.rows, 0);
      EXPECT_NE(g.coverage, question.coverage);
      EXPECT_NE(g.coverage, missing.coverage);
    }
    std::u16string w(letters.begin(), letters.end());  // all in the Basic Multilingual Plane
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32W(probe.dc, w.c_str(), int(w.size()), &size));
    EXPECT_EQ(size.cx, advances);

    // Through the A functions the same text is question marks.
    TextDc a, b;
    const std::string ansi(w.size(), '?');
    TextOutA(a.dc, 2, 2, ansi.c_str(), int(ansi.size()));
    TextOutW(b.dc, 2, 2, w.c_str(), int(w.size()));
    EXPECT_NE(a.pixels().pixels, b.pixels().pixels);
  }
}

TEST(WideText, ACharacterNoFontHasIsTheMissingGlyphBoxNeverAQuestionMark) {
  TextDc probe;
  FontFace& face = probe.face();
  const Glyph& one = face.glyph_of(0x10FFFD);
  const Glyph& other = face.glyph_of(0x10FFFC);
  EXPECT_GT(one.rows, 0);  // a box, not nothing
  EXPECT_EQ(one.coverage, other.coverage);
  EXPECT_EQ(one.advance, other.advance);
  EXPECT_NE(one.coverage, face.glyph('?').coverage);
}

TEST(WideText, SurrogatePairsAreOneCharacterAndBadArgumentsFail) {
  TextDc probe;
  FontFace& face = probe.face();
  SIZE size{};
  ASSERT_TRUE(GetTextExtentPoint32W(probe.dc, u"a\xD83D\xDE00", 3, &size));
  EXPECT_EQ(size.cx, face.glyph('a').advance + face.glyph_of(0x1F600).advance);
  ASSERT_TRUE(GetTextExtentPoint32W(probe.dc, u"\xDE00", 1, &size));
  EXPECT_EQ(size.cx, face.glyph_of(kReplacementCharacter).advance);

  SetLastError(ERROR_SUCCESS);
  EXPECT_FALSE(GetTextExtentPoint32W(probe.dc, nullptr, 2, &size));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(TextOutW(probe.dc, 0, 0, u"x", -1));
  EXPECT_FALSE(DrawStateW(probe.dc, HBRUSH{}, nullptr, u"x", 1, 0, 0, 0, 0, DST_ICON));
  EXPECT_FALSE(DrawStateW(HDC{}, HBRUSH{}, nullptr, u"x", 1, 0, 0, 0, 0, DST_TEXT));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

}  // namespace
}  // namespace win
