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
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(pal8[0].color.at(x, y), fixtures::ramp_pattern(x, y)) << x << ", " << y;
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

// A 1-bit square icon image of `side` pixels; `truncated` drops its AND
// mask, so decoding it fails while its header still reads.
Bytes square_icon_image(int side, bool truncated) {
  const std::size_t stride = std::size_t((side + 31) / 32 * 4);
  Bytes dib(40 + 8 + 2 * stride * std::size_t(side), 0x55);
  put_u32(dib, 0, 40);
  put_u32(dib, 4, std::uint32_t(side));
  put_u32(dib, 8, std::uint32_t(2 * side));
  dib[12] = 1;
  dib[13] = 0;
  dib[14] = 1;
  for (std::size_t i = 15; i < 40; ++i) dib[i] = 0;
  if (truncated) dib.resize(40 + 8 + stride * std::size_t(side));
  return dib;
}

// An ICO file of the images, its entry i pointing at images[entry_image[i]].
Bytes ico_of(const std::vector<Bytes>& images, const std::vector<std::size_t>& entry_image) {
  const std::size_t count = entry_image.size();
  Bytes file(6 + 16 * count, 0);
  file[2] = 1;
  file[4] = std::uint8_t(count);
  file[5] = std::uint8_t(count >> 8);
  std::vector<std::size_t> offsets;
  for (const Bytes& image : images) {
    offsets.push_back(file.size());
    file.insert(file.end(), image.begin(), image.end());
  }
  for (std::size_t i = 0; i < count; ++i) {
    const Bytes& image = images[entry_image[i]];
    const std::size_t at = 6 + 16 * i;
    file[at] = file[at + 1] = image[4];  // the low byte: 256 is written as 0
    file[at + 4] = 1;
    file[at + 6] = 1;
    put_u32(file, at + 8, std::uint32_t(image.size()));
    put_u32(file, at + 12, std::uint32_t(offsets[entry_image[i]]));
  }
  return file;
}

TEST(Ico, DirectoryListingOneImageThousandsOfTimesIsRefusedBeforeDecoding) {
  // 8000 entries of one 256 x 256 image: 524 million pixels, 2 GB decoded.
  const Bytes bomb = ico_of({square_icon_image(256, false)}, std::vector<std::size_t>(8000, 0));
  expect_rejected(bomb,
                  "ICO: the 8000 images of the directory hold more than 16777216 pixels together");
  try {
    win::decode_best_ico_image(bomb, 32);
    ADD_FAILURE() << "accepted";
  } catch (const win::ImageFormatError& error) {
    EXPECT_NE(std::string(error.what()).find("more than 16777216 pixels"), std::string::npos)
        << error.what();
  }
  // 256 of them are the most a directory may hold.
  EXPECT_EQ(win::read_ico_directory(
                ico_of({square_icon_image(256, false)}, std::vector<std::size_t>(256, 0)))
                .size(),
            256u);
}

TEST(Ico, OnlyTheChosenImageIsDecoded) {
  // Entries 1 and 3 have damaged pixel data; the 32 x 32 entry 2 is the one chosen.
  const Bytes file = ico_of({square_icon_image(48, true), square_icon_image(32, false)}, {0, 1, 0});
  expect_rejected(file, "ICO image 1: truncated AND mask");
  const IconImage image = win::decode_best_ico_image(file, 32);
  EXPECT_EQ(image.color.width, 32);
  EXPECT_EQ(image.color.height, 32);
  const std::vector<win::IcoEntry> entries = win::read_ico_directory(file);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].width, 32);
  EXPECT_EQ(entries[1].bits_per_pixel, 1);
  EXPECT_EQ(win::best_icon_image(entries, 32), 1u);
  EXPECT_EQ(win::best_icon_image(entries, 16), 0u);
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
