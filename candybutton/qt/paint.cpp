// Painting and shaping a QCandyButton with the control's own render.
#include <QtCore/QDebug>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QRegion>

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "candybutton/qt/ico_encoding.h"
#include "candybutton/qt/properties.h"

namespace candy {

namespace qt {

std::uint32_t to_colorref(const QColor& color) {
  const QColor rgb = color.toRgb();
  return std::uint32_t(rgb.red()) | std::uint32_t(rgb.green()) << 8 |
         std::uint32_t(rgb.blue()) << 16;
}

QColor from_colorref(std::uint32_t colorref) {
  return QColor(int(colorref & 0xFF), int(colorref >> 8 & 0xFF), int(colorref >> 16 & 0xFF));
}

candy::Font describe_font(const QFont& font, qreal ratio) {
  // A font sized in pixels has its points at the platform's 96 pixels an inch.
  const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
  candy::Font description;
  description.name = font.family().toStdString();
  description.size = float(points * ratio);
  description.weight = std::int16_t(font.weight());
  description.italic = font.italic();
  description.underline = font.underline();
  description.strikethrough = font.strikeOut();
  return description;
}

namespace {

int device_pixels(int logical, qreal ratio) { return int(std::nearbyint(logical * ratio)); }

// What shows behind the flat styles: the background of the widget the button
// sits on.
QColor container_color(const QWidget& button) {
  const QWidget* parent = button.parentWidget();
  return parent ? parent->palette().color(parent->backgroundRole())
                : button.palette().color(QPalette::Window);
}

std::vector<std::uint8_t> picture_of(const QCandyButton& button, qreal ratio) {
  const QIcon::State state = button.isChecked() ? QIcon::On : QIcon::Off;
  QImage image = button.icon().pixmap(button.iconSize(), ratio, QIcon::Normal, state).toImage();
  if (image.isNull()) return {};
  if (image.width() > kMaxIcoSide || image.height() > kMaxIcoSide)
    image = image.scaled(kMaxIcoSide, kMaxIcoSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return encode_ico(image);
}

}  // namespace

ButtonLook look_of(const QCandyButton& button, const QCandyButton::Properties& properties,
                   qreal ratio) {
  ButtonLook look;
  look.style = properties.style;
  look.state = button.drawingState();
  look.width = device_pixels(button.width(), ratio);
  look.height = device_pixels(button.height(), ratio);
  look.color_up = to_colorref(properties.up);
  look.color_hover = to_colorref(properties.hover);
  look.color_down = to_colorref(properties.down);
  look.color_bright = to_colorref(properties.bright);
  look.border_brightness = properties.border_brightness;
  look.enabled = button.isEnabled();
  look.checked = button.isChecked();
  look.caption = button.text().toStdString();
  if (button.testAttribute(Qt::WA_SetFont)) look.font = describe_font(button.font(), ratio);
  else if (ratio != 1)
    look.font = candy::Font{
        kDefaultFontName, float(kDefaultFontPoints * ratio), 400, false, false, false, 0};
  if (!button.icon().isNull()) {
    look.picture = picture_of(button, ratio);
    look.picture_name = "the button's icon";
  }
  look.picture_alignment = properties.picture_alignment;
  if (properties.caption_highlight.isValid())
    look.caption_highlite = to_colorref(properties.caption_highlight);
  if (properties.icon_highlight.isValid())
    look.icon_highlite = to_colorref(properties.icon_highlight);
  look.container_color = to_colorref(container_color(button));
  return look;
}

}  // namespace qt

namespace {

// The window region as a widget mask: one rectangle a run of each row, rows
// with the same runs joined into one band.
QRegion region_of(const std::vector<std::uint8_t>& mask, int width, int height) {
  std::vector<QRect> rects;
  std::size_t band_start = 0;  // first rectangle of the previous row's band
  for (int y = 0; y < height; ++y) {
    std::vector<QRect> row;
    const std::uint8_t* bits = mask.data() + std::size_t(y) * std::size_t(width);
    for (int x = 0; x < width;) {
      if (!bits[x]) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && bits[x]) ++x;
      row.emplace_back(start, y, x - start, 1);
    }
    const std::size_t previous = rects.size() - band_start;
    bool same = !row.empty() && previous == row.size() && rects.back().bottom() == y - 1;
    for (std::size_t i = 0; same && i < row.size(); ++i)
      same = rects[band_start + i].left() == row[i].left() &&
             rects[band_start + i].right() == row[i].right();
    if (same) {
      for (std::size_t i = 0; i < row.size(); ++i) rects[band_start + i].setBottom(y);
    } else if (!row.empty()) {
      band_start = rects.size();
      rects.insert(rects.end(), row.begin(), row.end());
    }
  }
  QRegion region;
  region.setRects(rects.data(), int(rects.size()));
  return region;
}

}  // namespace

void QCandyButton::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  const ButtonLook look = qt::look_of(*this, *m_properties, ratio);
  if (look.width <= 0 || look.height <= 0) return;
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  try {
    render_button(look, pixels);
  } catch (const std::exception& error) {
    qWarning("QCandyButton: the button cannot be painted: %s", error.what());
    return;
  }
  QImage image(look.width, look.height, QImage::Format_RGB32);
  for (int y = 0; y < look.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const std::uint32_t* from = pixels.data() + std::size_t(y) * std::size_t(look.width);
    for (int x = 0; x < look.width; ++x)
      row[x] = qRgb(from[x] & 0xFF, from[x] >> 8 & 0xFF, from[x] >> 16 & 0xFF);
  }
  // Device pixels one to one: the image is already at the screen's density.
  image.setDevicePixelRatio(ratio);
  QPainter painter(this);
  painter.drawImage(QPointF(0, 0), image);
}

void QCandyButton::resizeEvent(QResizeEvent* e) {
  updateShape();
  QAbstractButton::resizeEvent(e);
}

// The mask is the control's window region at the widget's own size, so the
// cut corners of the shaped styles let clicks through to what is behind.
void QCandyButton::updateShape() {
  if (width() <= 0 || height() <= 0) return;
  ButtonLook look;
  look.style = m_properties->style;
  look.width = width();
  look.height = height();
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  std::vector<std::uint8_t> mask;
  try {
    mask = render_button(look, pixels);
  } catch (const std::exception& error) {
    qWarning("QCandyButton: the button's shape cannot be made: %s", error.what());
    clearMask();
    return;
  }
  if (std::all_of(mask.begin(), mask.end(), [](std::uint8_t bit) { return bit != 0; })) clearMask();
  else setMask(region_of(mask, look.width, look.height));
}

bool QCandyButton::hitButton(const QPoint& pos) const {
  const QRegion shape = mask();
  return shape.isEmpty() ? rect().contains(pos) : shape.contains(pos);
}

}  // namespace candy
