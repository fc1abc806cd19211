// A Qt image as the bytes of a one-image ICO file, the picture form the
// control's render reads: 32 bits a pixel with its AND mask, a pixel whose
// alpha is below half being transparent (icons have no partial coverage).
#pragma once

#include <QtGui/QImage>

#include <cstdint>
#include <vector>

namespace candy::qt {

// The largest side an ICO directory entry can state.
inline constexpr int kMaxIcoSide = 256;

// Throws std::invalid_argument for a null image or a side above kMaxIcoSide.
std::vector<std::uint8_t> encode_ico(const QImage& image);

}  // namespace candy::qt
