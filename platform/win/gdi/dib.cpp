#include "platform/win/gdi/dib.h"

#include <bit>

namespace win {

namespace {

bool fits(ByteSpan bytes, std::size_t offset, std::size_t length) {
  return offset <= bytes.size() && length <= bytes.size() - offset;
}

// One channel of a BI_BITFIELDS pixel: an 8-bit wide contiguous mask.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
};

Channel channel_of(std::uint32_t mask, const std::string& context, const char* name) {
  const int shift = mask ? std::countr_zero(mask) : 0;
  if (mask == 0 || (mask >> shift) != 0xFF)
    fail_image(context, std::string("unsupported ") + name + " bit mask");
  return {mask, shift};
}

}  // namespace

void fail_image(const std::string& context, const std::string& problem) {
  throw ImageFormatError(context + ": " + problem);
}

void require_bytes(ByteSpan bytes, std::size_t offset, std::size_t length,
                   const std::string& context, const char* what) {
  if (fits(bytes, offset, length)) return;
  const std::size_t present = offset < bytes.size() ? bytes.size() - offset : 0;
  fail_image(context, std::string("truncated ") + what + ": " + std::to_string(length) +
                          " bytes needed at offset " + std::to_string(offset) + ", " +
                          std::to_string(present) + " present");
}

