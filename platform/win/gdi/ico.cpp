#include "platform/win/gdi/ico.h"

namespace win {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;

// The header of an icon image, whose height covers the colour rows and the
// mask rows.
BITMAPINFOHEADER read_icon_header(ByteSpan dib, const std::string& context) {
  if (dib.size() >= 4 && dib[0] == 0x89 && dib[1] == 'P' && dib[2] == 'N' && dib[3] == 'G')
    fail_image(context, "PNG-compressed images are not supported");
  const BITMAPINFOHEADER header = read_info_header(dib, 0, context);
  if (header.biHeight <= 0 || header.biHeight % 2 != 0 || header.biHeight / 2 > kMaxImageSide)
    fail_image(context,
               "height " + std::to_string(header.biHeight) + " is not twice a valid icon height");
  return header;
}

}  // namespace

IconImage decode_icon_image(ByteSpan dib, const std::string& context) {
  const BITMAPINFOHEADER header = read_icon_header(dib, context);
  const std::int32_t height = header.biHeight / 2;
  const std::size_t xor_offset = dib_bits_offset(0, header);
  DibImage colour = decode_dib_pixels(dib, 0, header, height, false, xor_offset, context);

  const std::size_t and_offset =
      xor_offset + dib_stride(header.biWidth, header.biBitCount) * std::size_t(height);
  const std::size_t and_stride = dib_stride(header.biWidth, 1);
  require_bytes(dib, and_offset, and_stride * std::size_t(height), context, "AND mask");

  IconImage image;
  image.bits_per_pixel = colour.bits_per_pixel;
  const std::size_t width = std::size_t(header.biWidth);
  image.transparent.assign(width * std::size_t(height), false);
  for (std::int32_t row = 0; row < height; ++row) {
    const std::size_t y = std::size_t(height - 1 - row);
    const std::uint8_t* mask = dib.data() + and_offset + and_stride * std::size_t(row);
    for (std::size_t x = 0; x < width; ++x) {
      bool clear = (mask[x / 8] >> (7 - x % 8)) & 1;
      // A 32-bit image with alpha is transparent where its alpha is zero.
      if (colour.has_alpha && colour.alpha[y * width + x] == 0) clear = true;
      image.transparent[y * width + x] = clear;
    }
  }
  image.color = std::move(colour.pixels);
  return image;
}

std::vector<IcoEntry> read_ico_directory(ByteSpan bytes) {
  const std::string context = "ICO";
  if (bytes.size() < kDirectorySize)
    fail_image(context, "truncated icon directory (" + std::to_string(bytes.size()) + " bytes)");
  if (read_u16(bytes, 0, "reserved") != 0 || read_u16(bytes, 2, "type") != 1)
    fail_image(context, "bad magic: not an icon directory (reserved 0, type 1)");
  const std::size_t count = read_u16(bytes, 4, "count");
  if (count == 0) fail_image(context, "the directory lists no images");
  if (bytes.size() < kDirectorySize + count * kEntrySize)
    fail_image(context, "truncated directory: " + std::to_string(count) + " entries need " +
                            std::to_string(kDirectorySize + count * kEntrySize) + " bytes");

  std::vector<IcoEntry> entries;
  std::size_t pixels = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kDirectorySize + i * kEntrySize;
    IcoEntry entry;
    entry.where = context + " image " + std::to_string(i + 1);
    entry.width = bytes[at] ? bytes[at] : 256;
    entry.height = bytes[at + 1] ? bytes[at + 1] : 256;
    const std::uint32_t size = read_u32(bytes, at + 8, "dwBytesInRes");
    const std::uint32_t offset = read_u32(bytes, at + 12, "dwImageOffset");
    if (offset > bytes.size() || size > bytes.size() - offset)
      fail_image(entry.where, std::to_string(size) + " bytes at offset " + std::to_string(offset) +
                                  " lie past the end of the " + std::to_string(bytes.size()) +
                                  "-byte file");
    entry.dib = bytes.subspan(offset, size);
    const BITMAPINFOHEADER header = read_icon_header(entry.dib, entry.where);
    if (header.biWidth != entry.width || header.biHeight != 2 * entry.height)
      fail_image(entry.where, "the directory gives " + std::to_string(entry.width) + " x " +
                                  std::to_string(entry.height) + " but the image is " +
                                  std::to_string(header.biWidth) + " x " +
                                  std::to_string(header.biHeight / 2));
    entry.bits_per_pixel = header.biBitCount;
    pixels += std::size_t(entry.width) * std::size_t(entry.height);
    if (pixels > kMaxIcoPixels)
      fail_image(context, "the " + std::to_string(count) +
                              " images of the directory hold more than " +
                              std::to_string(kMaxIcoPixels) + " pixels together");
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<IconImage> decode_ico(ByteSpan bytes) {
  std::vector<IconImage> images;
  for (const IcoEntry& entry : read_ico_directory(bytes))
    images.push_back(decode_icon_image(entry.dib, entry.where));
  return images;
}

IconImage decode_best_ico_image(ByteSpan bytes, std::int32_t size) {
  const std::vector<IcoEntry> entries = read_ico_directory(bytes);
  const IcoEntry& best = entries[best_icon_image(entries, size)];
  return decode_icon_image(best.dib, best.where);
}

namespace {

// The exact size with the most colours, else the largest; `at(i)` gives
// width, height and bits per pixel of candidate i.
template <class At>
std::size_t best_of(std::size_t count, std::int32_t size, At at) {
  if (count == 0) throw ImageFormatError("ICO: no images to choose from");
  const auto exact = [size](const auto& c) { return c.width == size && c.height == size; };
  std::size_t best = 0;
  for (std::size_t i = 1; i < count; ++i) {
    const auto image = at(i);
    const auto chosen = at(best);
    if (exact(image) ? !exact(chosen) || image.bits > chosen.bits
                     : !exact(chosen) && image.width > chosen.width)
      best = i;
  }
  return best;
}

struct Candidate {
  std::int32_t width;
  std::int32_t height;
  int bits;
};

}  // namespace

std::size_t best_icon_image(const std::vector<IconImage>& images, std::int32_t size) {
  return best_of(images.size(), size, [&](std::size_t i) {
    return Candidate{images[i].color.width, images[i].color.height, images[i].bits_per_pixel};
  });
}

std::size_t best_icon_image(const std::vector<IcoEntry>& entries, std::int32_t size) {
  return best_of(entries.size(), size, [&](std::size_t i) {
    return Candidate{entries[i].width, entries[i].height, entries[i].bits_per_pixel};
  });
}

}  // namespace win
