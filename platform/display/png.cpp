#include "platform/display/png.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace display {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// libpng reports errors by longjmp to the setjmp of the function that made
// the failing call; these two functions hold nothing that needs destroying.
bool write_rows(png_structp png, png_infop info, std::FILE* file, const win::Surface& image,
                png_byte* row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (std::int32_t y = 0; y < image.height; ++y) {
    for (std::int32_t x = 0; x < image.width; ++x) {
      const win::COLORREF c = image.at(x, y);
      row[static_cast<std::size_t>(x) * 3 + 0] = win::GetRValue(c);
      row[static_cast<std::size_t>(x) * 3 + 1] = win::GetGValue(c);
      row[static_cast<std::size_t>(x) * 3 + 2] = win::GetBValue(c);
    }
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  return true;
}

// Reads into `image`, which the caller sized from read_header.
bool read_header(png_structp png, png_infop info, std::FILE* file, png_uint_32* width,
                 png_uint_32* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_read_info(png, info);
  // Whatever the file holds, read it as 8-bit RGB.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_strip_alpha(png);
  png_set_gray_to_rgb(png);
  png_read_update_info(png, info);
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  return png_get_rowbytes(png, info) == static_cast<std::size_t>(*width) * 3;
}

bool read_rows(png_structp png, win::Surface* image, png_byte* row) {
  if (setjmp(png_jmpbuf(png))) return false;
  for (std::int32_t y = 0; y < image->height; ++y) {
    png_read_row(png, row, nullptr);
    for (std::int32_t x = 0; x < image->width; ++x) {
      const std::size_t i = static_cast<std::size_t>(x) * 3;
      image->at(x, y) = win::RGB(row[i], row[i + 1], row[i + 2]);
    }
  }
  return true;
}

}  // namespace

void write_png(const win::Surface& image, const std::string& path, FileCreation how) {
  if (image.width <= 0 || image.height <= 0)
    throw std::runtime_error("cannot write an empty image to " + path);
  WholeFile file(path, how);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<png_byte> row(static_cast<std::size_t>(image.width) * 3);
  errno = 0;
  const bool written = info && write_rows(png, info, file.stream(), image, row.data());
  const int error = errno;
  png_destroy_write_struct(&png, &info);
  if (!written) file.fail(error);
  file.commit();
}

win::Surface read_png(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) throw std::runtime_error("cannot open " + path);
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  bool ok = info && read_header(png, info, file.get(), &width, &height) && width <= 0x7FFF &&
            height <= 0x7FFF;
  win::Surface image;
  if (ok) {
    image.resize(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    ok = read_rows(png, &image, row.data());
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) throw std::runtime_error(path + " is not a PNG image this program can read");
  return image;
}

}  // namespace display
