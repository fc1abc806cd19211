// Built outside the tree with the toolchain's defaults against the installed
// libcandybutton-qt: every style's QCandyButton at rest, grabbed at device
// pixel ratio 1, must show what render_button paints for the same look inside
// its window region, with the default caption font and with one set.
#include <QtWidgets/QApplication>

#include <candybutton/constants.h>
#include <candybutton/qt/qcandybutton.h>
#include <candybutton/render.h>

#include <cstdio>
#include <vector>

namespace {

std::uint32_t colorref(const QColor& c) {
  return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

// The first pixel inside the region where the widget differs, or -1.
long first_difference(const QImage& shown, const candy::ButtonLook& look) {
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  const std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  const QImage image = shown.convertToFormat(QImage::Format_RGB32);
  if (image.width() != look.width || image.height() != look.height) return 0;
  for (int y = 0; y < look.height; ++y)
    for (int x = 0; x < look.width; ++x) {
      const std::size_t i = std::size_t(y) * std::size_t(look.width) + std::size_t(x);
      if (mask[i] && colorref(QColor(image.pixel(x, y))) != pixels[i]) return long(i);
    }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(400, 300);
  window.show();
  for (int style = 0; style < candy::style::Count; ++style)
    for (bool set_font : {false, true}) {
      auto* button = new candy::QCandyButton(QStringLiteral("Music"), &window);
      button->setGeometry(10, 10, 122, 89);
      button->setButtonStyle(style);
      button->setColorScheme(candy::scheme::SteelBlue);
      candy::ButtonLook look;
      look.style = style;
      look.caption = "Music";
      look.width = 122;
      look.height = 89;
      look.scheme = candy::scheme::SteelBlue;
      look.container_color = colorref(window.palette().color(QPalette::Window));
      if (set_font) {
        button->setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        look.font = candy::Font{"DejaVu Sans", 10, 400, false, false, false, 0};
      }
      const long at = first_difference(button->grab().toImage(), look);
      if (at >= 0) {
        std::fprintf(stderr, "qt_look: style %d%s differs from the render at pixel %ld\n", style,
                     set_font ? " with its font set" : "", at);
        return 1;
      }
      delete button;
    }
  std::puts("qt_look: every style matches the render");
  return 0;
}
