#include "platform/win/gdi/ico.h"

#include <gtest/gtest.h>

#include "tests/platform/win/gdi/picture_fixtures.h"

namespace {

using fixtures::read_picture;
using win::decode_ico;
using win::IconImage;
using Bytes = std::vector<std::uint8_t>;

void put_u32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = std::uint8_t(value >> (8 * i));
}

void expect_rejected(const Bytes& bytes, const std::string& message) {
  try {
    decode_ico(bytes);
    ADD_FAILURE() << "accepted, expected: " << message;
  } catch (const win::ImageFormatError& error) {
    EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
  }
}

TEST(Ico, DecodesPaletteAndAlphaIconsWrittenByAnotherTool) {
  const std::vector<IconImage> pal4 = decode_ico(read_picture("pal4.ico"));
  ASSERT_EQ(pal4.size(), 1u);
  EXPECT_EQ(pal4[0].bits_per_pixel, 4);
  const std::vector<IconImage> pal8 = decode_ico(read_picture("pal8.ico"));
  ASSERT_EQ(pal8.size(), 1u);
  EXPECT_EQ(pal8[0].bits_per_pixel, 8);
  const std::vector<IconImage> rgba = decode_ico(read_picture("rgba32.ico"));
  ASSERT_EQ(rgba.size(), 1u);
  EXPECT_EQ(rgba[0].bits_per_pixel, 32);

  ASSERT_EQ(pal4[0].color.width, 6);
  ASSERT_EQ(pal4[0].color.height, 4);
  ASSERT_EQ(pal8[0].color.width, 5);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(pal4[0].color.at(x, y), fixtures::colour_pattern(x, y)) << x << ", " << y;
      EXPECT_FALSE(pal4[0].transparent[std::size_t(y * 6 + x)]);
      EXPECT_EQ(rgba[0].color.at(x, y), fixtures::colour_pattern(x, y)) << x << ", " << y;
      // Column 0 was written with alpha 0.
      EXPECT_EQ(rgba[0].transparent[std::size_t(y * 6 + x)], x == 0) << x << ", " << y;
    }
    for (int x = 0; x < 5; ++x) EXPECT_EQ(pal8[0].color.at(x, y), fixtures::ramp_pattern(x, y)) << x << ", " << y;
  }
}

// A 1-bit 8 x 2 icon resource built by hand: XOR rows 0xF0 (bottom) and 0x0F,
// AND rows 0x81 and 0x00, so the bottom row is transparent at both ends.
Bytes mono_icon_image() {
  Bytes dib(40 + 8 + 2 * 4 + 2 * 4, 0);
  put_u32(dib, 0, 40);
  put_u32(dib, 4, 8);
  put_u32(dib, 8, 4);
  dib[12] = 1;
  dib[14] = 1;
  dib[44] = dib[45] = dib[46] = 0xFF;  // palette: black, white
  dib[48] = 0xF0;
  dib[52] = 0x0F;
  dib[56] = 0x81;
  return dib;
}

TEST(Ico, MonochromeImageUsesItsPaletteAndMask) {
  const IconImage image = win::decode_icon_image(mono_icon_image());
  ASSERT_EQ(image.color.width, 8);
  ASSERT_EQ(image.color.height, 2);
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(image.color.at(x, 0), x < 4 ? win::RGB(0, 0, 0) : win::RGB(255, 255, 255));
    EXPECT_EQ(image.color.at(x, 1), x < 4 ? win::RGB(255, 255, 255) : win::RGB(0, 0, 0));
    EXPECT_FALSE(image.transparent[std::size_t(x)]);
    EXPECT_EQ(image.transparent[std::size_t(8 + x)], x == 0 || x == 7);
  }
}

TEST(Ico, RejectsMalformedDirectoriesAndImages) {
  const Bytes good = read_picture("pal4.ico");
  Bytes b = good;
  b[2] = 2;
  expect_rejected(b, "bad magic");
  b = good;
  b[4] = 0;
  expect_rejected(b, "lists no images");
  b = good;
  b[4] = 20;
  expect_rejected(b, "truncated directory");
  b = good;
  put_u32(b, 18, 150);
  expect_rejected(b, "past the end");
  b = good;
  put_u32(b, 14, 0xFFFFFFF0u);
  expect_rejected(b, "past the end");
  b = good;
  b[6] = 16;
  expect_rejected(b, "the directory gives 16 x 4 but the image is 6 x 4");
  b = good;
  put_u32(b, 22 + 8, 7);
  expect_rejected(b, "not twice a valid icon height");
  b = good;
  b.resize(b.size() - 1);
  put_u32(b, 14, std::uint32_t(b.size() - 22));
  expect_rejected(b, "truncated AND mask");
  b = good;
  b.resize(22 + 40 + 20);
  put_u32(b, 14, 60);
  expect_rejected(b, "colour table too short");
  b = good;
  b[22] = 0x89;
  b[23] = 'P';
  b[24] = 'N';
  b[25] = 'G';
  expect_rejected(b, "PNG");
}

TEST(Ico, BestImageIsTheExactSizeWithMostColours) {
  std::vector<IconImage> images(3);
  images[0].color.resize(16, 16);
  images[0].bits_per_pixel = 8;
  images[1].color.resize(32, 32);
  images[1].bits_per_pixel = 1;
  images[2].color.resize(32, 32);
  images[2].bits_per_pixel = 4;
  EXPECT_EQ(win::best_icon_image(images, 32), 2u);
  EXPECT_EQ(win::best_icon_image(images, 16), 0u);
  EXPECT_EQ(win::best_icon_image(images, 48), 1u);
}

}  // namespace
