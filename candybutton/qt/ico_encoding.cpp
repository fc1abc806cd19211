#include "candybutton/qt/ico_encoding.h"

#include <stdexcept>
#include <string>

namespace candy::qt {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(std::uint8_t(value));
  out.push_back(std::uint8_t(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encode_ico(const QImage& image) {
  if (image.isNull()) throw std::invalid_argument("encode_ico: the image is empty");
  const int width = image.width();
  const int height = image.height();
  if (width > kMaxIcoSide || height > kMaxIcoSide)
    throw std::invalid_argument("encode_ico: a " + std::to_string(width) + " x " +
                                std::to_string(height) + " image is larger than an icon's " +
                                std::to_string(kMaxIcoSide) + " pixels a side");
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const std::uint32_t mask_stride = std::uint32_t((width + 31) / 32 * 4);
  const std::uint32_t header_size = 40;
  const std::uint32_t image_size =
      header_size + std::uint32_t(width * height * 4) + mask_stride * std::uint32_t(height);

  std::vector<std::uint8_t> out;
  out.reserve(6 + 16 + image_size);
  // ICONDIR and its one entry; a side of 256 is written as 0.
  put16(out, 0);
  put16(out, 1);
  put16(out, 1);
  out.push_back(std::uint8_t(width == kMaxIcoSide ? 0 : width));
  out.push_back(std::uint8_t(height == kMaxIcoSide ? 0 : height));
  out.push_back(0);  // no palette
  out.push_back(0);
  put16(out, 1);   // planes
  put16(out, 32);  // bits a pixel
  put32(out, image_size);
  put32(out, 6 + 16);
  // BITMAPINFOHEADER: the height counts the colour rows and the mask rows.
  put32(out, header_size);
  put32(out, std::uint32_t(width));
  put32(out, std::uint32_t(height * 2));
  put16(out, 1);
  put16(out, 32);
  for (int i = 0; i < 6; ++i) put32(out, 0);  // BI_RGB, sizes, resolutions, colours
  // Both bitmaps bottom-up.
  for (int y = height - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      const bool opaque = qAlpha(row[x]) >= 128;
      out.push_back(std::uint8_t(qBlue(row[x])));
      out.push_back(std::uint8_t(qGreen(row[x])));
      out.push_back(std::uint8_t(qRed(row[x])));
      out.push_back(opaque ? 0xFF : 0);
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    std::vector<std::uint8_t> bits(mask_stride, 0);
    for (int x = 0; x < width; ++x)
      if (qAlpha(row[x]) < 128) bits[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), bits.begin(), bits.end());
  }
  return out;
}

}  // namespace candy::qt
