#include "tools/artwork/canvas.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace artwork {

void Canvas::blend(int x, int y, Rgb colour, double coverage) {
  if (x < 0 || y < 0 || x >= width || y >= height || coverage <= 0) return;
  coverage = std::min(coverage, 1.0);
  Rgb& p = at(x, y);
  const auto mix = [coverage](std::uint8_t under, std::uint8_t over) {
    return std::uint8_t(std::nearbyint(under + (over - under) * coverage));
  };
  p = {mix(p.r, colour.r), mix(p.g, colour.g), mix(p.b, colour.b)};
}

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(std::uint8_t(value));
  out.push_back(std::uint8_t(value >> 8));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put_u16(out, value & 0xFFFF);
  put_u16(out, value >> 16);
}

std::vector<std::uint8_t> encode_bmp24(const Canvas& canvas) {
  const std::uint32_t stride = (std::uint32_t(canvas.width) * 3 + 3) / 4 * 4;
  const std::uint32_t data_size = stride * std::uint32_t(canvas.height);
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  put_u32(out, 54 + data_size);
  put_u32(out, 0);   // reserved
  put_u32(out, 54);  // pixel data offset
  put_u32(out, 40);
  put_u32(out, std::uint32_t(canvas.width));
  put_u32(out, std::uint32_t(canvas.height));
  put_u16(out, 1);   // planes
  put_u16(out, 24);  // bits per pixel
  put_u32(out, 0);   // BI_RGB
  put_u32(out, data_size);
  for (int i = 0; i < 4; ++i) put_u32(out, 0);  // resolution, colours used, important
  for (int y = canvas.height - 1; y >= 0; --y) {
    const std::size_t row_start = out.size();
    for (int x = 0; x < canvas.width; ++x) {
      const Rgb p = canvas.at(x, y);
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    out.resize(row_start + stride, 0);
  }
  return out;
}

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace artwork
