// The surfaces that draw into a control image: the drawing part of any
// surface over one, and the control part (text, font, colours, background
// picture) of the hosts of controls, so that the user-control host, the
// off-screen control and the memory surface say it once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/forms/control_image.h"
#include "platform/forms/control_surface.h"
#include "platform/forms/drawing_surface.h"

namespace forms {

template <class Surface>
class OverControlImage : public Surface {
 public:
  float ScaleWidth() const override { return float(m_image.width()); }
  float ScaleHeight() const override { return float(m_image.height()); }
  void Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) override {
    m_image.Line(x1, y1, x2, y2, color);
  }
  void Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) override {
    m_image.Box(x1, y1, x2, y2, color);
  }
  void PSet(float x, float y, win::OLE_COLOR color) override { m_image.PSet(x, y, color); }
  win::HDC hDC() const override { return m_image.dc(); }

 protected:
  OverControlImage(std::string owner, std::int32_t width, std::int32_t height,
                   win::OLE_COLOR back_color, TextCalls calls = TextCalls::Ansi,
                   FontScale font_scale = FontScale::Screen)
      : m_image(std::move(owner), width, height, back_color, calls, font_scale) {}

  ControlImage m_image;
};

// A host's stored design: white background, "Tahoma" 9 pt weight 400.
class ImageControlSurface : public OverControlImage<ControlSurface> {
 public:
  float TextWidth(std::string_view text) const override { return float(m_image.measure(text).cx); }
  float TextHeight(std::string_view text) const override { return float(m_image.measure(text).cy); }
  FontDescription Font() const override { return m_image.font(); }
  void SetFont(const FontDescription& font) override { m_image.set_font(font); }
  win::OLE_COLOR ForeColor() const override { return m_image.fore_color(); }
  void SetForeColor(win::OLE_COLOR color) override { m_image.set_fore_color(color); }
  win::OLE_COLOR BackColor() const override { return m_image.back_color(); }
  void SetBackColor(win::OLE_COLOR color) override { m_image.set_back_color(color); }
  win::PicturePtr Picture() const override { return m_image.picture(); }
  // An empty picture leaves the image cleared to the background colour: that
  // is what pixels no painter touches show.
  void SetPicture(win::PicturePtr picture) override { m_image.set_picture(std::move(picture)); }

 protected:
  // Throws when the image or the font cannot be made.
  ImageControlSurface(std::string owner, std::int32_t width, std::int32_t height,
                      TextCalls calls = TextCalls::Ansi, FontScale font_scale = FontScale::Screen)
      : OverControlImage(std::move(owner), width, height, 0xFFFFFF, calls, font_scale) {
    m_image.set_font({"Tahoma", 9, 400, false, false, false, 0});
  }
};

}  // namespace forms
