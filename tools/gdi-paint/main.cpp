// Renders every style in every drawing state at a set of sizes and colour
// schemes, captionless, through the control's own painters and region
// rebuild, and prints one line a configuration:
//   style|state|width|height|scheme|border|face=ROWS|mask=ROWS
// ROWS run-length encodes the rows top to bottom ("colour*count" runs, rows
// split by '/'). The same source builds natively against platform/win and for
// Windows against the real windows.h (platform/win/kernel/windows_build.h maps
// our names onto it, and the GDI extensions the painters call are their plain
// versions), so the two outputs compare the platforms under one set of painters.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "candybutton/button_region.h"
#include "candybutton/color_schemes.h"
#include "candybutton/styles.h"
#include "canvas.h"
#ifndef _WIN32
#include "include/candybutton/render.h"
#endif
#include "platform/forms/drawing_surface.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "platform/win/ole/ole_color.h"
#include "platform/win/user/fill_rect.h"

namespace {

int to_pixel(float v) {
  if (!std::isfinite(v)) return 0;
  const double r = std::nearbyint(double(v));
  return r < -1e9 ? -1000000000 : r > 1e9 ? 1000000000 : int(r);
}

win::COLORREF translate(win::OLE_COLOR color) {
  win::COLORREF out = 0;
  win::OleTranslateColor(color, win::HPALETTE{}, &out);
  return out;
}

// The host's drawing as our surfaces do it: coordinates rounded ties-to-even,
// Line through a one-pixel pen, Box filled with both corners included.
class Surface : public forms::DrawingSurface {
 public:
  Surface(int width, int height) : m_canvas(width, height) {}
  ~Surface() override {
    if (m_region) win::DeleteObject(m_region);
  }
  float ScaleWidth() const override { return float(m_canvas.width()); }
  float ScaleHeight() const override { return float(m_canvas.height()); }
  void Line(float x1, float y1, float x2, float y2, win::OLE_COLOR color) override {
    const win::HDC dc = m_canvas.dc();
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, translate(color));
    const win::HPEN old = win::SelectObject(dc, pen);
    win::MoveToEx(dc, to_pixel(x1), to_pixel(y1), nullptr);
    win::LineTo(dc, to_pixel(x2), to_pixel(y2));
    win::SelectObject(dc, old);
    win::DeleteObject(pen);
  }
  void Box(float x1, float y1, float x2, float y2, win::OLE_COLOR color) override {
    const int l = to_pixel(x1), t = to_pixel(y1), r = to_pixel(x2), b = to_pixel(y2);
    const win::RECT box{l < r ? l : r, t < b ? t : b, (l < r ? r : l) + 1, (t < b ? b : t) + 1};
    const win::HBRUSH brush = win::CreateSolidBrush(translate(color));
    win::FillRect(m_canvas.dc(), &box, brush);
    win::DeleteObject(brush);
  }
  void PSet(float x, float y, win::OLE_COLOR color) override {
    win::SetPixelV(m_canvas.dc(), to_pixel(x), to_pixel(y), translate(color));
  }
  win::HDC hDC() const override { return m_canvas.dc(); }
  win::HWND hWnd() const override { return win::HWND{}; }
  void SetWindowRgn(win::HRGN region) override {
    if (m_region && m_region != region) win::DeleteObject(m_region);
    m_region = region;
  }
  const gdipaint::Canvas& canvas() const { return m_canvas; }
  win::HRGN region() const { return m_region; }

 private:
  gdipaint::Canvas m_canvas;
  win::HRGN m_region{};
};

std::string encode_rows(int width, int height, auto value) {
  std::string out;
  char run[32];
  for (int y = 0; y < height; ++y) {
    if (y) out += '/';
    for (int x = 0; x < width;) {
      const std::uint32_t v = value(x, y);
      int n = 1;
      while (x + n < width && value(x + n, y) == v) ++n;
      std::snprintf(run, sizeof run, "%s%x*%d", x ? "," : "", unsigned(v), n);
      out += run;
      x += n;
    }
  }
  return out;
}

