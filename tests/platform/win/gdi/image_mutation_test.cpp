// Thousands of randomly damaged pictures through the decoders: each must be
// decoded or rejected with an ImageFormatError, never crash, over-read or
// fail some other way. Run under the sanitizers to catch over-reads.
#include <gtest/gtest.h>

#include <random>

#include "platform/win/gdi/bmp.h"
#include "platform/win/gdi/ico.h"
#include "tests/platform/win/gdi/picture_fixtures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes mutate(Bytes bytes, std::mt19937& random) {
  const int edits = std::uniform_int_distribution<int>(1, 4)(random);
  for (int i = 0; i < edits && !bytes.empty(); ++i) {
    // Most damage goes into the headers, where the lengths live.
    const std::size_t limit = std::min<std::size_t>(bytes.size(), random() % 2 ? 80 : bytes.size());
    const std::size_t at = random() % limit;
    switch (random() % 5) {
      case 0: bytes[at] ^= std::uint8_t(1u << (random() % 8)); break;
      case 1: bytes[at] = std::uint8_t(random()); break;
      case 2: {
        static constexpr std::uint32_t extremes[] = {0,          1,      0x7FFFFFFF, 0x80000000,
                                                     0xFFFFFFFF, 0x4000, 0x10000};
        const std::uint32_t v = extremes[random() % std::size(extremes)];
        for (std::size_t k = 0; k < 4 && at + k < bytes.size(); ++k)
          bytes[at + k] = std::uint8_t(v >> (8 * k));
        break;
      }
      case 3: bytes.resize(random() % bytes.size()); break;
      default: bytes.insert(bytes.begin() + std::ptrdiff_t(at), std::uint8_t(random())); break;
    }
  }
  return bytes;
}

TEST(ImageMutation, DamagedPicturesAreDecodedOrRejectedCleanly) {
  const char* files[] = {"mono1.bmp",  "pal4.bmp", "pal8.bmp", "rgb24.bmp",
                         "rgba32.bmp", "pal4.ico", "pal8.ico", "rgba32.ico"};
  std::mt19937 random(20240611);
  int rejected = 0;
  for (const char* name : files) {
    const Bytes original = fixtures::read_picture(name);
    const bool is_icon = std::string(name).ends_with(".ico");
    for (int i = 0; i < 600; ++i) {
      const Bytes damaged = mutate(original, random);
      try {
        if (is_icon) win::decode_ico(damaged);
        else win::decode_bmp(damaged);
      } catch (const win::ImageFormatError&) {
        ++rejected;
      }
    }
  }
  // Most damage must be noticed; a few edits land in pixels and are harmless.
  EXPECT_GT(rejected, 1000);
}

}  // namespace
