// What a QCandyButton keeps beyond QAbstractButton's own state, and how it
// becomes the control's look.
#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>

#include "candybutton/qt/qcandybutton.h"
#include "include/candybutton/render.h"

namespace candy {

struct QCandyButton::Properties {
  int style = 0;
  int scheme = 0;
  // The control's colours before any scheme or property is applied.
  QColor up = QColor(0x50, 0x99, 0xE9);
  QColor hover = QColor(0x90, 0xC0, 0xFF);
  QColor down = QColor(0x50, 0x99, 0xE9);
  QColor bright = QColor(0xB0, 0xED, 0xFF);
  int border_brightness = 0;
  int picture_alignment = 0;
  QColor caption_highlight;
  QColor icon_highlight;
};

namespace qt {

// 0x00BBGGRR, as the control keeps colours, and back.
std::uint32_t to_colorref(const QColor& color);
QColor from_colorref(std::uint32_t colorref);

// The caption font of a button whose font was not set: the container's,
// MS Sans Serif 8 pt, which the render uses when given none.
inline constexpr const char* kDefaultFontName = "MS Sans Serif";
inline constexpr float kDefaultFontPoints = 8;

// A Qt font as the control describes fonts, its size multiplied by ratio.
candy::Font describe_font(const QFont& font, qreal ratio);

// The look of the button at a device pixel ratio, painted at its size x ratio
// in device pixels: fonts and picture are scaled by the same ratio, so the
// result is the look rendered at that size, not an enlarged image.
ButtonLook look_of(const QCandyButton& button, const QCandyButton::Properties& properties,
                   qreal ratio);

}  // namespace qt
}  // namespace candy
