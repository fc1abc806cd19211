// Everything a hosted control draws with and on: the drawing surface of its
// painters plus text measuring, font, text colour, background, the mouse
// pointer and the refresh that shows the persistent image at once.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/forms/drawing_surface.h"
#include "platform/forms/property_bag.h"
#include "platform/win/ole/picture.h"
#include "platform/win/kernel/types.h"

namespace forms {

// Mouse pointer values.
inline constexpr std::int16_t vbDefault = 0;
inline constexpr std::int16_t vbArrow = 1;
inline constexpr std::int16_t vbCustom = 99;

// HIMETRIC (0.01 mm) to pixels at 96 pixels per inch, in single precision.
inline float himetric_to_pixels(float himetric) { return himetric * 96.0f / 2540.0f; }

// How a control's UTF-8 text reaches GDI: converted to the ANSI code page
// for the A functions, as a Windows program's control hands it (a character
// the code page lacks shows as "?"), or as UTF-16 for the W functions, which
// draw every character the font has.
enum class TextCalls { Ansi, Wide };

class ControlSurface : public DrawingSurface {
 public:
  // Width and height of the text in the surface's font, in pixels.
  virtual float TextWidth(std::string_view text) const = 0;
  virtual float TextHeight(std::string_view text) const = 0;

  virtual FontDescription Font() const = 0;
  // Throws when no font can be made from the description.
  virtual void SetFont(const FontDescription& font) = 0;

  // The text colour of hDC, as an OLE colour.
  virtual win::OLE_COLOR ForeColor() const = 0;
  virtual void SetForeColor(win::OLE_COLOR color) = 0;

  virtual win::OLE_COLOR BackColor() const = 0;
  virtual void SetBackColor(win::OLE_COLOR color) = 0;

  // The background picture. Setting an empty one (null, or a picture of type
  // none) clears the persistent image to the background colour.
  virtual win::PicturePtr Picture() const = 0;
  virtual void SetPicture(win::PicturePtr picture) = 0;

  virtual std::int16_t MousePointer() const = 0;
  virtual void SetMousePointer(std::int16_t pointer) = 0;

  // Shows the persistent image in the window now.
  virtual void Refresh() = 0;
};

}  // namespace forms
