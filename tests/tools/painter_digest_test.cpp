// Every painter's image and window mask over a large seeded set of buttons,
// compared with digests recorded before the drawing code was last reworked:
// a faster painter must produce the same bytes. One file of digests per style
// under tests/fixtures/painter_digests/, one line per configuration.
//
// Record mode, for a deliberate change of the images: run with
// CANDY_RECORD_DIGESTS=1 and the files are rewritten from the current code.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "include/candybutton/render.h"
#include "tools/candybutton-render/look.h"

namespace {

constexpr int kConfigurationsPerStyle = 320;

// A file of the source tree: from the working directory when the tests run
// from the top of the tree (ctest does), else beside this file.
std::string source_path(const std::string& relative) {
  if (std::filesystem::exists(relative)) return relative;
  return (std::filesystem::path(__FILE__).parent_path() / "../.." / relative).string();
}

// 64-bit FNV-1a over the size, the pixels and the mask.
class Digest {
 public:
  void add(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      m_hash ^= (v >> (8 * i)) & 0xFF;
      m_hash *= 0x100000001B3ull;
    }
  }
  std::uint64_t value() const { return m_hash; }

 private:
  std::uint64_t m_hash = 0xCBF29CE484222325ull;
};

// The seeded generator's own arithmetic, so the set is the same with every
// standard library.
class Picker {
 public:
  explicit Picker(std::uint32_t seed) : m_random(seed) {}
  std::int32_t below(std::int32_t n) { return std::int32_t(m_random() % std::uint32_t(n)); }
  bool chance(std::int32_t percent) { return below(100) < percent; }
  win::OLE_COLOR color() {
    if (chance(10)) return 0x80000000u | std::uint32_t(below(25));  // a system colour
    return m_random() & 0xFFFFFF;
  }

 private:
  std::mt19937 m_random;
};

std::int32_t pick_extent(Picker& p, std::int32_t most) {
  switch (p.below(4)) {
    case 0: return 1 + p.below(12);
    case 1: return 1 + p.below(160);
    case 2: return 1 + p.below(most);
    default: return most - p.below(4);
  }
}

render::RenderOptions configuration(std::int32_t style, std::int32_t index) {
  Picker p(std::uint32_t(style) * 100003u + std::uint32_t(index));
  render::RenderOptions o;
  o.style = style;
  o.state = p.below(5);
  if (index == 0) {
    o.width = o.height = 1;
  } else if (index == 1) {
    o.width = 600;
    o.height = 400;
  } else if (index == 2) {
    o.width = 121;
    o.height = 89;
  } else {
    o.width = pick_extent(p, 600);
    o.height = pick_extent(p, 400);
  }
  if (p.chance(70)) o.scheme = p.below(9);
  if (p.chance(30)) o.color_up = p.color();
  if (p.chance(30)) o.color_hover = p.color();
  if (p.chance(30)) o.color_down = p.color();
  if (p.chance(30)) o.color_bright = p.color();
  if (p.chance(50)) o.border_brightness = p.below(130);
  o.enabled = !p.chance(20);
  o.checked = p.chance(20);
  o.container_color = p.chance(50) ? 0xC0C0C0 : p.color() & 0xFFFFFF;
  static const char* const captions[] = {"", "Music", "Programs", "W",
                                         "A longer caption, wider than most"};
  o.caption = captions[p.below(5)];
  if (p.chance(30)) o.fore_color = p.color();
  static const char* const pictures[] = {"rgb24.bmp",  "pal4.bmp", "pal8.bmp",  "mono1.bmp",
                                         "rgba32.bmp", "pal4.ico", "rgba32.ico"};
  if (p.chance(35))
    o.picture = source_path(std::string("tests/fixtures/pictures/") + pictures[p.below(7)]);
  if (p.chance(50)) o.picture_alignment = p.below(5);
  if (p.chance(20)) o.caption_highlite = p.color();
  if (p.chance(20)) o.icon_highlite = p.color();
  return o;
}

std::string describe(const render::RenderOptions& o) {
  std::ostringstream s;
  s << "state " << o.state << " size " << o.width << "x" << o.height << " scheme "
    << (o.scheme ? std::to_string(*o.scheme) : "-") << " enabled " << o.enabled << " checked "
    << o.checked << " caption '" << o.caption << "' picture "
    << (o.picture ? std::filesystem::path(*o.picture).filename().string() : "-");
  return s.str();
}

std::uint64_t digest_of(const render::RenderOptions& o) {
  const candy::ButtonLook look = render::look_of(o);
  std::vector<std::uint32_t> pixels(std::size_t(o.width) * std::size_t(o.height));
  const std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  Digest d;
  d.add(std::uint32_t(o.width));
  d.add(std::uint32_t(o.height));
  for (const std::uint32_t pixel : pixels) d.add(pixel);
  for (const std::uint8_t bit : mask) d.add(bit);
  return d.value();
}

std::string digest_file(std::int32_t style) {
  return source_path("tests/fixtures/painter_digests/style" + std::to_string(style) + ".txt");
}

class PainterDigests : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(PainterDigests, EveryImageAndMaskMatchesTheRecordedDigest) {
  const std::int32_t style = GetParam();
  std::vector<std::uint64_t> digests;
  for (std::int32_t i = 0; i < kConfigurationsPerStyle; ++i)
    digests.push_back(digest_of(configuration(style, i)));

  if (std::getenv("CANDY_RECORD_DIGESTS")) {
    std::ofstream out(digest_file(style));
    for (std::int32_t i = 0; i < kConfigurationsPerStyle; ++i)
      out << i << ' ' << std::hex << digests[std::size_t(i)] << std::dec << "  # "
          << describe(configuration(style, i)) << '\n';
    ASSERT_TRUE(out.good()) << "cannot write " << digest_file(style);
    return;
  }
  std::ifstream in(digest_file(style));
  ASSERT_TRUE(in.good()) << "no recorded digests in " << digest_file(style);
  std::string line;
  std::int32_t checked = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::int32_t index = -1;
    std::uint64_t recorded = 0;
    fields >> index >> std::hex >> recorded;
    ASSERT_TRUE(index >= 0 && index < kConfigurationsPerStyle) << "bad line: " << line;
    EXPECT_EQ(digests[std::size_t(index)], recorded)
        << "configuration " << index << ": " << describe(configuration(style, index));
    ++checked;
  }
  EXPECT_EQ(checked, kConfigurationsPerStyle);
}

INSTANTIATE_TEST_SUITE_P(Styles, PainterDigests, ::testing::Range(0, 8));

}  // namespace
