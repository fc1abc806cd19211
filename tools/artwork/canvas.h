// An RGB canvas for the artwork, with coverage blending (smoothed edges)
// and the 24-bit BMP file layout the program's pictures use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artwork {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // top row first

  Canvas(int w, int h, Rgb fill)
      : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}
  Rgb& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  Rgb at(int x, int y) const {
    return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
  }

  // Mixes `colour` into the pixel by `coverage` (0..1); outside pixels are ignored.
  void blend(int x, int y, Rgb colour, double coverage);
};

// 14-byte file header, 40-byte info header, rows bottom-up from offset 54,
// each padded to 4 bytes; 24 bpp, 1 plane, resolution fields 0.
std::vector<std::uint8_t> encode_bmp24(const Canvas& canvas);

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Little-endian appends.
void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value);
void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value);

}  // namespace artwork
