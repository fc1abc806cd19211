#include "tools/candybutton-render/image_files.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "platform/display/png.h"
#include "platform/display/whole_file.h"

namespace render {
namespace {

bool ends_with(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Whole or not at all: a failed write leaves no partial file at the path.
void write_file(const std::string& path, const std::string& header, const std::vector<char>& body) {
  display::WholeFile file(path, display::FileCreation::Replace);
  if (std::fwrite(header.data(), 1, header.size(), file.stream()) != header.size() ||
      std::fwrite(body.data(), 1, body.size(), file.stream()) != body.size())
    file.fail(errno);
  file.commit();
}

}  // namespace

void write_image(const win::Surface& image, const std::string& path) {
  if (!ends_with(path, ".ppm")) {
    display::write_png(image, path);
    return;
  }
  std::vector<char> body;
  body.reserve(image.pixels.size() * 3);
  for (win::COLORREF c : image.pixels) {
    body.push_back(char(c & 0xFF));
    body.push_back(char((c >> 8) & 0xFF));
    body.push_back(char((c >> 16) & 0xFF));
  }
  write_file(path,
             "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n",
             body);
}

void write_pbm(const std::vector<std::uint8_t>& bits, std::int32_t width, std::int32_t height,
               const std::string& path) {
  const std::size_t row_bytes = (std::size_t(width) + 7) / 8;
  std::vector<char> body(row_bytes * std::size_t(height), 0);
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x)
      if (bits[std::size_t(y) * std::size_t(width) + std::size_t(x)])
        body[std::size_t(y) * row_bytes + std::size_t(x) / 8] |= char(0x80 >> (x % 8));
  write_file(path, "P4\n" + std::to_string(width) + " " + std::to_string(height) + "\n", body);
}

}  // namespace render
