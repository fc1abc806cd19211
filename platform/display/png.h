// PNG files of surfaces: 8-bit RGB, one pixel per COLORREF.
#pragma once

#include <string>

#include "platform/win/gdi/surface.h"

namespace display {

// How a PNG file is created. Neither follows a symbolic link at the path.
enum class FileCreation {
  Replace,  // a regular file already there is overwritten
  NewOnly,  // the file must not exist yet
};

// Throws std::runtime_error naming the file when it cannot be written.
void write_png(const win::Surface& image, const std::string& path, FileCreation how = FileCreation::Replace);
// Throws std::runtime_error naming the file when it is missing or not a PNG.
win::Surface read_png(const std::string& path);

}  // namespace display
