// PNG files of surfaces: 8-bit RGB, one pixel per COLORREF.
#pragma once

#include <string>

#include "platform/display/whole_file.h"
#include "platform/win/gdi/surface.h"

namespace display {

// Written whole or not at all (whole_file.h). Throws std::runtime_error
// naming the file and the system's reason when it cannot be written.
void write_png(const win::Surface& image, const std::string& path,
               FileCreation how = FileCreation::Replace);
// Throws std::runtime_error naming the file when it is missing or not a PNG.
win::Surface read_png(const std::string& path);

}  // namespace display
