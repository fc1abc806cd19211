#include "tests/support/windowed_button.h"

#include <stdexcept>

#include "platform/forms/property_bag.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/paint.h"
#include "platform/win/gdi/region.h"
#include "platform/win/ole/picture.h"
#include "platform/win/user/window.h"

namespace candy::testing {

// The container of a program at run time: it answers with a fixed BackColor,
// an MS Sans Serif 8 pt ambient font, and knows no stored pictures.
class WindowedContainer : public forms::ControlContainer {
 public:
  explicit WindowedContainer(win::COLORREF back) : m_back(back) {}
  void PropertyChanged(std::string_view) override {}
  bool AmbientUserMode() const override { return true; }
  forms::FontDescription AmbientFont() const override {
    return {"MS Sans Serif", 8, 400, false, false, false, 0};
  }
  std::string ExtenderName() const override { return "CandyButton1"; }
  std::optional<win::OLE_COLOR> BackColor() const override { return m_back; }
  win::PicturePtr LoadPictureRef(const forms::PictureRef& ref) override {
    if (ref.empty()) return nullptr;
    throw std::runtime_error("the renderer's container holds no stored pictures");
  }
  forms::PictureRef PictureRefOf(const win::PicturePtr&) const override { return {}; }

 private:
  win::COLORREF m_back;
};

namespace {

constexpr const char* kParentClass = "CandyButtonRenderParent";

win::HWND make_parent(std::int32_t side) {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = win::DefWindowProcA;
  wc.lpszClassName = kParentClass;
  win::RegisterClassA(&wc);  // a second host finds the class already there
  const win::HWND parent =
      win::CreateWindowExA(0, kParentClass, "", win::WS_POPUP, 0, 0, side, side, win::HWND{});
  if (!parent) throw std::runtime_error("cannot create the container window");
  return parent;
}

}  // namespace

WindowedButton::WindowedButton(win::COLORREF container_color, std::int32_t parent_side)
    : m_parent(make_parent(parent_side)),
      m_container(std::make_unique<WindowedContainer>(container_color)) {
  m_control = std::make_unique<forms::UserControl>(m_parent, 0, 0, forms::UserControl::kDesignWidth,
                                                   forms::UserControl::kDesignHeight);
  m_button = std::make_unique<CandyButton>(*m_control, *m_container, standard_parts());
  m_control->set_events(m_button.get());
  m_button->ReadProperties(forms::PropertyBag{});
}

WindowedButton::~WindowedButton() {
  m_control->set_events(nullptr);
  m_button.reset();
  m_control.reset();
  win::DestroyWindow(m_parent);
}

win::Surface WindowedButton::image() const {
  const win::DeviceContext* dc = win::dc_from_handle(m_control->hDC());
  if (!dc || !dc->surface) throw std::runtime_error("the control has no image");
  return *dc->surface;
}

std::vector<std::uint8_t> WindowedButton::mask() const {
  const win::Surface& img = *win::dc_from_handle(m_control->hDC())->surface;
  std::vector<std::uint8_t> bits(img.pixels.size(), 1);
  const win::HRGN region = win::CreateRectRgn(0, 0, 0, 0);
  if (win::GetWindowRgn(m_control->hWnd(), region) != win::ERROR) {
    const win::Region& r = *win::region_from_handle(region);
    for (std::int32_t y = 0; y < img.height; ++y)
      for (std::int32_t x = 0; x < img.width; ++x)
        bits[std::size_t(y) * std::size_t(img.width) + std::size_t(x)] = r.contains(x, y) ? 1 : 0;
  }
  win::DeleteObject(region);
  return bits;
}

void apply_look(WindowedButton& host, const ButtonLook& o) {
  CandyButton& b = host.button();
  b.Caption(o.caption);
  if (o.scheme) b.ColorScheme(*o.scheme);
  if (o.color_up) b.ColorButtonUp(*o.color_up);
  if (o.color_hover) b.ColorButtonHover(*o.color_hover);
  if (o.color_down) b.ColorButtonDown(*o.color_down);
  if (o.color_bright) b.ColorBright(*o.color_bright);
  if (o.border_brightness) b.BorderBrightness(*o.border_brightness);
  if (o.font) {
    const Font& f = *o.font;
    b.Font({f.name, f.size, f.weight, f.italic, f.underline, f.strikethrough, f.charset});
  }
  if (o.fore_color) b.ForeColor(*o.fore_color);
  if (!o.picture.empty()) b.Picture(win::load_picture(o.picture, "picture"));
  b.PictureAlignment(o.picture_alignment);
  if (o.caption_highlite) {
    b.CaptionHighLiteColor(*o.caption_highlite);
    b.CaptionHighLite(true);
  }
  if (o.icon_highlite) {
    b.IconHighLiteColor(*o.icon_highlite);
    b.IconHighLite(true);
  }
  b.Enabled(o.enabled);
  b.Checked(o.checked);
  b.Style(o.style);
  win::MoveWindow(host.control().hWnd(), 0, 0, o.width, o.height, 0);
  // Same as showing the window: the shape for this size and style, then the face.
  CandyButtonRenderer::UpdateButtonRegion(b);
  CandyButtonRenderer::Redraw(b, o.state);
}

}  // namespace candy::testing
