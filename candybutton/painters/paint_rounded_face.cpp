#include "candybutton/color_arithmetic.h"
#include "candybutton/painters/paint_ellipse_glow.h"
#include "candybutton/painters/paint_rounded_style.h"
#include "candybutton/painters/region_rows.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/fill_rect.h"
#include "platform/win/gdi/region.h"

namespace candy {
namespace {

constexpr win::COLORREF kWhite = 0xFFFFFF;
constexpr win::COLORREF kBlack = 0x000000;
constexpr win::COLORREF kDisabledFace = 0xB0C0C0;

// Fills columns a .. b-1 of row y and their mirrors W-b+1 .. W-a.
void fill_mirrored_run(win::HDC dc, win::HBRUSH brush, std::int32_t W, std::int32_t y,
                       std::int32_t a, std::int32_t b) {
  const win::RECT left{a, y, b, y + 1};
  const win::RECT right{W - b + 1, y, W - a + 1, y + 1};
  win::FillRect(dc, &left, brush);
  win::FillRect(dc, &right, brush);
}

// Row by row over the left half: frame pixels (outside the inner region) and
// their mirrors get the border colour until the first pixel that lies in the
// gloss; from there one gloss line covers the row to its mirror column, and
// the next row is scanned from column 1. Each row is read as the spans of
// both regions: the frame pixels are the gaps between the inner region's
// spans, the gloss starts at the first column common to both.
void scan_border_and_gloss(ButtonFace& button, std::int32_t W, std::int32_t H, win::OLE_COLOR face,
                           win::COLORREF border, win::HRGN gloss, const FaceParams& P) {
  const win::HDC dc = button.surface.hDC();
  const std::int32_t CR = button.m_CornerRadius;
  if (H < 0) return;
  const RegionRows inner(button.m_Region);
  const RegionRows glossy(gloss);
  const win::HBRUSH frame = win::CreateSolidBrush(border);
  const std::int32_t half = W / 2;
  std::int32_t y = 0;
  std::int32_t first_x = 0;
  for (;;) {
    const auto inside = inner.row(y);
    std::optional<std::int32_t> gloss_x = RegionRows::first_common(inside, glossy.row(y), first_x);
    if (gloss_x && *gloss_x > half) gloss_x.reset();
    const std::int32_t end = gloss_x ? *gloss_x : half + 1;
    std::int32_t x = first_x;
    for (const win::RegionSpan& span : inside) {
      if (x >= end || span.left >= end) break;
      if (span.right <= x) continue;
      if (span.left > x) fill_mirrored_run(dc, frame, W, y, x, span.left);
      x = span.right;
    }
    if (x < end) fill_mirrored_run(dc, frame, W, y, x, end);
    const bool lined = gloss_x.has_value();
    if (lined) {
      const win::COLORREF color = BlendColors(kWhite, face, P.GlossBase + (y * P.GlossSlope) / CR);
      button.surface.Line(float(*gloss_x), float(y), float(W - *gloss_x + 1), float(y), color);
    }
    // After a gloss line the scan goes on with the next row even past H; the
    // gloss region is finite, so it ends.
    if (!lined && y + 1 > H) break;
    ++y;
    first_x = lined ? 1 : 0;
  }
  win::DeleteObject(frame);
}

}  // namespace

void PaintRoundedFace(ButtonFace& button, const std::int32_t& W, const std::int32_t& H,
                      win::OLE_COLOR face, const FaceParams& P) {
  if (button.m_CornerRadius < 1) button.m_CornerRadius = 1;
  win::OLE_COLOR bright = button.m_ColorBright;
  if (button.m_Enabled == 0) {
    face = kDisabledFace;
    bright = kWhite;
  }
  win::COLORREF border;
  if (button.m_BorderBrightness >= 0) {
    border = BlendColors(face, kWhite,
                         button.m_BorderBrightness);  // writes back a value above 100 as 100
  } else {
    // Any value below -100 darkens fully; negating the 32-bit minimum would overflow.
    const std::int32_t darken = button.m_BorderBrightness < -100 ? 100 : -button.m_BorderBrightness;
    border = BlendColors(face, kBlack, std::int32_t{darken});
  }
  const win::HRGN gloss = win::CreateRoundRectRgn(
      P.GlossLeft, P.GlossTop, P.GlossRight, P.GlossBottom, 2 * P.GlossRadius, 2 * P.GlossRadius);
  const win::HDC dc = button.surface.hDC();
  win::RECT rect;
  win::SetRect(&rect, 0, 0, W, H);
  const win::HBRUSH brush = win::CreateSolidBrush(face);
  win::FillRect(dc, &rect, brush);
  win::DeleteObject(brush);
  // A glow radius of 0 would divide the ring steps by zero: the painter stops
  // after the fill, with no glow, rim or gloss.
  if (make_glow_geometry(P, W, H)) {
    PaintEllipseGlow(dc, P, W, H, face, bright);
    scan_border_and_gloss(button, W, H, face, border, gloss, P);
  }
  win::DeleteObject(gloss);
}

}  // namespace candy
