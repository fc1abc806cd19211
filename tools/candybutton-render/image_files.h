// Writing the rendered button: PNG, binary PPM (P6) and binary PBM (P4).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/gdi/surface.h"

namespace render {

// PPM when the name ends in .ppm, PNG otherwise. Throws naming the file.
void write_image(const win::Surface& image, const std::string& path);
// One bit a pixel, 1 = inside, rows padded to whole bytes. Throws naming the file.
void write_pbm(const std::vector<std::uint8_t>& bits, std::int32_t width, std::int32_t height,
               const std::string& path);

}  // namespace render
