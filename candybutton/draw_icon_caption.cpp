// Lays out the picture and the caption over the painted face, draws the
// caption and then the picture (so the picture covers the caption where they
// overlap), and shows the finished image.
//
//   alignment  picture                      caption
//   0          centred above the caption    centred as one block with the picture
//   1          centred below the caption    centred as one block with the picture
//   2          M from the left edge         centred in the client area
//   3          M from the right edge        centred in the client area
//   other      top-left corner              top-left corner
//
// M is the corner radius of the current shape, or 8 before one was computed.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "candybutton/candybutton.h"
#include "candybutton/rounding.h"

namespace candy {

namespace {

// Integer steps of the layout, done wide and saturated into 32 bits so that
// absurd sizes can not overflow.
std::int32_t saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
std::int64_t half(std::int64_t value) { return value / 2; }  // truncates toward zero

struct Layout {
  std::int32_t picX = 0;
  std::int32_t picY = 0;
  std::int32_t capX = 0;
  std::int32_t capY = 0;
};

Layout lay_out(std::int32_t alignment, double SW, double SH, std::int64_t picW, std::int64_t picH,
               std::int64_t capW, std::int64_t capH, std::int64_t M) {
  Layout out;
  const std::int64_t centred_capX = std::llabs(half(RoundToInt(SW)) - half(capW));
  switch (alignment) {
    case 0:
      out.picX = saturate(half(RoundToInt(SW - double(picW))) + 1);
      out.picY = saturate(half(RoundToInt(SH - double(picH + capH))) + 1);
      out.capX = saturate(centred_capX);
      out.capY = saturate(std::llabs(half(RoundToInt(SH)) + half(picH) - half(capH)));
      break;
    case 1:
      out.picX = saturate(half(RoundToInt(SW - double(picW))));
      out.picY = saturate(half(RoundToInt(SH - double(picH - capH))) + 1);
      out.capX = saturate(centred_capX);
      out.capY = saturate(std::llabs(half(RoundToInt(SH)) - half(picH + capH)));
      break;
    case 2:
    case 3:
      out.picX = alignment == 2 ? saturate(M) : RoundToInt(SW - double(M) - double(picW));
      out.picY = saturate(half(RoundToInt(SH - double(picH))) + 1);
      out.capX = saturate(centred_capX);
      out.capY = saturate(std::llabs(half(RoundToInt(SH)) - half(capH)));
      break;
    default: break;
  }
  return out;
}

}  // namespace

void CandyButton::DrawIconWCaption(const std::int32_t& vState) {
  const double SW = m_surface.ScaleWidth();
  const double SH = m_surface.ScaleHeight();

  std::int32_t picW = 0;
  std::int32_t picH = 0;
  if (m_Picture) {
    picW = RoundToInt(forms::himetric_to_pixels(float(m_Picture->Width())));
    picH = RoundToInt(forms::himetric_to_pixels(float(m_Picture->Height())));
  }
  // Measured with any ampersands, although the drawing turns them into underlines.
  std::int32_t capW = 0;
  std::int32_t capH = 0;
  if (!m_Caption.empty()) {
    capW = RoundToInt(m_surface.TextWidth(m_Caption));
    capH = RoundToInt(m_surface.TextHeight(m_Caption));
  }
  const std::int32_t M = m_CornerRadius == 0 ? 8 : m_CornerRadius;
  Layout at = lay_out(m_PictureAlignment, SW, SH, picW, picH, capW, capH, M);
  if (vState == 1) {
    at.picX = saturate(std::int64_t(at.picX) + 1);
    at.picY = saturate(std::int64_t(at.picY) + 1);
    at.capX = saturate(std::int64_t(at.capX) + 1);
    at.capY = saturate(std::int64_t(at.capY) + 1);
  }

  const win::HDC dc = m_surface.hDC();
  win::UINT caption_flags = DST_PREFIXTEXT;
  if (!m_Enabled) caption_flags |= DSS_DISABLED;

  // The highlight changes only the surface's text colour, and only while the
  // caption is drawn.
  const bool highlight = vState == 3 && m_CaptionHighLite;
  if (highlight) {
    const win::OLE_COLOR saved = m_surface.ForeColor();
    m_surface.SetForeColor(m_CaptionHighLiteColor);
    try {
      if (!m_Caption.empty())
        m_state_drawing->DrawStateText(dc, m_Caption, at.capX, at.capY, caption_flags);
    } catch (...) {
      m_surface.SetForeColor(saved);
      throw;
    }
    m_surface.SetForeColor(saved);
  } else if (!m_Caption.empty()) {
    m_state_drawing->DrawStateText(dc, m_Caption, at.capX, at.capY, caption_flags);
  }

  // Only bitmaps and icons have a drawing flag: a metafile is laid out but
  // not drawn, and a picture without an image draws nothing.
  if (m_Picture && m_Picture->Handle() != 0 &&
      (m_Picture->Type() == win::PICTYPE_BITMAP || m_Picture->Type() == win::PICTYPE_ICON)) {
    win::UINT picture_flags = m_Picture->Type() == win::PICTYPE_BITMAP ? DST_BITMAP : DST_ICON;
    win::HBRUSH brush;
    if (!m_Enabled) {
      picture_flags |= DSS_DISABLED;
    } else if (vState == 3 && m_IconHighLite) {
      // Used as a plain RGB value: no system-colour translation.
      brush = m_state_drawing->CreateSolidBrush(m_IconHighLiteColor);
      picture_flags |= DSS_MONO;
    }
    m_state_drawing->DrawStateImage(dc, brush, m_Picture->Handle(), at.picX, at.picY, picW, picH,
                                    picture_flags);
    if (brush) m_state_drawing->DeleteObject(brush);
  }

  m_surface.Refresh();
}

}  // namespace candy
