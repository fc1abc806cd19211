#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "api/access.h"
#include "platform/win/gdi/bitmap.h"

namespace candy {

Picture::Picture() noexcept = default;
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;

Picture Picture::from_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("candy::Picture: cannot read " + path);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                        std::istreambuf_iterator<char>()};
  return from_bytes(bytes, path);
}

Picture Picture::from_bytes(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  if (bytes.empty()) throw std::runtime_error("candy::Picture: " + name + " is empty");
  win::PicturePtr picture;
  try {
    picture = win::load_picture(bytes, name);
  } catch (const std::exception& e) {
    throw std::runtime_error(std::string("candy::Picture: ") + e.what());
  }
  if (!picture || picture->Type() == win::PICTYPE_NONE)
    throw std::runtime_error("candy::Picture: " + name + " is neither a BMP nor an ICO file");
  return detail::PictureAccess::wrap(std::move(picture));
}

Picture Picture::from_pixels(std::int32_t width, std::int32_t height, const std::uint32_t* pixels) {
  if (width < 1 || width > 8192 || height < 1 || height > 8192)
    throw std::invalid_argument("candy::Picture::from_pixels: size " + std::to_string(width) +
                                " x " + std::to_string(height) + " is outside 1..8192 a side");
  if (!pixels) throw std::invalid_argument("candy::Picture::from_pixels: no pixels");
  win::Surface surface(width, height);
  std::copy(pixels, pixels + surface.pixels.size(), surface.pixels.begin());
  return detail::PictureAccess::wrap(
      win::Picture::from_bitmap(win::make_bitmap_handle(std::move(surface))));
}

bool Picture::empty() const noexcept { return !m_impl; }
std::int32_t Picture::width() const { return m_impl ? m_impl->picture->pixel_size().cx : 0; }
std::int32_t Picture::height() const { return m_impl ? m_impl->picture->pixel_size().cy : 0; }

Picture detail::PictureAccess::wrap(win::PicturePtr platform) {
  Picture picture;
  if (platform && platform->Type() != win::PICTYPE_NONE)
    picture.m_impl = std::make_shared<const Picture::Impl>(Picture::Impl{std::move(platform)});
  return picture;
}

forms::FontDescription to_description(const Font& font) {
  return {font.name,      font.size,          font.weight, font.italic,
          font.underline, font.strikethrough, font.charset};
}

Font to_font(const forms::FontDescription& d) {
  return {d.name, d.size, d.weight, d.italic, d.underline, d.strikethrough, d.charset};
}

}  // namespace candy
