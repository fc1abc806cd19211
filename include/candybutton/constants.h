/// @file
/// @brief Named values of the button's numeric properties: styles, colour
/// schemes, drawing states and picture alignments.
///
/// The properties take any 32-bit value; these are the ones with a meaning.
#pragma once

#include <cstdint>

namespace candy {

/// Values of Button::Style: the face painter and the window shape.
namespace style {
/// A flat push button filling the whole rectangle.
inline constexpr std::int32_t PushButton = 0;
/// A flat tool button filling the whole rectangle.
inline constexpr std::int32_t ToolButton = 1;
/// A glossy face with a glow inside a rounded window; the variants differ in
/// corner radius, glow and gloss.
inline constexpr std::int32_t Rounded2 = 2;
/// Glossy rounded variant 3 (larger corners).
inline constexpr std::int32_t Rounded3 = 3;
/// Glossy rounded variant 4.
inline constexpr std::int32_t Rounded4 = 4;
/// Glossy rounded variant 5.
inline constexpr std::int32_t Rounded5 = 5;
/// A rounded face drawn pixel by pixel.
inline constexpr std::int32_t Pixel = 6;
/// Glossy rounded variant 7, its glow centred vertically.
inline constexpr std::int32_t Rounded7 = 7;
/// How many styles there are: the styles are 0 to Count - 1.
inline constexpr std::int32_t Count = 8;
}  // namespace style

/// Values of Button::ColorScheme: the four face colours set at once.
namespace scheme {
/// No scheme: the colours are whatever was set last.
inline constexpr std::int32_t None = 0;
/// Light blue.
inline constexpr std::int32_t LightBlue = 1;
/// Steel blue.
inline constexpr std::int32_t SteelBlue = 2;
/// Pure blue.
inline constexpr std::int32_t Blue = 3;
/// Pure red.
inline constexpr std::int32_t Red = 4;
/// Pure green.
inline constexpr std::int32_t Green = 5;
/// Olive to yellow.
inline constexpr std::int32_t Olive = 6;
}  // namespace scheme

/// Drawing states: the look Button::DrawIconWCaption and ButtonLook::state paint.
namespace state {
/// At rest.
inline constexpr std::int32_t Resting = 0;
/// Pressed.
inline constexpr std::int32_t Pressed = 1;
/// Holding the focus.
inline constexpr std::int32_t Focused = 2;
/// Under the mouse pointer.
inline constexpr std::int32_t MouseOver = 3;
/// Checked; a checked button always draws this state.
inline constexpr std::int32_t Checked = 4;
}  // namespace state

/// Values of Button::PictureAlignment: where the picture sits beside the caption.
namespace alignment {
/// Picture above the caption.
inline constexpr std::int32_t PictureAbove = 0;
/// Picture below the caption.
inline constexpr std::int32_t PictureBelow = 1;
/// Picture at the left edge.
inline constexpr std::int32_t PictureLeft = 2;
/// Picture at the right edge.
inline constexpr std::int32_t PictureRight = 3;
}  // namespace alignment

/// Colours are OLE colours: 0x00BBGGRR, or a system colour with the top bit set.
namespace color {
/// The system's button face colour.
inline constexpr std::uint32_t ButtonFace = 0x8000000F;
/// The system's button text colour.
inline constexpr std::uint32_t ButtonText = 0x80000012;
/// White.
inline constexpr std::uint32_t White = 0xFFFFFF;
/// Black.
inline constexpr std::uint32_t Black = 0x000000;
}  // namespace color

}  // namespace candy
