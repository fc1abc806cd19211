// Picture objects, as OLE's standard picture: a type, the handle of the
// bitmap or icon it shows, and its size in HIMETRIC (0.01 mm). Pictures are
// shared by reference; the picture owns its handle and deletes it when the
// last reference goes.
#pragma once

#include <memory>
#include <string>

#include "platform/win/gdi/dib.h"
#include "platform/win/kernel/types.h"

namespace win {

using OLE_HANDLE = std::uint32_t;

inline constexpr SHORT PICTYPE_NONE = 0;
inline constexpr SHORT PICTYPE_BITMAP = 1;
inline constexpr SHORT PICTYPE_METAFILE = 2;
inline constexpr SHORT PICTYPE_ICON = 3;

// Pixels at 96 DPI to HIMETRIC: pixels × 2540 / 96, rounded half away from
// zero as MulDiv rounds (a 32-pixel icon is 847, a 400-pixel bitmap 10583).
LONG pixels_to_himetric(LONG pixels);
// And back, rounded the same way (847 gives 32 again).
LONG himetric_to_pixels(LONG himetric);

class Picture {
 public:
  // A picture of type none: no handle, size 0.
  Picture() = default;
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Take ownership of a live handle; throw std::invalid_argument for a bad one.
  static std::shared_ptr<Picture> from_bitmap(HBITMAP bitmap);
  static std::shared_ptr<Picture> from_icon(HICON icon);

  SHORT Type() const { return m_type; }
  OLE_HANDLE Handle() const { return m_handle; }
  LONG Width() const { return pixels_to_himetric(m_size.cx); }   // HIMETRIC
  LONG Height() const { return pixels_to_himetric(m_size.cy); }  // HIMETRIC

  SIZE pixel_size() const { return m_size; }
  HBITMAP bitmap() const { return m_type == PICTYPE_BITMAP ? HBITMAP{m_handle} : HBITMAP{}; }
  HICON icon() const { return m_type == PICTYPE_ICON ? HICON{m_handle} : HICON{}; }

 private:
  SHORT m_type = PICTYPE_NONE;
  OLE_HANDLE m_handle = 0;
  SIZE m_size;
};

using PicturePtr = std::shared_ptr<Picture>;

// Loads a BMP or ICO file. An empty path gives an empty picture of type
// none; a file that can't be read or decoded throws, naming the path.
PicturePtr LoadPicture(const std::string& path);

// Decodes a BMP or ICO held in memory (an embedded resource); `name` goes
// into error messages.
PicturePtr load_picture(ByteSpan bytes, const std::string& name);

}  // namespace win
