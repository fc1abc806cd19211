#include "platform/win/gdi/ico.h"

namespace win {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;

}  // namespace

IconImage decode_icon_image(ByteSpan dib, const std::string& context) {
  if (dib.size() >= 4 && dib[0] == 0x89 && dib[1] == 'P' && dib[2] == 'N' && dib[3] == 'G')
    fail_image(context, "PNG-compressed images are not supported");
  const BITMAPINFOHEADER header = read_info_header(dib, 0, context);
  // The height covers the colour rows and the mask rows.
  if (header.biHeight <= 0 || header.biHeight % 2 != 0 || header.biHeight / 2 > kMaxImageSide)
    fail_image(context, "height " + std::to_string(header.biHeight) + " is not twice a valid icon height");
  const std::int32_t height = header.biHeight / 2;
  const std::size_t xor_offset = dib_bits_offset(0, header);
  DibImage colour = decode_dib_pixels(dib, 0, header, height, false, xor_offset, context);

  const std::size_t and_offset = xor_offset + dib_stride(header.biWidth, header.biBitCount) * std::size_t(height);
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

std::vector<IconImage> decode_ico(ByteSpan bytes) {
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

  std::vector<IconImage> images;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kDirectorySize + i * kEntrySize;
    const std::string where = context + " image " + std::to_string(i + 1);
    const int width = bytes[entry] ? bytes[entry] : 256;
    const int height = bytes[entry + 1] ? bytes[entry + 1] : 256;
    const std::uint32_t size = read_u32(bytes, entry + 8, "dwBytesInRes");
    const std::uint32_t offset = read_u32(bytes, entry + 12, "dwImageOffset");
    if (offset > bytes.size() || size > bytes.size() - offset)
      fail_image(where, std::to_string(size) + " bytes at offset " + std::to_string(offset) +
                            " lie past the end of the " + std::to_string(bytes.size()) + "-byte file");
    IconImage image = decode_icon_image(bytes.subspan(offset, size), where);
    if (image.color.width != width || image.color.height != height)
      fail_image(where, "the directory gives " + std::to_string(width) + " x " + std::to_string(height) +
                            " but the image is " + std::to_string(image.color.width) + " x " +
                            std::to_string(image.color.height));
    images.push_back(std::move(image));
  }
  return images;
}

std::size_t best_icon_image(const std::vector<IconImage>& images, std::int32_t size) {
  if (images.empty()) throw ImageFormatError("ICO: no images to choose from");
  const auto exact = [size](const IconImage& image) {
    return image.color.width == size && image.color.height == size;
  };
  std::size_t best = 0;
  for (std::size_t i = 1; i < images.size(); ++i) {
    const IconImage& image = images[i];
    const IconImage& chosen = images[best];
    if (exact(image) ? !exact(chosen) || image.bits_per_pixel > chosen.bits_per_pixel
                     : !exact(chosen) && image.color.width > chosen.color.width)
      best = i;
  }
  return best;
}

}  // namespace win
