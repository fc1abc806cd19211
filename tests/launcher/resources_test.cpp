// The program's embedded pictures, icon images, icon group and version
// block, read back as a tool would read them: from the executable file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/win/gdi/bmp.h"
#include "platform/win/gdi/ico.h"
#include "resources/elf_section.h"
#include "resources/embedded.h"
#include "resources/icon_group.h"
#include "resources/resource_section.h"
#include "resources/version_info.h"

namespace {

using resources::Bytes;
using win::COLORREF;
using win::RGB;

std::uint32_t u32_at(Bytes b, std::size_t at) {
  return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
         (std::uint32_t(b[at + 3]) << 24);
}
std::uint16_t u16_at(Bytes b, std::size_t at) { return std::uint16_t(b[at] | (b[at + 1] << 8)); }

// The tests run in the source tree; __FILE__ may be relative to the build
// folder when a compiler cache rewrites it.
std::filesystem::path source_dir() {
  const std::filesystem::path here = std::filesystem::path(__FILE__).parent_path();
  return here.is_absolute() ? here / "../.." : std::filesystem::current_path();
}

std::vector<unsigned char> read_file(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct ExpectedPicture {
  const char* symbol;
  const char* file;
  int width, height;
  std::uint32_t file_size;
};

constexpr ExpectedPicture kPictures[] = {{"background_bmp", "background.bmp", 400, 240, 288054},
                                         {"logo_bmp", "logo.bmp", 272, 81, 66150},
                                         {"box_bmp", "box.bmp", 66, 72, 14454}};

TEST(Resources, PicturesHaveThePlainTwentyFourBitLayout) {
  for (const ExpectedPicture& want : kPictures) {
    SCOPED_TRACE(want.file);
    const Bytes b = resources::embedded(want.symbol);
    ASSERT_EQ(b.size(), want.file_size);
    EXPECT_EQ(std::vector<unsigned char>(b.begin(), b.end()),
              read_file(source_dir() / "resources" / want.file));
    const std::uint32_t stride = (std::uint32_t(want.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32_at(b, 2), want.file_size);
    EXPECT_EQ(u32_at(b, 6), 0u);
    EXPECT_EQ(u32_at(b, 10), 54u);
    EXPECT_EQ(u32_at(b, 14), 40u);
    EXPECT_EQ(std::int32_t(u32_at(b, 18)), want.width);
    EXPECT_EQ(std::int32_t(u32_at(b, 22)), want.height);  // positive: bottom-up
    EXPECT_EQ(u16_at(b, 26), 1);
    EXPECT_EQ(u16_at(b, 28), 24);
    EXPECT_EQ(u32_at(b, 30), 0u);  // BI_RGB
    EXPECT_EQ(54 + stride * std::uint32_t(want.height), want.file_size);
    EXPECT_EQ(u32_at(b, 38), 0u);  // resolution
    EXPECT_EQ(u32_at(b, 42), 0u);
    EXPECT_EQ(u32_at(b, 46), 0u);  // no palette
  }
}

// Every pixel lies between white and the ink colour (smoothed edges mix
// the two), the corners are white and some pixels are pure ink.
void expect_ink_on_white(const win::Surface& picture, COLORREF ink) {
  const auto along = [](int white_part, int ink_part, double t) {
    return 255 + (ink_part - 255) * t - white_part;
  };
  int pure = 0;
  for (COLORREF p : picture.pixels) {
    const double t = (255.0 - win::GetGValue(p)) / (255.0 - win::GetGValue(ink));
    ASSERT_NEAR(along(win::GetRValue(p), win::GetRValue(ink), t), 0, 1.5) << std::hex << p;
    ASSERT_NEAR(along(win::GetBValue(p), win::GetBValue(ink), t), 0, 1.5) << std::hex << p;
    pure += p == ink;
  }
  EXPECT_GT(pure, 100);
  const int w = picture.width - 1, h = picture.height - 1;
  for (COLORREF corner : {picture.at(0, 0), picture.at(w, 0), picture.at(0, h), picture.at(w, h)})
    EXPECT_EQ(corner, RGB(255, 255, 255));
}

TEST(Resources, PicturesShowTheirMotifOnWhite) {
  const win::DibImage background = win::decode_bmp(resources::embedded("background_bmp"));
  for (COLORREF p : background.pixels.pixels) ASSERT_EQ(p, RGB(255, 255, 255));
  expect_ink_on_white(win::decode_bmp(resources::embedded("logo_bmp")).pixels, RGB(22, 142, 205));
  expect_ink_on_white(win::decode_bmp(resources::embedded("box_bmp")).pixels, RGB(7, 57, 84));
}

struct ExpectedIcon {
  std::uint16_t id;
  int size, bits;
  std::uint32_t bytes;
};
constexpr ExpectedIcon kIcons[] = {{30001, 32, 1, 304}, {30002, 32, 4, 744}, {30003, 16, 4, 296}};

TEST(Resources, IconImagesAreStoredAsIconResources) {
  for (const ExpectedIcon& want : kIcons) {
    SCOPED_TRACE(want.id);
    const Bytes dib = resources::icon_image(want.id);
    ASSERT_EQ(dib.size(), want.bytes);
    EXPECT_EQ(u32_at(dib, 0), 40u);
    EXPECT_EQ(std::int32_t(u32_at(dib, 4)), want.size);
    EXPECT_EQ(std::int32_t(u32_at(dib, 8)), 2 * want.size);
    EXPECT_EQ(u16_at(dib, 14), want.bits);
    const win::IconImage image = win::decode_icon_image(dib);
    EXPECT_EQ(image.bits_per_pixel, want.bits);
    ASSERT_EQ(image.color.width, want.size);
    // The window motif: transparent corner, white body, title bar, shadow.
    const int s = want.size / 16;
    const auto clear = [&](int x, int y) {
      return bool(image.transparent[std::size_t(y * want.size + x)]);
    };
    EXPECT_TRUE(clear(0, 0));
    EXPECT_TRUE(clear(want.size - 1, 0));
    EXPECT_FALSE(clear(6 * s, 10 * s));
    EXPECT_EQ(image.color.at(6 * s, 10 * s), RGB(255, 255, 255));
    const COLORREF title = image.color.at(4 * s, 3 * s);
    EXPECT_EQ(title, want.bits == 1 ? RGB(0, 0, 0) : RGB(0, 128, 128));
    if (want.bits == 4) {
      EXPECT_EQ(image.color.at(13 * s, 8 * s), RGB(128, 128, 128));
    }
    EXPECT_EQ(std::vector<unsigned char>(dib.begin(), dib.end()),
              read_file(source_dir() / "resources" / ("icon" + std::to_string(want.id) + ".dib")));
  }
}

TEST(Resources, IconGroupListsTheThreeImages) {
  const std::vector<resources::GroupIconEntry> group =
      resources::parse_icon_group(resources::icon_group());
  ASSERT_EQ(group.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(group[i].id, kIcons[i].id);
    EXPECT_EQ(group[i].width, kIcons[i].size);
    EXPECT_EQ(group[i].height, kIcons[i].size);
    EXPECT_EQ(group[i].bit_count, kIcons[i].bits);
    EXPECT_EQ(group[i].planes, 1);
    EXPECT_EQ(group[i].color_count, 1 << kIcons[i].bits);
    EXPECT_EQ(group[i].bytes_in_res, kIcons[i].bytes);
  }
  const std::vector<win::IconImage> ico =
      win::decode_ico(resources::embedded("brindlecovemediacenter_ico"));
  ASSERT_EQ(ico.size(), 3u);
  EXPECT_EQ(ico[0].bits_per_pixel, 1);
  EXPECT_EQ(ico[2].color.width, 16);
}

void expect_program_version_block(Bytes section) {
  const resources::VersionInfo info =
      resources::parse_version_info(resources::find_resource(section, resources::RT_VERSION, 1));
  const resources::FixedFileInfo& f = info.fixed;
  EXPECT_EQ(f.signature, 0xFEEF04BDu);
  EXPECT_EQ(f.file_version_ms, 0x00010000u);
  EXPECT_EQ(f.file_version_ls, 0u);
  EXPECT_EQ(f.product_version_ms, 0x00010000u);
  EXPECT_EQ(f.product_version_ls, 0u);
  EXPECT_EQ(f.flags_mask, 0u);
  EXPECT_EQ(f.flags, 0u);
  EXPECT_EQ(f.os, 4u);    // VOS__WINDOWS32
  EXPECT_EQ(f.type, 1u);  // VFT_APP
  EXPECT_EQ(f.subtype, 0u);
  EXPECT_EQ(f.date_ms, 0u);
  EXPECT_EQ(f.date_ls, 0u);
  ASSERT_EQ(info.string_tables.size(), 1u);
  EXPECT_EQ(info.string_tables[0].name, "040904B0");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"ProductName", "brindlecovemediacenter"},
      {"FileVersion", "1.00"},
      {"ProductVersion", "1.00"},
      {"InternalName", "brindlecovemediacenter"},
      {"OriginalFilename", "brindlecovemediacenter.exe"}};
  EXPECT_EQ(info.string_tables[0].strings, expected);
  ASSERT_EQ(info.translations.size(), 1u);
  EXPECT_EQ(info.translations[0], std::make_pair(std::uint16_t(0x0409), std::uint16_t(0x04B0)));
  EXPECT_EQ(
      resources::parse_icon_group(resources::find_resource(section, resources::RT_GROUP_ICON, 1))
          .size(),
      3u);
}

TEST(Resources, VersionBlockReadsBackFromTheExecutableFile) {
  const std::vector<unsigned char> own = resources::read_elf_section("/proc/self/exe", ".rsrc");
  expect_program_version_block(own);
  const std::filesystem::path launcher =
      std::filesystem::read_symlink("/proc/self/exe").parent_path() /
      "../launcher/brindlecovemediacenter";
  if (!std::filesystem::exists(launcher)) GTEST_SKIP() << "the launcher is not built: " << launcher;
  expect_program_version_block(resources::read_elf_section(launcher.string(), ".rsrc"));
}

TEST(Resources, VersionBlockUsesWindowsAlignment) {
  const Bytes block = resources::version_block();
  EXPECT_EQ(u16_at(block, 0), block.size());
  EXPECT_EQ(u16_at(block, 2), 52);  // VS_FIXEDFILEINFO
  // "VS_VERSION_INFO" and its NUL are 32 bytes from offset 6; the fixed part
  // starts at the next 32-bit boundary.
  EXPECT_EQ(u32_at(block, 40), 0xFEEF04BDu);
  EXPECT_EQ(block.size() % 4, 0u);
}

TEST(Resources, DamagedResourceDataIsRejected) {
  const Bytes block = resources::version_block();
  std::vector<unsigned char> cut(block.begin(), block.end() - 8);
  EXPECT_THROW(resources::parse_version_info(cut), resources::ResourceError);
  std::vector<unsigned char> section(resources::resource_section().begin(),
                                     resources::resource_section().end());
  section[8] = 0xFF;  // entry count
  EXPECT_THROW(resources::parse_section(section), resources::ResourceError);
  EXPECT_THROW(resources::find_resource(resources::resource_section(), resources::RT_ICON, 1),
               resources::ResourceError);
  EXPECT_THROW(resources::embedded("no_such_thing"), std::out_of_range);
}

// A chain of `depth` version nodes with empty keys, each the only child of
// the one before: 8 bytes a node.
std::vector<unsigned char> nested_version_nodes(int depth) {
  std::vector<unsigned char> block(8 * std::size_t(depth), 0);
  for (int level = 0; level < depth; ++level) {
    const std::size_t at = 8 * std::size_t(level);
    const std::size_t length = block.size() - at;
    block[at] = std::uint8_t(length);
    block[at + 1] = std::uint8_t(length >> 8);
    block[at + 4] = 1;  // text
  }
  return block;
}

TEST(Resources, VersionBlockNestedThousandsDeepIsRefusedNotRecursed) {
  // 8191 levels fill a 64 KiB block and overflowed a 1 MiB stack.
  try {
    resources::parse_version_node(nested_version_nodes(8191));
    ADD_FAILURE() << "accepted";
  } catch (const resources::ResourceError& e) {
    EXPECT_STREQ(e.what(), "version block: nodes nest deeper than 16 levels");
  }
  EXPECT_THROW(resources::parse_version_node(nested_version_nodes(17)), resources::ResourceError);
  const resources::VersionNode root = resources::parse_version_node(nested_version_nodes(16));
  const resources::VersionNode* node = &root;
  int depth = 1;
  for (; !node->children.empty(); node = &node->children.front()) ++depth;
  EXPECT_EQ(depth, 16);
}

TEST(Resources, RandomlyDamagedResourcesAreReadOrRejectedCleanly) {
  std::mt19937 random(1402);
  const Bytes section = resources::resource_section();
  const Bytes originals[] = {resources::version_block(), resources::icon_group(), section};
  for (int i = 0; i < 3000; ++i) {
    const Bytes original = originals[i % 3];
    std::vector<unsigned char> bytes(original.begin(), original.end());
    for (int edit = 0; edit < 3; ++edit)
      bytes[random() % std::min<std::size_t>(bytes.size(), 96)] = std::uint8_t(random());
    if (random() % 4 == 0) bytes.resize(random() % bytes.size());
    try {
      if (i % 3 == 0) resources::parse_version_info(bytes);
      if (i % 3 == 1) resources::parse_icon_group(bytes);
      if (i % 3 == 2)
        for (const resources::ResourceEntry& entry : resources::parse_section(bytes))
          if (entry.type == resources::RT_VERSION) resources::parse_version_info(entry.bytes);
    } catch (const resources::ResourceError&) {
    }
  }
}

}  // namespace