struct Image {
  std::vector<std::uint32_t> face;
  std::vector<std::uint8_t> mask;
  int ellipses_outside = 0;  // the Windows build: ellipses the reference drew outside their box
};

Image render(int style, int state, int width, int height, int scheme, int border) {
  const candy::ColorSchemeColors* colors = candy::FindColorScheme(scheme);
  Surface surface(width, height);
  surface.canvas().clear(0xFFFFFF);  // what the render API clears to
#ifdef _WIN32
  const int outside_before = gdipaint::ellipses_drawn_outside_their_box();
#endif
  const win::OLE_COLOR up = colors->ColorButtonUp, hover = colors->ColorButtonHover;
  const win::OLE_COLOR down = colors->ColorButtonDown, bright = colors->ColorBright;
  candy::ButtonFace face{surface, style, up, hover, down, bright, border, -1, 0, win::HRGN{}, [] {
                           return std::optional<win::OLE_COLOR>(0xC0C0C0);
                         }};
  win::HRGN& inner = face.m_Region;
  candy::KeepButtonRegions(candy::BuildButtonRegions(face), surface, inner, face.m_CornerRadius);
  candy::PaintFace(face, state);
  Image image;
#ifdef _WIN32
  image.ellipses_outside = gdipaint::ellipses_drawn_outside_their_box() - outside_before;
#endif
  const win::HRGN region = surface.region();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      image.face.push_back(surface.canvas().at(x, y));
      image.mask.push_back(!region || win::PtInRegion(region, x, y) ? 1 : 0);
    }
  if (inner) win::DeleteObject(inner);
  return image;
}

void print(const Image& image, int style, int state, int width, int height, int scheme,
           int border) {
  const auto at = [&](const auto& v) {
    return [&](int x, int y) {
      return std::uint32_t(v[std::size_t(y) * std::size_t(width) + std::size_t(x)]);
    };
  };
  const std::string face = encode_rows(width, height, at(image.face));
  const std::string mask = encode_rows(width, height, at(image.mask));
  std::printf("%d|%d|%d|%d|%d|%d|face=%s|mask=%s", style, state, width, height, scheme, border,
              face.c_str(), mask.c_str());
  if (image.ellipses_outside) std::printf("|outside=%d", image.ellipses_outside);
  std::printf("\n");
}

#ifndef _WIN32
// The harness's surface stands in for the control's: every configuration must
// give what the render API gives for the same look.
bool same_as_render_api(const Image& image, int style, int state, int width, int height, int scheme,
                        int border) {
  candy::ButtonLook look;
  look.style = style;
  look.state = state;
  look.width = width;
  look.height = height;
  look.scheme = scheme;
  look.border_brightness = border;
  std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
  const std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
  if (pixels == image.face && mask == image.mask) return true;
  std::fprintf(stderr, "gdi-paint: %d|%d|%d|%d|%d|%d differs from render_button\n", style, state,
               width, height, scheme, border);
  return false;
}
#endif

}  // namespace

// With --against-render (native build only) compares each configuration with
// the render API instead of printing it.
int main(int argc, char** argv) {
  [[maybe_unused]] const bool against_render =
      argc > 1 && std::string(argv[1]) == "--against-render";
  int failures = 0;
  const int sizes[][2] = {{1, 1},   {2, 2},   {5, 3},    {16, 16},
                          {33, 20}, {64, 23}, {121, 89}, {200, 120}};
  const int schemes[][2] = {{1, 0}, {3, 40}, {6, -30}};  // scheme, border brightness
  for (int style = 0; style < candy::kStyleCount; ++style)
    for (int state = 0; state <= 4; ++state)
      for (const auto& size : sizes)
        for (const auto& scheme : schemes) {
          const Image image = render(style, state, size[0], size[1], scheme[0], scheme[1]);
#ifndef _WIN32
          if (against_render) {
            failures +=
                !same_as_render_api(image, style, state, size[0], size[1], scheme[0], scheme[1]);
            continue;
          }
#endif
          print(image, style, state, size[0], size[1], scheme[0], scheme[1]);
        }
  return failures ? 1 : 0;
}
