#include "platform/win/ole/picture.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/bmp.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/icon.h"
#include "platform/win/gdi/ico.h"

namespace win {

namespace {

// MulDiv's rounding: the quotient rounded half away from zero.
LONG mul_div(LONG value, LONG numerator, LONG denominator) {
  const std::int64_t product = std::int64_t(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<LONG>(product >= 0 ? (product + half) / denominator
                                        : (product - half) / denominator);
}

// The size an icon is shown at when a picture is made from an ICO file.
constexpr std::int32_t kIconSize = 32;

}  // namespace

LONG pixels_to_himetric(LONG pixels) { return mul_div(pixels, 2540, 96); }
LONG himetric_to_pixels(LONG himetric) { return mul_div(himetric, 96, 2540); }

Picture::~Picture() {
  if (m_type == PICTYPE_BITMAP) DeleteObject(HBITMAP{m_handle});
  if (m_type == PICTYPE_ICON) DestroyIcon(HICON{m_handle});
}

std::shared_ptr<Picture> Picture::from_bitmap(HBITMAP bitmap) {
  const Bitmap* object = bitmap_from_handle(bitmap);
  if (!object)
    throw std::invalid_argument("Picture: " + std::to_string(bitmap.value) +
                                " is not a bitmap handle");
  auto picture = std::make_shared<Picture>();
  picture->m_type = PICTYPE_BITMAP;
  picture->m_handle = bitmap.value;
  picture->m_size = {object->surface.width, object->surface.height};
  return picture;
}

std::shared_ptr<Picture> Picture::from_icon(HICON icon) {
  const Icon* object = icon_from_handle(icon);
  if (!object)
    throw std::invalid_argument("Picture: " + std::to_string(icon.value) +
                                " is not an icon handle");
  auto picture = std::make_shared<Picture>();
  picture->m_type = PICTYPE_ICON;
  picture->m_handle = icon.value;
  picture->m_size = {object->color.width, object->color.height};
  return picture;
}

PicturePtr load_picture(ByteSpan bytes, const std::string& name) {
  try {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
      DibImage image = decode_bmp(bytes);
      return Picture::from_bitmap(
          make_bitmap_handle(std::move(image.pixels), image.bits_per_pixel));
    }
    if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0) {
      IconImage image = decode_best_ico_image(bytes, kIconSize);
      return Picture::from_icon(
          make_icon_handle(std::move(image.color), std::move(image.transparent)));
    }
  } catch (const ImageFormatError& error) {
    throw ImageFormatError(name + ": " + error.what());
  }
  throw ImageFormatError(name + ": not a BMP or ICO picture");
}

PicturePtr LoadPicture(const std::string& path) {
  if (path.empty()) return std::make_shared<Picture>();
  std::ifstream file(path, std::ios::binary);
  if (!file)
    throw std::runtime_error("LoadPicture: cannot open \"" + path + "\": " + std::strerror(errno));
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
  if (file.bad()) throw std::runtime_error("LoadPicture: cannot read \"" + path + "\"");
  return load_picture(bytes, "LoadPicture \"" + path + "\"");
}

}  // namespace win
