// A QCandyButton paints exactly what render_button paints for the same look,
// in every style and drawing state. Run at the screen's device pixel ratio:
// ctest runs it at 1 and, with QT_SCALE_FACTOR=2, at 2, where the look must
// be the one rendered at twice the size (twice the font, twice the picture).
#include <QtGui/QEnterEvent>
#include <QtGui/QPainter>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "candybutton/qt/qcandybutton.h"
#include "include/candybutton/render.h"

namespace {

constexpr int kWidth = 122;
constexpr int kHeight = 89;

struct Rendered {
  QImage image;  // the render's pixels as a Qt image, row-major
  std::vector<std::uint8_t> mask;
};

Rendered render(const candy::ButtonLook& look) {
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  Rendered out;
  out.mask = candy::render_button(look, pixels);
  out.image = QImage(look.width, look.height, QImage::Format_RGB32);
  for (int y = 0; y < look.height; ++y)
    for (int x = 0; x < look.width; ++x) {
      const std::uint32_t p = pixels[std::size_t(y) * std::size_t(look.width) + std::size_t(x)];
      out.image.setPixel(x, y, qRgb(int(p & 0xFF), int(p >> 8 & 0xFF), int(p >> 16 & 0xFF)));
    }
  return out;
}

std::uint32_t colorref(const QColor& c) {
  return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

// Every pixel inside the region, else the first that differs.
void compare_inside_mask(const QImage& shown, const Rendered& expected) {
  QCOMPARE(shown.size(), expected.image.size());
  const QImage actual = shown.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x) {
      if (!expected.mask[std::size_t(y) * std::size_t(actual.width()) + std::size_t(x)]) continue;
      if (actual.pixel(x, y) != expected.image.pixel(x, y))
        QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, the render has %4")
                             .arg(x)
                             .arg(y)
                             .arg(actual.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                             .arg(expected.image.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
    }
}

QIcon test_icon() {
  // Two colours and a transparent border, at 32 and 64 pixels for both ratios.
  QIcon icon;
  for (int side : {32, 64}) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(side / 8, side / 8, side * 3 / 4, side * 3 / 8, QColor(200, 30, 40));
    painter.fillRect(side / 8, side / 2, side * 3 / 4, side * 3 / 8, QColor(20, 90, 220));
    painter.end();
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

class LookTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> m_window;
  candy::QCandyButton* m_button = nullptr;

  qreal ratio() const { return m_button->devicePixelRatioF(); }

  // The look a plain button of the test window has in this style and state.
  candy::ButtonLook look(int style, int state) const {
    candy::ButtonLook look;
    look.style = style;
    look.state = state;
    look.checked = state == 4;
    look.width = int(std::nearbyint(kWidth * ratio()));
    look.height = int(std::nearbyint(kHeight * ratio()));
    look.container_color = colorref(m_window->palette().color(QPalette::Window));
    if (ratio() != 1)
      look.font = candy::Font{"MS Sans Serif", float(8 * ratio()), 400, false, false, false, 0};
    return look;
  }

  // Brings the button into a drawing state the way a user would.
  void enter_state(int state) {
    switch (state) {
      case 1: m_button->setDown(true); break;
      case 2:
        m_button->setFocus();
        QTRY_VERIFY(m_button->hasFocus());
        break;
      case 3: {
        QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
        QApplication::sendEvent(m_button, &enter);
        break;
      }
      case 4:
        m_button->setCheckable(true);
        m_button->setChecked(true);
        break;
      default: break;
    }
    QCOMPARE(m_button->drawingState(), state);
  }

 private Q_SLOTS:
  void init() {
    m_window = std::make_unique<QWidget>();
    m_window->resize(300, 200);
    m_button = new candy::QCandyButton(m_window.get());
    m_button->setGeometry(20, 30, kWidth, kHeight);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // The only focusable widget takes the focus as the window shows.
    m_button->clearFocus();
    // The ratio the run asked for really reached the widget.
    const qreal asked =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    QCOMPARE(ratio(), asked);
  }

  void cleanup() { m_window.reset(); }

  void every_style_and_state_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("state");
    for (int style = 0; style < 8; ++style)
      for (int state = 0; state <= 4; ++state)
        QTest::addRow("style %d state %d", style, state) << style << state;
  }

  void every_style_and_state() {
    QFETCH(int, style);
    QFETCH(int, state);
    m_button->setButtonStyle(style);
    enter_state(state);
    compare_inside_mask(m_button->grab().toImage(), render(look(style, state)));
  }

  // Caption, picture, scheme, rim, alignment, highlights and a font of the
  // program's own, under the mouse so that the highlights show.
  void every_property_reaches_the_look() {
    m_button->setText(QStringLiteral("Music"));
    m_button->setIcon(test_icon());
    m_button->setButtonStyle(2);
    m_button->setColorScheme(3);
    m_button->setBorderBrightness(40);
    m_button->setPictureAlignment(2);
    m_button->setCaptionHighlight(QColor(0, 255, 0));
    m_button->setIconHighlight(QColor(255, 0, 255));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    font.setBold(true);
    m_button->setFont(font);
    enter_state(3);

    candy::ButtonLook expected = look(2, 3);
    expected.caption = "Music";
    expected.scheme = 3;
    expected.border_brightness = 40;
    expected.picture_alignment = 2;
    expected.caption_highlite = 0x00FF00;
    expected.icon_highlite = 0xFF00FF;
    expected.font = candy::Font{"DejaVu Sans", float(9 * ratio()), 700, false, false, false, 0};
    const QImage icon =
        test_icon().pixmap(QSize(32, 32), ratio()).toImage().convertToFormat(QImage::Format_ARGB32);
    expected.picture = ico_of(icon);
    compare_inside_mask(m_button->grab().toImage(), render(expected));
  }

  void disabled_look() {
    m_button->setText(QStringLiteral("Video"));
    m_button->setEnabled(false);
    candy::ButtonLook expected = look(0, 0);
    expected.caption = "Video";
    expected.enabled = false;
    compare_inside_mask(m_button->grab().toImage(), render(expected));
  }

 private:
  // An independent ICO writer for the expected look: 24-bit colour rows and
  // the AND mask, which the control reads as the same picture.
  static std::vector<std::uint8_t> ico_of(const QImage& image) {
    const int w = image.width(), h = image.height();
    const int colour_stride = (w * 3 + 3) / 4 * 4, mask_stride = (w + 31) / 32 * 4;
    const std::uint32_t size = std::uint32_t(40 + (colour_stride + mask_stride) * h);
    std::vector<std::uint8_t> out;
    auto u16 = [&](std::uint32_t v) {
      out.push_back(std::uint8_t(v));
      out.push_back(std::uint8_t(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
      u16(v & 0xFFFF);
      u16(v >> 16);
    };
    u16(0), u16(1), u16(1);
    out.push_back(std::uint8_t(w)), out.push_back(std::uint8_t(h)), out.push_back(0),
        out.push_back(0);
    u16(1), u16(24), u32(size), u32(22);
    u32(40), u32(std::uint32_t(w)), u32(std::uint32_t(2 * h)), u16(1), u16(24);
    for (int i = 0; i < 6; ++i) u32(0);
    for (int y = h - 1; y >= 0; --y) {
      for (int x = 0; x < w; ++x) {
        const QRgb p = image.pixel(x, y);
        out.push_back(std::uint8_t(qBlue(p))), out.push_back(std::uint8_t(qGreen(p))),
            out.push_back(std::uint8_t(qRed(p)));
      }
      out.resize(out.size() + std::size_t(colour_stride - w * 3), 0);
    }
    for (int y = h - 1; y >= 0; --y) {
      std::vector<std::uint8_t> bits(std::size_t(mask_stride), 0);
      for (int x = 0; x < w; ++x)
        if (qAlpha(image.pixel(x, y)) < 128)
          bits[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
      out.insert(out.end(), bits.begin(), bits.end());
    }
    return out;
  }
};

}  // namespace

QTEST_MAIN(LookTest)
#include "look_test.moc"
