// Captions through the rendering API are UTF-8 and draw every character the
// caption font has, where the control's A calls show "?"; captions of the
// ANSI code page come out exactly as in a hosted button.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "include/candybutton/render.h"
#include "platform/forms/font.h"
#include "platform/win/gdi/font.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/text_render.h"
#include "platform/win/kernel/codepage.h"
#include "tests/support/windowed_button.h"

namespace {

using candy::ButtonLook;

const candy::Font kCaptionFont{"DejaVu Sans", 11, 400, false, false, false, 0};

ButtonLook caption_look(const std::string& caption) {
  ButtonLook look;
  look.style = 0;
  look.caption = caption;
  look.font = kCaptionFont;
  return look;
}

std::vector<std::uint32_t> render(const ButtonLook& look) {
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  candy::render_button(look, pixels);
  return pixels;
}

// The extent of the caption in the caption font, as the W calls measure it.
win::SIZE measured(const std::string& caption) {
  const win::HFONT font = forms::create_font(forms::FontDescription{
      kCaptionFont.name, kCaptionFont.size, kCaptionFont.weight, false, false, false, 0});
  const win::SIZE size = win::text_extent(*win::font_from_handle(font),
                                          win::utf16_to_code_points(win::utf8_to_utf16(caption)));
  win::DeleteObject(win::HGDIOBJ{font});
  return size;
}

struct Ink {
  std::int32_t left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

// Where the image differs from the one without a caption.
Ink ink_of(const std::vector<std::uint32_t>& image, const std::vector<std::uint32_t>& bare,
           std::int32_t width) {
  Ink ink;
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (image[i] == bare[i]) continue;
    const std::int32_t x = std::int32_t(i % std::size_t(width)),
                       y = std::int32_t(i / std::size_t(width));
    ink.left = std::min(ink.left, x);
    ink.top = std::min(ink.top, y);
    ink.right = std::max(ink.right, x + 1);
    ink.bottom = std::max(ink.bottom, y + 1);
  }
  return ink;
}

TEST(UnicodeCaption, CyrillicGreekAndHebrewDrawTheirLettersInTheirMeasuredPlace) {
  const std::vector<std::uint32_t> bare = render(caption_look(""));
  for (const std::string caption : {"Привет", "Καλημέρα", "שלום"}) {
    SCOPED_TRACE(caption);
    const ButtonLook look = caption_look(caption);
    const std::vector<std::uint32_t> drawn = render(look);
    const std::size_t characters = win::utf8_to_utf16(caption).size();
    EXPECT_NE(drawn, render(caption_look(std::string(characters, '?'))));

    // Centred as the control lays a caption out: (|SW/2 - capW/2|, |SH/2 - capH/2|).
    const win::SIZE cap = measured(caption);
    const std::int32_t capX = std::abs(look.width / 2 - cap.cx / 2);
    const std::int32_t capY = std::abs(look.height / 2 - cap.cy / 2);
    const Ink ink = ink_of(drawn, bare, look.width);
    EXPECT_GE(ink.left, capX);
    EXPECT_LE(ink.right, capX + cap.cx);
    EXPECT_GE(ink.right, capX + cap.cx - 3);  // the ink fills the measured width
    EXPECT_GE(ink.top, capY);
    EXPECT_LE(ink.bottom, capY + cap.cy);
  }
}

TEST(UnicodeCaption, ACharacterNoFontHasDrawsTheMissingGlyphBoxNotAQuestionMark) {
  const std::vector<std::uint32_t> box = render(caption_look("\xF4\x8F\xBF\xBD"));  // U+10FFFD
  EXPECT_EQ(box, render(caption_look("\xF4\x8F\xBF\xBC")));                         // U+10FFFC
  EXPECT_NE(box, render(caption_look("?")));
  EXPECT_NE(box, render(caption_look("")));
}

TEST(UnicodeCaption, CodePageCaptionsMatchTheHostedButtonsAnsiCalls) {
  for (const std::string caption :
       {"Caf\xC3\xA9 \xE2\x82\xAC 5", "&Zo\xC3\xAB \xE2\x80\x9Cx\xE2\x80\x9D"}) {
    ButtonLook look = caption_look(caption);
    look.style = 3;
    look.state = 3;
    look.caption_highlite = 0x0000FF;
    candy::testing::WindowedButton hosted(look.container_color, 200);
    candy::testing::apply_look(hosted, look);
    EXPECT_EQ(render(look), hosted.image().pixels) << caption;
  }
}

}  // namespace
