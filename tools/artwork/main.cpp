// Writes the program's artwork and resources into a folder (default
// "resources"): the three pictures, the icon images, an ICO file made of
// them for the window icon, and the resource section (icon images, icon
// group, version block).
//
//   artwork [FOLDER]
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "resources/section_format.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/emblem.h"
#include "tools/artwork/icons.h"
#include "tools/artwork/lettering.h"
#include "tools/artwork/version_block.h"

namespace {

using namespace artwork;

constexpr Rgb kLogoBlue{22, 142, 205};

// The product's name large, "Media Center" smaller and centred beneath it.
Canvas make_logo() {
  Canvas canvas(272, 81, kWhite);
  Lettering font("URW Gothic:demibold");
  const std::string name = "brindlecove", tagline = "Media Center";
  constexpr int kMargin = 4, kGap = 5;
  // The largest lettering whose two lines fit the picture.
  for (int size = 80; size > 8; --size) {
    font.set_pixel_size(size);
    const Lettering::Box big = font.measure(name);
    const int small_size = size * 9 / 20;
    font.set_pixel_size(small_size);
    const Lettering::Box small = font.measure(tagline);
    const int total = (big.bottom - big.top) + kGap + (small.bottom - small.top);
    if (big.right - big.left > canvas.width - 2 * kMargin || total > canvas.height - 2 * kMargin)
      continue;
    const int top = (canvas.height - total) / 2;
    const int big_baseline = top - big.top;
    const int small_baseline = top + (big.bottom - big.top) + kGap - small.top;
    font.set_pixel_size(size);
    font.draw(canvas, name, (canvas.width - (big.right - big.left)) / 2 - big.left, big_baseline,
              kLogoBlue);
    font.set_pixel_size(small_size);
    font.draw(canvas, tagline, (canvas.width - (small.right - small.left)) / 2 - small.left,
              small_baseline, kLogoBlue);
    std::printf("logo: %s at %d and %d px\n", font.file().c_str(), size, small_size);
    return canvas;
  }
  throw std::runtime_error("the logo lettering does not fit");
}

void align4(std::vector<std::uint8_t>& out) {
  while (out.size() % 4) out.push_back(0);
}

struct Resource {
  std::uint32_t type, id;
  const std::vector<std::uint8_t>* bytes;
};

std::vector<std::uint8_t> make_section(const std::vector<Resource>& entries) {
  std::vector<std::uint8_t> out(resources::kSectionMagic, resources::kSectionMagic + 8);
  put_u32(out, std::uint32_t(entries.size()));
  put_u32(out, 0);
  std::size_t offset =
      resources::kSectionHeaderSize + entries.size() * resources::kSectionEntrySize;
  for (const Resource& entry : entries) {
    put_u32(out, entry.type);
    put_u32(out, entry.id);
    put_u32(out, std::uint32_t(offset));
    put_u32(out, std::uint32_t(entry.bytes->size()));
    offset = (offset + entry.bytes->size() + 3) / 4 * 4;
  }
  for (const Resource& entry : entries) {
    out.insert(out.end(), entry.bytes->begin(), entry.bytes->end());
    align4(out);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string folder = argc > 1 ? argv[1] : "resources";
    write_file(folder + "/background.bmp", encode_bmp24(Canvas(400, 240, kWhite)));
    write_file(folder + "/logo.bmp", encode_bmp24(make_logo()));
    Canvas box(66, 72, kWhite);
    draw_cube(box, kNavy);
    write_file(folder + "/box.bmp", encode_bmp24(box));

    const std::vector<IconResource> icons = make_icon_resources();
    for (const IconResource& icon : icons)
      write_file(folder + "/icon" + std::to_string(icon.id) + ".dib", icon.bytes);
    write_file(folder + "/brindlecovemediacenter.ico", make_ico_file(icons));

    const std::vector<std::uint8_t> group = make_icon_group(icons);
    const std::vector<std::uint8_t> version = make_version_block();
    std::vector<Resource> entries;
    for (const IconResource& icon : icons)
      entries.push_back({resources::RT_ICON, icon.id, &icon.bytes});
    entries.push_back({resources::RT_GROUP_ICON, 1, &group});
    entries.push_back({resources::RT_VERSION, 1, &version});
    write_file(folder + "/rsrc.bin", make_section(entries));
    std::printf("artwork written to %s\n", folder.c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "artwork: %s\n", error.what());
    return 1;
  }
}
