#include "include/candybutton/render.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>

#include "candybutton/button_renderer.h"
#include "candybutton/candybutton.h"
#include "candybutton/styles.h"
#include "platform/forms/offscreen_control.h"
#include "platform/win/gdi/dib.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region_bands.h"
#include "platform/win/ole/picture.h"

namespace candy {

namespace {

// The container of a program at run time: a fixed BackColor, an MS Sans Serif
// 8 pt ambient font, and no stored pictures.
class RenderContainer final : public forms::ControlContainer {
 public:
  explicit RenderContainer(win::OLE_COLOR back) : m_back(back) {}
  void PropertyChanged(std::string_view) override {}
  bool AmbientUserMode() const override { return true; }
  forms::FontDescription AmbientFont() const override {
    return {"MS Sans Serif", 8, 400, false, false, false, 0};
  }
  std::string ExtenderName() const override { return "CandyButton1"; }
  std::optional<win::OLE_COLOR> BackColor() const override { return m_back; }
  win::PicturePtr LoadPictureRef(const forms::PictureRef&) override { return nullptr; }
  forms::PictureRef PictureRefOf(const win::PicturePtr&) const override { return {}; }

 private:
  win::OLE_COLOR m_back;
};

void require_range(const char* field, std::int64_t value, std::int64_t low, std::int64_t high) {
  if (value < low || value > high)
    throw RenderError(std::string("render_button: ") + field + " " + std::to_string(value) +
                      " is outside " + std::to_string(low) + ".." + std::to_string(high));
}

std::string points_text(float points) {
  std::ostringstream text;
  text << points;
  return text.str();
}

void check(const ButtonLook& look, std::size_t buffer_size) {
  require_range("width", look.width, 1, kMaxRenderSide);
  require_range("height", look.height, 1, kMaxRenderSide);
  require_range("style", look.style, 0, kStyleCount - 1);
  require_range("state", look.state, 0, 4);
  require_range("picture_alignment", look.picture_alignment, 0, 4);
  if (look.font) {
    // Beyond this the point-to-pixel conversion leaves the platform's range.
    const float size = look.font->size;
    if (!(size > 0 && size <= kMaxRenderFontPoints))
      throw RenderError("render_button: font size " + points_text(size) + " is outside (0, " +
                        points_text(kMaxRenderFontPoints) + "] points");
    if (look.font->name.empty()) throw RenderError("render_button: the font has no name");
  }
  const std::size_t needed = std::size_t(look.width) * std::size_t(look.height);
  if (buffer_size < needed)
    throw RenderError("render_button: the pixel buffer holds " + std::to_string(buffer_size) +
                      " pixels, a " + std::to_string(look.width) + " x " +
                      std::to_string(look.height) + " button needs " + std::to_string(needed));
}

win::PicturePtr decode_picture(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  if (bytes.empty()) return nullptr;
  try {
    win::PicturePtr picture = win::load_picture(bytes, name);
    if (!picture || picture->Type() == win::PICTYPE_NONE)
      throw RenderError("render_button: the picture does not decode: " + name +
                        ": neither a BMP nor an ICO file");
    return picture;
  } catch (const win::ImageFormatError& e) {
    throw RenderError(std::string("render_button: the picture does not decode: ") + e.what());
  }
}

forms::FontDescription description_of(const Font& f) {
  return {f.name, f.size, f.weight, f.italic, f.underline, f.strikethrough, f.charset};
}

// Read from the region's bands: each span is a run of ones, clipped to the
// image.
std::vector<std::uint8_t> region_mask(win::HRGN region, std::int32_t width, std::int32_t height) {
  std::vector<std::uint8_t> bits(std::size_t(width) * std::size_t(height), region ? 0 : 1);
  if (!region) return bits;
  const win::RegionBands bands(region);
  for (std::int32_t y = 0; y < height; ++y) {
    std::uint8_t* row = bits.data() + std::size_t(y) * std::size_t(width);
    for (const win::RegionSpan& s : bands.row(y)) {
      const std::int32_t left = std::clamp(s.left, 0, width), right = std::clamp(s.right, 0, width);
      if (left < right) std::fill(row + left, row + right, 1);
    }
  }
  return bits;
}

}  // namespace

// The repaints of the single setters are held back: only the last one, for
// the final shape, is drawn, and the shape is built once.
void CandyButtonRenderer::apply(CandyButton& b, const ButtonLook& look, win::PicturePtr picture) {
  b.m_Ready = kFalse;
  b.Caption(look.caption);
  if (look.scheme) b.ColorScheme(*look.scheme);
  if (look.color_up) b.ColorButtonUp(*look.color_up);
  if (look.color_hover) b.ColorButtonHover(*look.color_hover);
  if (look.color_down) b.ColorButtonDown(*look.color_down);
  if (look.color_bright) b.ColorBright(*look.color_bright);
  if (look.border_brightness) b.BorderBrightness(*look.border_brightness);
  if (look.font) b.Font(description_of(*look.font));
  if (look.fore_color) b.ForeColor(*look.fore_color);
  if (picture) b.Picture(std::move(picture));
  b.PictureAlignment(look.picture_alignment);
  if (look.caption_highlite) {
    b.CaptionHighLiteColor(*look.caption_highlite);
    b.CaptionHighLite(true);
  }
  if (look.icon_highlite) {
    b.IconHighLiteColor(*look.icon_highlite);
    b.IconHighLite(true);
  }
  b.Enabled(look.enabled);
  b.Checked(look.checked);
  // A new style rebuilds the shape in its setter; only an unchanged one
  // needs it built here.
  const bool shape_built = look.style != b.m_Style;
  b.Style(look.style);
  b.m_Ready = kTrue;
  if (!shape_built) b.UpdateButtonRegion();
  std::int32_t state = look.state;
  b.Redraw(state);
}

// Out of line, so that the exception's type information has one home.
RenderError::~RenderError() = default;

std::vector<std::uint8_t> render_button(const ButtonLook& look, std::uint32_t* pixels,
                                        std::size_t count) {
  check(look, pixels ? count : 0);
  win::PicturePtr picture = decode_picture(look.picture, look.picture_name);

  // The caption came in as UTF-8: the W text calls draw every character the
  // font has, where the A calls would show "?" outside the ANSI code page.
  forms::OffscreenControl surface(look.width, look.height, forms::TextCalls::Wide);
  RenderContainer container(look.container_color);
  CandyButtonParts parts = standard_parts(forms::TextCalls::Wide);
  parts.interception.reset();  // no window, so nothing to intercept
  CandyButton button(surface, container, std::move(parts));
  button.ReadProperties(forms::PropertyBag{});
  CandyButtonRenderer::apply(button, look, std::move(picture));

  const win::Surface& image = surface.image();
  std::copy(image.pixels.begin(), image.pixels.end(), pixels);
  return region_mask(surface.window_region(), look.width, look.height);
}

}  // namespace candy
