/// @file
/// @brief Pictures for buttons and windows: from BMP and ICO files or from pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "export.h"

namespace candy {

namespace detail {
struct PictureAccess;
}

/// An immutable picture, shared by every copy: a bitmap or an icon. A
/// default-constructed Picture is no picture.
class CANDYBUTTON_API Picture {
 public:
  /// No picture.
  Picture() noexcept;
  ~Picture();
  /// Copies share the picture.
  Picture(const Picture& other);
  /// Copies share the picture.
  Picture& operator=(const Picture& other);

  /// Reads a BMP or ICO file. Throws std::runtime_error naming the file when
  /// it cannot be read or does not decode.
  static Picture from_file(const std::string& path);
  /// Decodes the bytes of a BMP or ICO file; `name` goes into the error
  /// message. Throws std::runtime_error when they do not decode.
  static Picture from_bytes(const std::vector<std::uint8_t>& bytes,
                            const std::string& name = "picture");
  /// A bitmap of width × height pixels, each 0x00BBGGRR, row-major, top row
  /// first (width * height values). Throws std::invalid_argument for a size
  /// outside 1..8192 or a null buffer.
  static Picture from_pixels(std::int32_t width, std::int32_t height, const std::uint32_t* pixels);

  /// True when there is no picture.
  bool empty() const noexcept;
  /// The width in pixels; 0 for no picture.
  std::int32_t width() const;
  /// The height in pixels; 0 for no picture.
  std::int32_t height() const;

 private:
  friend struct detail::PictureAccess;
  struct Impl;
  std::shared_ptr<const Impl> m_impl;
};

}  // namespace candy
