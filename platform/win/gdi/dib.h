// Device-independent bitmaps: the BITMAPINFOHEADER layout shared by BMP
// files and icon images. The reader works on a byte span and checks every
// field and every length before it reads, so a corrupt or truncated image
// gives an ImageFormatError naming what was wrong, never an over-read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win/gdi/surface.h"
#include "platform/win/kernel/types.h"

namespace win {

class ImageFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using ByteSpan = std::span<const std::uint8_t>;

// Throws ImageFormatError "<context>: <problem>".
[[noreturn]] void fail_image(const std::string& context, const std::string& problem);
// Throws "truncated <what>: N bytes needed at offset O, P present" unless
// `bytes` hold `length` bytes from `offset`.
void require_bytes(ByteSpan bytes, std::size_t offset, std::size_t length,
                   const std::string& context, const char* what);

inline constexpr DWORD BI_RGB = 0;
inline constexpr DWORD BI_BITFIELDS = 3;

// Largest width or height accepted; real pictures of this program are tiny,
// and the limit keeps size arithmetic far from overflow.
inline constexpr std::int32_t kMaxImageSide = 16384;

struct BITMAPINFOHEADER {
  DWORD biSize = 40;
  LONG biWidth = 0;
  LONG biHeight = 0;
  WORD biPlanes = 1;
  WORD biBitCount = 0;
  DWORD biCompression = BI_RGB;
  DWORD biSizeImage = 0;
  LONG biXPelsPerMeter = 0;
  LONG biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};

// Little-endian reads with bounds checks; `what` names the field in errors.
std::uint16_t read_u16(ByteSpan bytes, std::size_t offset, const char* what);
std::uint32_t read_u32(ByteSpan bytes, std::size_t offset, const char* what);
inline std::int32_t read_i32(ByteSpan bytes, std::size_t offset, const char* what) {
  return static_cast<std::int32_t>(read_u32(bytes, offset, what));
}

// Bytes of one row of `width` pixels at `bits` per pixel, padded to 4 bytes.
std::size_t dib_stride(std::int32_t width, int bits);

BITMAPINFOHEADER read_info_header(ByteSpan bytes, std::size_t offset, const std::string& context);

struct DibImage {
  Surface pixels;  // top row first, 0x00BBGGRR
  int bits_per_pixel = 0;
  std::vector<std::uint8_t> alpha;  // per pixel, only for 32-bit images
  bool has_alpha = false;           // some alpha byte is not zero
};

// Decodes `height` rows of colour data (height > 0 here; `top_down` says the
// row order). `header_offset` is where the info header starts: the colour
// table follows it. `bits_offset` is where the pixel rows start.
DibImage decode_dib_pixels(ByteSpan bytes, std::size_t header_offset,
                           const BITMAPINFOHEADER& header, std::int32_t height, bool top_down,
                           std::size_t bits_offset, const std::string& context);

// Where the pixel rows begin when they follow the header and colour table.
std::size_t dib_bits_offset(std::size_t header_offset, const BITMAPINFOHEADER& header);

}  // namespace win
