// The pictures under tests/fixtures/pictures (written by ImageMagick) and
// the patterns they hold.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win/kernel/types.h"

namespace fixtures {

// Beside this header when __FILE__ is absolute; a compiler cache may make it
// relative to the build folder, and then the tests' working folder (the
// source tree) is where the pictures are.
inline std::filesystem::path picture_path(const std::string& name) {
  const std::filesystem::path here = std::filesystem::path(__FILE__).parent_path();
  if (here.is_absolute()) return here / "../../../fixtures/pictures" / name;
  return std::filesystem::path("tests/fixtures/pictures") / name;
}

inline std::vector<std::uint8_t> read_picture(const std::string& name) {
  std::ifstream file(picture_path(name), std::ios::binary);
  if (!file) throw std::runtime_error("missing fixture " + name);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// 6 x 4: colour index (x + 2y) mod 6.
inline win::COLORREF colour_pattern(int x, int y) {
  static constexpr win::COLORREF colours[] = {win::RGB(255, 0, 0), win::RGB(0, 255, 0),
                                              win::RGB(0, 0, 255), win::RGB(255, 255, 255),
                                              win::RGB(0, 0, 0),   win::RGB(128, 128, 0)};
  return colours[(x + 2 * y) % 6];
}

// 6 x 4: white where (xy + x + y) mod 3 = 0.
inline win::COLORREF mono_pattern(int x, int y) {
  return (x * y + x + y) % 3 == 0 ? win::RGB(255, 255, 255) : win::RGB(0, 0, 0);
}

// 5 x 4: 20 distinct colours.
inline win::COLORREF ramp_pattern(int x, int y) {
  const int i = 5 * y + x;
  return win::RGB(win::BYTE(53 * i % 256), win::BYTE(97 * i % 256), win::BYTE((31 * i + 7) % 256));
}

}  // namespace fixtures
