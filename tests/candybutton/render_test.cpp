// The window-free rendering API: the same pixels and mask as a button hosted
// in a real window and painted by its own repaint, nothing left behind, and
// a clear refusal of every look or buffer it cannot render.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "candybutton/styles.h"
#include "include/candybutton/render.h"
#include "platform/win/kernel/handles.h"
#include "tests/support/windowed_button.h"

namespace {

using candy::ButtonLook;
using candy::render_button;
using candy::RenderError;

std::vector<std::uint8_t> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::array<std::size_t, std::size_t(win::ObjectKind::Count)> live_counts() {
  std::array<std::size_t, std::size_t(win::ObjectKind::Count)> counts{};
  for (std::size_t k = 0; k < counts.size(); ++k) counts[k] = win::live_objects(win::ObjectKind(k));
  return counts;
}

// Looks that reach every painter, the caption and picture layouts, the
// highlights, the flags and the size extremes.
std::vector<ButtonLook> looks() {
  std::vector<ButtonLook> all;
  for (std::int32_t style = 0; style < candy::kStyleCount; ++style) {
    ButtonLook plain;
    plain.style = style;
    plain.state = style % 5;
    plain.scheme = 1 + style;
    plain.caption = "Music";
    all.push_back(plain);

    ButtonLook dressed;
    dressed.style = style;
    dressed.state = 3;
    dressed.width = 150;
    dressed.height = 40;
    dressed.picture =
        file_bytes(style % 2 ? "resources/brindlecovemediacenter.ico" : "resources/box.bmp");
    dressed.picture_alignment = style % 5;
    dressed.caption = "Pictures";
    dressed.caption_highlite = 0x00FF00;
    dressed.icon_highlite = 0x0000FF;
    dressed.color_up = 0x2040F0;
    dressed.border_brightness = style % 2 ? 60 : -60;
    dressed.container_color = 0x336699;
    dressed.fore_color = 0xFFFFFF;
    dressed.font = candy::Font{"DejaVu Sans", 11, 400, false, false, false, 0};
    all.push_back(dressed);

    ButtonLook odd;
    odd.style = style;
    odd.width = 3;
    odd.height = 2;
    odd.enabled = false;
    odd.checked = true;
    all.push_back(odd);
  }
  return all;
}

TEST(RenderButton, MatchesTheButtonHostedInAWindowPixelForPixel) {
  for (const ButtonLook& look : looks()) {
    SCOPED_TRACE("style " + std::to_string(look.style) + ", " + std::to_string(look.width) + " x " +
                 std::to_string(look.height));
    std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
    const std::vector<std::uint8_t> mask = render_button(look, pixels);

    candy::testing::WindowedButton hosted(look.container_color, 200);
    candy::testing::apply_look(hosted, look);
    const win::Surface expected = hosted.image();
    ASSERT_EQ(expected.width, look.width);
    ASSERT_EQ(expected.height, look.height);
    EXPECT_TRUE(pixels == expected.pixels);
    EXPECT_TRUE(mask == hosted.mask());
  }
}

TEST(RenderButton, LeavesEveryLiveObjectCountAsItFound) {
  const auto before = live_counts();
  for (const ButtonLook& look : looks()) {
    std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
    render_button(look, pixels);
    EXPECT_EQ(live_counts(), before) << "style " << look.style;
  }
}

TEST(RenderButton, ShapedStylesGiveTheirRegionAndTheFlatOnesTheWholeRectangle) {
  ButtonLook look;
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  look.style = 0;
  const std::vector<std::uint8_t> flat = render_button(look, pixels);
  EXPECT_EQ(std::count(flat.begin(), flat.end(), 1), std::ptrdiff_t(flat.size()));
  look.style = 4;
  const std::vector<std::uint8_t> round = render_button(look, pixels);
  EXPECT_EQ(round.front(), 0);  // the corner is cut
  EXPECT_EQ(
      round[std::size_t(look.height / 2) * std::size_t(look.width) + std::size_t(look.width / 2)],
      1);
}

TEST(RenderButton, ALargerBufferKeepsItsTailUntouched) {
  ButtonLook look;
  look.width = 4;
  look.height = 3;
  std::vector<std::uint32_t> pixels(13, 0xDEADBEEF);
  render_button(look, pixels);
  EXPECT_EQ(pixels[12], 0xDEADBEEFu);
}

// The default look with one change.
template <class Edit>
ButtonLook look_with(Edit edit) {
  ButtonLook look;
  edit(look);
  return look;
}

TEST(RenderButton, RefusesBadLooksAndBuffersNamingWhatWasWrong) {
  const auto before = live_counts();
  const std::vector<std::uint8_t> bmp = file_bytes("resources/box.bmp");
  const struct {
    const char* what;
    ButtonLook look;
    std::size_t buffer;
    const char* message;
  } cases[] = {
      {"zero width", look_with([](ButtonLook& l) { l.width = 0; }), 100000,
       "width 0 is outside 1..8192"},
      {"negative height", look_with([](ButtonLook& l) { l.height = -5; }), 100000,
       "height -5 is outside 1..8192"},
      {"too wide", look_with([](ButtonLook& l) { l.width = 8193; }), 100000,
       "width 8193 is outside 1..8192"},
      {"unknown style", look_with([](ButtonLook& l) { l.style = 8; }), 100000,
       "style 8 is outside 0..7"},
      {"unknown state", look_with([](ButtonLook& l) { l.state = -1; }), 100000,
       "state -1 is outside 0..4"},
      {"alignment", look_with([](ButtonLook& l) { l.picture_alignment = 5; }), 100000,
       "picture_alignment 5 is outside 0..4"},
      {"huge font", look_with([](ButtonLook& l) {
         l.font = candy::Font{"Tahoma", 1e30f, 400, false, false, false, 0};
       }),
       100000, "font size 1e+30 is outside (0, 1000] points"},
      {"nameless font",
       look_with([](ButtonLook& l) { l.font = candy::Font{"", 8, 400, false, false, false, 0}; }),
       100000, "the font has no name"},
      {"short buffer", ButtonLook{}, 121 * 89 - 1,
       "holds 10768 pixels, a 121 x 89 button needs 10769"},
      {"not a picture",
       look_with([](ButtonLook& l) { l.picture = {'G', 'I', 'F', '8', '9', 'a'}; }), 100000,
       "the picture does not decode"},
      {"truncated bitmap",
       look_with([&](ButtonLook& l) { l.picture.assign(bmp.begin(), bmp.begin() + 60); }), 100000,
       "the picture does not decode"},
      {"truncated icon", look_with([](ButtonLook& l) {
         l.picture = {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, 0xFF, 0xFF, 0, 0, 22, 0, 0, 0};
       }),
       100000, "the picture does not decode"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::uint32_t> pixels(c.buffer, 7);
    try {
      render_button(c.look, pixels);
      ADD_FAILURE() << "no error";
    } catch (const RenderError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(pixels.front(), 7u);  // nothing drawn
    EXPECT_EQ(live_counts(), before);
  }
}

}  // namespace
