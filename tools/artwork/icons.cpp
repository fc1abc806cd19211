#include "tools/artwork/icons.h"

#include "tools/artwork/canvas.h"

namespace artwork {

namespace {

// The standard 16-colour palette, in the order icons index it.
constexpr Rgb kStandardPalette[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
constexpr Rgb kMonoPalette[2] = {{0, 0, 0}, {255, 255, 255}};

enum class Part { Clear, Outline, Title, Body, Shadow, CloseBox };

// The motif at 16 x 16 scaled by s: the window's outline from (s, 2s) to
// (13s - 1, 13s - 1), a title bar 3s rows high (at 32 x 32 with a close box
// at its right end), and a shadow s + 1 pixels deep along its right and
// bottom edges.
Part part_at(int x, int y, int s) {
  const int left = s, top = 2 * s, right = 13 * s - 1, bottom = 13 * s - 1, depth = s + 1;
  if (x >= left && x <= right && y >= top && y <= bottom) {
    if (x == left || x == right || y == top || y == bottom) return Part::Outline;
    if (s > 1 && x >= right - 5 && x <= right - 2 && y >= top + 2 && y <= top + 4)
      return Part::CloseBox;
    return y <= top + 3 * s ? Part::Title : Part::Body;
  }
  const bool right_shadow =
      x > right && x <= right + depth && y >= top + depth && y <= bottom + depth;
  const bool bottom_shadow =
      y > bottom && y <= bottom + depth && x >= left + depth && x <= right + depth;
  return right_shadow || bottom_shadow ? Part::Shadow : Part::Clear;
}

// Palette index of a part, and whether it is transparent.
struct Ink {
  int index;
  bool clear;
};

Ink colour_ink(Part part, int, int) {
  switch (part) {
    case Part::Outline: return {0, false};
    case Part::Title: return {6, false};  // blue-green
    case Part::Body:
    case Part::CloseBox: return {15, false};  // white
    case Part::Shadow: return {8, false};     // grey
    default: return {0, true};
  }
}

// Black and white: the shadow becomes a black checkerboard over the background.
Ink mono_ink(Part part, int x, int y) {
  switch (part) {
    case Part::Outline:
    case Part::Title: return {0, false};
    case Part::Body:
    case Part::CloseBox: return {1, false};
    case Part::Shadow: return (x + y) % 2 == 0 ? Ink{0, false} : Ink{0, true};
    default: return {0, true};
  }
}

IconResource make_icon(std::uint16_t id, int size, int bits) {
  const int s = size / 16;
  const bool mono = bits == 1;
  const int colours = 1 << bits;
  const std::size_t xor_stride = (std::size_t(size) * std::size_t(bits) + 31) / 32 * 4;
  const std::size_t and_stride = (std::size_t(size) + 31) / 32 * 4;

  IconResource icon{id, size, bits, {}};
  std::vector<std::uint8_t>& out = icon.bytes;
  put_u32(out, 40);
  put_u32(out, std::uint32_t(size));
  put_u32(out, std::uint32_t(2 * size));  // colour rows and mask rows
  put_u16(out, 1);
  put_u16(out, std::uint32_t(bits));
  put_u32(out, 0);  // BI_RGB
  put_u32(out, std::uint32_t((xor_stride + and_stride) * std::size_t(size)));
  for (int i = 0; i < 4; ++i) put_u32(out, 0);
  for (int i = 0; i < colours; ++i) {
    const Rgb c = mono ? kMonoPalette[i] : kStandardPalette[i];
    out.insert(out.end(), {c.b, c.g, c.r, 0});
  }
  std::vector<std::uint8_t> xor_rows(xor_stride * std::size_t(size), 0),
      and_rows(and_stride * std::size_t(size), 0);
  for (int y = 0; y < size; ++y) {
    const std::size_t row = std::size_t(size - 1 - y);  // bottom-up
    for (int x = 0; x < size; ++x) {
      const Part part = part_at(x, y, s);
      const Ink ink = mono ? mono_ink(part, x, y) : colour_ink(part, x, y);
      const int shift = 8 - bits * (x % (8 / bits) + 1);
      xor_rows[row * xor_stride + std::size_t(x * bits / 8)] |= std::uint8_t(ink.index << shift);
      if (ink.clear)
        and_rows[row * and_stride + std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
    }
  }
  out.insert(out.end(), xor_rows.begin(), xor_rows.end());
  out.insert(out.end(), and_rows.begin(), and_rows.end());
  return icon;
}

// The first eight bytes of a directory entry, shared by files and groups.
void put_entry_head(std::vector<std::uint8_t>& out, const IconResource& icon) {
  out.push_back(std::uint8_t(icon.size));
  out.push_back(std::uint8_t(icon.size));
  out.push_back(std::uint8_t(icon.bits_per_pixel == 1 ? 2 : 1 << icon.bits_per_pixel));
  out.push_back(0);
  put_u16(out, 1);
  put_u16(out, std::uint32_t(icon.bits_per_pixel));
}

void put_directory_head(std::vector<std::uint8_t>& out, std::size_t count) {
  put_u16(out, 0);
  put_u16(out, 1);  // icons
  put_u16(out, std::uint32_t(count));
}

}  // namespace

std::vector<IconResource> make_icon_resources() {
  return {make_icon(30001, 32, 1), make_icon(30002, 32, 4), make_icon(30003, 16, 4)};
}

std::vector<std::uint8_t> make_icon_group(const std::vector<IconResource>& icons) {
  std::vector<std::uint8_t> out;
  put_directory_head(out, icons.size());
  for (const IconResource& icon : icons) {
    put_entry_head(out, icon);
    put_u32(out, std::uint32_t(icon.bytes.size()));
    put_u16(out, icon.id);
  }
  return out;
}

std::vector<std::uint8_t> make_ico_file(const std::vector<IconResource>& icons) {
  std::vector<std::uint8_t> out;
  put_directory_head(out, icons.size());
  std::uint32_t offset = std::uint32_t(6 + 16 * icons.size());
  for (const IconResource& icon : icons) {
    put_entry_head(out, icon);
    put_u32(out, std::uint32_t(icon.bytes.size()));
    put_u32(out, offset);
    offset += std::uint32_t(icon.bytes.size());
  }
  for (const IconResource& icon : icons)
    out.insert(out.end(), icon.bytes.begin(), icon.bytes.end());
  return out;
}

}  // namespace artwork
