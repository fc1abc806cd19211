#include "platform/win/gdi/bmp.h"

namespace win {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
const std::string kContext = "BMP";

[[noreturn]] void fail(const std::string& problem) { fail_image(kContext, problem); }

}  // namespace

DibImage decode_bmp(ByteSpan bytes) {
  if (bytes.size() < kFileHeaderSize)
    fail("truncated file header (" + std::to_string(bytes.size()) + " bytes)");
  if (bytes[0] != 'B' || bytes[1] != 'M') fail("bad magic: the file does not start with \"BM\"");
  const std::uint32_t file_size = read_u32(bytes, 2, "bfSize");
  const std::uint32_t bits_offset = read_u32(bytes, 10, "bfOffBits");
  // Some writers leave the size 0; one larger than the data means it was cut.
  if (file_size > bytes.size())
    fail("truncated file: the header gives " + std::to_string(file_size) + " bytes, " +
         std::to_string(bytes.size()) + " present");

  const BITMAPINFOHEADER header = read_info_header(bytes, kFileHeaderSize, kContext);
  if (header.biHeight == 0 || header.biHeight < -kMaxImageSide || header.biHeight > kMaxImageSide)
    fail("height " + std::to_string(header.biHeight) + " out of range");
  if (bits_offset < dib_bits_offset(kFileHeaderSize, header))
    fail("pixel data offset " + std::to_string(bits_offset) +
         " overlaps the headers or colour table");
  if (bits_offset >= bytes.size())
    fail("pixel data offset " + std::to_string(bits_offset) + " lies past the end of the " +
         std::to_string(bytes.size()) + "-byte file");

  const bool top_down = header.biHeight < 0;
  const std::int32_t height = top_down ? -header.biHeight : header.biHeight;
  return decode_dib_pixels(bytes, kFileHeaderSize, header, height, top_down, bits_offset, kContext);
}

}  // namespace win