std::uint16_t read_u16(ByteSpan bytes, std::size_t offset, const char* what) {
  if (!fits(bytes, offset, 2))
    throw ImageFormatError(std::string("truncated data: ") + what + " lies past the end");
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t read_u32(ByteSpan bytes, std::size_t offset, const char* what) {
  if (!fits(bytes, offset, 4))
    throw ImageFormatError(std::string("truncated data: ") + what + " lies past the end");
  return std::uint32_t(bytes[offset]) | (std::uint32_t(bytes[offset + 1]) << 8) |
         (std::uint32_t(bytes[offset + 2]) << 16) | (std::uint32_t(bytes[offset + 3]) << 24);
}

std::size_t dib_stride(std::int32_t width, int bits) {
  const std::uint64_t row_bits = std::uint64_t(width) * std::uint64_t(bits);
  return static_cast<std::size_t>((row_bits + 31) / 32 * 4);
}

BITMAPINFOHEADER read_info_header(ByteSpan bytes, std::size_t offset, const std::string& context) {
  BITMAPINFOHEADER h;
  if (!fits(bytes, offset, 4)) fail_image(context, "truncated info header");
  h.biSize = read_u32(bytes, offset, "biSize");
  // 40: BITMAPINFOHEADER; 52/56: with bit masks; 108: V4; 124: V5. The
  // later headers extend the first, whose fields are all we need.
  if (h.biSize != 40 && h.biSize != 52 && h.biSize != 56 && h.biSize != 108 && h.biSize != 124)
    fail_image(context, "unsupported info header size " + std::to_string(h.biSize));
  if (!fits(bytes, offset, h.biSize)) fail_image(context, "truncated info header");
  h.biWidth = read_i32(bytes, offset + 4, "biWidth");
  h.biHeight = read_i32(bytes, offset + 8, "biHeight");
  h.biPlanes = read_u16(bytes, offset + 12, "biPlanes");
  h.biBitCount = read_u16(bytes, offset + 14, "biBitCount");
  h.biCompression = read_u32(bytes, offset + 16, "biCompression");
  h.biSizeImage = read_u32(bytes, offset + 20, "biSizeImage");
  h.biXPelsPerMeter = read_i32(bytes, offset + 24, "biXPelsPerMeter");
  h.biYPelsPerMeter = read_i32(bytes, offset + 28, "biYPelsPerMeter");
  h.biClrUsed = read_u32(bytes, offset + 32, "biClrUsed");
  h.biClrImportant = read_u32(bytes, offset + 36, "biClrImportant");

  if (h.biWidth <= 0 || h.biWidth > kMaxImageSide)
    fail_image(context, "width " + std::to_string(h.biWidth) + " out of range");
  if (h.biPlanes != 1)
    fail_image(context, "plane count " + std::to_string(h.biPlanes) + " is not 1");
  const int bits = h.biBitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    fail_image(context, "unsupported bit depth " + std::to_string(bits));
  if (h.biCompression != BI_RGB && !(h.biCompression == BI_BITFIELDS && bits == 32))
    fail_image(context, "unsupported compression " + std::to_string(h.biCompression));
  if (bits <= 8 && h.biClrUsed > (1u << bits))
    fail_image(context, "colour count " + std::to_string(h.biClrUsed) + " exceeds what " +
                            std::to_string(bits) + " bits can index");
  return h;
}

std::size_t dib_bits_offset(std::size_t header_offset, const BITMAPINFOHEADER& header) {
  std::size_t offset = header_offset + header.biSize;
  if (header.biCompression == BI_BITFIELDS && header.biSize == 40) offset += 12;
  if (header.biBitCount <= 8)
    offset += 4 * std::size_t(header.biClrUsed ? header.biClrUsed : 1u << header.biBitCount);
  else offset += 4 * std::size_t(header.biClrUsed);  // an optional optimisation palette
  return offset;
}

DibImage decode_dib_pixels(ByteSpan bytes, std::size_t header_offset,
                           const BITMAPINFOHEADER& header, std::int32_t height, bool top_down,
                           std::size_t bits_offset, const std::string& context) {
  if (height <= 0 || height > kMaxImageSide)
    fail_image(context, "height " + std::to_string(height) + " out of range");
  const int bits = header.biBitCount;
  const std::int32_t width = header.biWidth;

  // The colour table (or the three bit masks) directly follows the header.
  std::size_t table = header_offset + header.biSize;
  Channel red{0xFF0000, 16}, green{0xFF00, 8}, blue{0xFF, 0};
  // Plain 32-bit pixels keep alpha in the top byte; bit-field pixels only
  // when a V4/V5 header's alpha mask says so.
  bool alpha_in_top_byte = header.biCompression == BI_RGB;
  if (header.biCompression == BI_BITFIELDS) {
    const std::size_t masks = header.biSize == 40 ? table : header_offset + 40;
    if (!fits(bytes, masks, 12)) fail_image(context, "truncated bit masks");
    red = channel_of(read_u32(bytes, masks, "red mask"), context, "red");
    green = channel_of(read_u32(bytes, masks + 4, "green mask"), context, "green");
    blue = channel_of(read_u32(bytes, masks + 8, "blue mask"), context, "blue");
    if (header.biSize == 40) table += 12;
    if (header.biSize >= 56)
      alpha_in_top_byte = read_u32(bytes, header_offset + 52, "alpha mask") == 0xFF000000u;
  }
  std::vector<COLORREF> palette;
  if (bits <= 8) {
    const std::size_t count = header.biClrUsed ? header.biClrUsed : (1u << bits);
    if (!fits(bytes, table, count * 4))
      fail_image(context, "colour table too short: truncated before its " + std::to_string(count) +
                              " entries");
    palette.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t e = table + 4 * i;  // RGBQUAD: blue, green, red, reserved
      palette.push_back(RGB(bytes[e + 2], bytes[e + 1], bytes[e]));
    }
  }

  const std::size_t stride = dib_stride(width, bits);
  const std::size_t total = stride * std::size_t(height);
  require_bytes(bytes, bits_offset, total, context, "pixel data");

  DibImage image;
  image.bits_per_pixel = bits;
  image.pixels.resize(width, height);
  if (bits == 32) image.alpha.assign(image.pixels.pixels.size(), 0);
  for (std::int32_t row = 0; row < height; ++row) {
    const std::int32_t y = top_down ? row : height - 1 - row;
    const std::uint8_t* src = bytes.data() + bits_offset + stride * std::size_t(row);
    for (std::int32_t x = 0; x < width; ++x) {
      COLORREF colour = 0;
      if (bits <= 8) {
        const int per_byte = 8 / bits;
        const int shift = 8 - bits * (x % per_byte + 1);
        const unsigned index = (src[x / per_byte] >> shift) & ((1u << bits) - 1);
        if (index >= palette.size())
          fail_image(context, "colour index " + std::to_string(index) + " beyond the " +
                                  std::to_string(palette.size()) + "-entry colour table");
        colour = palette[index];
      } else if (bits == 24) {
        const std::uint8_t* p = src + 3 * std::size_t(x);
        colour = RGB(p[2], p[1], p[0]);
      } else {
        const std::uint32_t v =
            read_u32(bytes, bits_offset + stride * std::size_t(row) + 4 * std::size_t(x), "pixel");
        colour = RGB(BYTE((v & red.mask) >> red.shift), BYTE((v & green.mask) >> green.shift),
                     BYTE((v & blue.mask) >> blue.shift));
        const std::uint8_t a = alpha_in_top_byte ? BYTE(v >> 24) : 0;
        image.alpha[std::size_t(y) * std::size_t(width) + std::size_t(x)] = a;
        if (a) image.has_alpha = true;
      }
      image.pixels.at(x, y) = colour;
    }
  }
  return image;
}

}  // namespace win
