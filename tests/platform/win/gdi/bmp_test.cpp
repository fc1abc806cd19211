#include "platform/win/gdi/bmp.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>

#include "tests/platform/win/gdi/picture_fixtures.h"

namespace {

using fixtures::read_picture;
using win::COLORREF;
using win::decode_bmp;
using win::DibImage;
using Bytes = std::vector<std::uint8_t>;

void expect_pattern(const DibImage& image, int width, int height, COLORREF (*pattern)(int, int)) {
  ASSERT_EQ(image.pixels.width, width);
  ASSERT_EQ(image.pixels.height, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      EXPECT_EQ(image.pixels.at(x, y), pattern(x, y)) << "at " << x << ", " << y;
}

void put_u32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = std::uint8_t(value >> (8 * i));
}
void put_u16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = std::uint8_t(value);
  bytes[offset + 1] = std::uint8_t(value >> 8);
}

TEST(Bmp, DecodesFilesOfEveryDepthWrittenByAnotherTool) {
  const DibImage mono = decode_bmp(read_picture("mono1.bmp"));
  EXPECT_EQ(mono.bits_per_pixel, 1);
  expect_pattern(mono, 6, 4, fixtures::mono_pattern);

  const DibImage pal4 = decode_bmp(read_picture("pal4.bmp"));
  EXPECT_EQ(pal4.bits_per_pixel, 4);
  expect_pattern(pal4, 6, 4, fixtures::colour_pattern);

  const DibImage pal8 = decode_bmp(read_picture("pal8.bmp"));
  EXPECT_EQ(pal8.bits_per_pixel, 8);
  expect_pattern(pal8, 5, 4, fixtures::ramp_pattern);

  const DibImage rgb = decode_bmp(read_picture("rgb24.bmp"));
  EXPECT_EQ(rgb.bits_per_pixel, 24);
  expect_pattern(rgb, 6, 4, fixtures::colour_pattern);
}

TEST(Bmp, ThirtyTwoBitFileWithBitMasksKeepsColourAndAlpha) {
  const DibImage image = decode_bmp(read_picture("rgba32.bmp"));
  EXPECT_EQ(image.bits_per_pixel, 32);
  expect_pattern(image, 6, 4, fixtures::colour_pattern);
  ASSERT_TRUE(image.has_alpha);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(image.alpha[std::size_t(y * 6 + x)], x == 0 ? 0 : 255);
}

TEST(Bmp, TopDownRowsGiveTheSamePicture) {
  Bytes bytes = read_picture("rgb24.bmp");
  const std::size_t stride = 20, rows = 4, data = 54;
  Bytes flipped = bytes;
  for (std::size_t r = 0; r < rows; ++r)
    std::copy_n(bytes.begin() + std::ptrdiff_t(data + r * stride), stride,
                flipped.begin() + std::ptrdiff_t(data + (rows - 1 - r) * stride));
  put_u32(flipped, 22, std::uint32_t(-4));
  expect_pattern(decode_bmp(flipped), 6, 4, fixtures::colour_pattern);
}

struct Corruption {
  const char* name;
  const char* file;
  std::function<void(Bytes&)> change;
  const char* message;
};

// A case prints as its name, as in its test name.
void PrintTo(const Corruption& c, std::ostream* os) { *os << c.name; }

class BmpRejects : public testing::TestWithParam<Corruption> {};

TEST_P(BmpRejects, WithAnErrorNamingTheProblem) {
  const Corruption& c = GetParam();
  Bytes bytes = read_picture(c.file);
  c.change(bytes);
  try {
    decode_bmp(bytes);
    FAIL() << "accepted " << c.name;
  } catch (const win::ImageFormatError& error) {
    EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, BmpRejects,
    testing::Values(
        Corruption{"empty", "rgb24.bmp", [](Bytes& b) { b.clear(); }, "truncated file header"},
        Corruption{"bad magic", "rgb24.bmp", [](Bytes& b) { b[0] = 'P'; }, "bad magic"},
        Corruption{"cut header", "rgb24.bmp",
                   [](Bytes& b) {
                     b.resize(30);
                     put_u32(b, 2, 0);
                   },
                   "truncated info header"},
        Corruption{"header size", "rgb24.bmp", [](Bytes& b) { put_u32(b, 14, 41); },
                   "info header size 41"},
        Corruption{"zero width", "rgb24.bmp", [](Bytes& b) { put_u32(b, 18, 0); },
                   "width 0 out of range"},
        Corruption{"negative width", "rgb24.bmp",
                   [](Bytes& b) { put_u32(b, 18, std::uint32_t(-6)); }, "width -6"},
        Corruption{"huge width", "rgb24.bmp", [](Bytes& b) { put_u32(b, 18, 0x7FFFFFFF); },
                   "out of range"},
        Corruption{"zero height", "rgb24.bmp", [](Bytes& b) { put_u32(b, 22, 0); },
                   "height 0 out of range"},
        Corruption{"most negative height", "rgb24.bmp",
                   [](Bytes& b) { put_u32(b, 22, 0x80000000); }, "out of range"},
        Corruption{"planes", "rgb24.bmp", [](Bytes& b) { put_u16(b, 26, 2); }, "plane count 2"},
        Corruption{"depth", "rgb24.bmp", [](Bytes& b) { put_u16(b, 28, 16); }, "bit depth 16"},
        Corruption{"compression", "pal8.bmp", [](Bytes& b) { put_u32(b, 30, 1); }, "compression 1"},
        Corruption{"colour count", "pal8.bmp", [](Bytes& b) { put_u32(b, 46, 257); },
                   "colour count 257"},
        Corruption{"short palette", "pal8.bmp",
                   [](Bytes& b) {
                     b.resize(500);
                     put_u32(b, 2, 0);
                   },
                   "pixel data offset"},
        Corruption{"palette cut", "pal8.bmp",
                   [](Bytes& b) {
                     b.resize(300);
                     put_u32(b, 2, 0);
                     put_u32(b, 10, 70);
                   },
                   "overlaps"},
        Corruption{"index beyond palette", "pal4.bmp",
                   [](Bytes& b) {
                     put_u32(b, 46, 2);
                     put_u32(b, 10, 62);
                   },
                   "colour index"},
        Corruption{"offset past end", "rgb24.bmp", [](Bytes& b) { put_u32(b, 10, 134); },
                   "past the end"},
        Corruption{"offset into header", "rgb24.bmp", [](Bytes& b) { put_u32(b, 10, 40); },
                   "overlaps the headers"},
        Corruption{"cut pixels", "rgb24.bmp",
                   [](Bytes& b) {
                     b.pop_back();
                     put_u32(b, 2, 0);
                   },
                   "truncated pixel data"},
        Corruption{"file size field", "rgb24.bmp", [](Bytes& b) { b.pop_back(); },
                   "truncated file"},
        Corruption{"size overflow", "rgb24.bmp",
                   [](Bytes& b) {
                     put_u32(b, 18, 16384);
                     put_u32(b, 22, 16384);
                     put_u16(b, 28, 32);
                   },
                   "truncated pixel data"},
        Corruption{"bit masks", "rgba32.bmp", [](Bytes& b) { put_u32(b, 54, 0x00F0F000); },
                   "red bit mask"}),
    [](const testing::TestParamInfo<Corruption>& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

}  // namespace
