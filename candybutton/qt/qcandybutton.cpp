#include "candybutton/qt/qcandybutton.h"

#include <QtCore/QDebug>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>

#include <algorithm>
#include <optional>

#include "candybutton/qt/properties.h"
#include "include/candybutton/constants.h"
#include "include/candybutton/schemes.h"

namespace candy {

namespace {

// The highest picture alignment the control lays out (4: top-left corner).
constexpr int kMaxPictureAlignment = 4;

bool in_range(const char* property, int value, int low, int high) {
  if (value >= low && value <= high) return true;
  qWarning().nospace() << "QCandyButton: " << property << " " << value << " is outside " << low
                       << ".." << high << "; the property keeps its value";
  return false;
}

}  // namespace

QCandyButton::QCandyButton(QWidget* parent)
    : QAbstractButton(parent), m_properties(std::make_unique<Properties>()) {
  // Moves without a button held bring the hover look back after a drag out.
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setIconSize(QSize(32, 32));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QCandyButton::QCandyButton(const QString& text, QWidget* parent) : QCandyButton(parent) {
  setText(text);
}

QCandyButton::~QCandyButton() = default;

int QCandyButton::buttonStyle() const { return m_properties->style; }

void QCandyButton::setButtonStyle(int style) {
  if (!in_range("buttonStyle", style, 0, style::Count - 1) || style == m_properties->style) return;
  m_properties->style = style;
  updateShape();
  update();
}

int QCandyButton::colorScheme() const { return m_properties->scheme; }

void QCandyButton::setColorScheme(int scheme) {
  if (const std::optional<SchemeColors> colors = scheme_colors(scheme)) {
    m_properties->up = qt::from_colorref(colors->up);
    m_properties->hover = qt::from_colorref(colors->hover);
    m_properties->down = qt::from_colorref(colors->down);
    m_properties->bright = qt::from_colorref(colors->bright);
  }
  // Any other value is kept and reported but changes no colour.
  m_properties->scheme = scheme;
  update();
}

QColor QCandyButton::colorUp() const { return m_properties->up; }
void QCandyButton::setColorUp(const QColor& color) { setFaceColor(&Properties::up, color); }
QColor QCandyButton::colorHover() const { return m_properties->hover; }
void QCandyButton::setColorHover(const QColor& color) { setFaceColor(&Properties::hover, color); }
QColor QCandyButton::colorDown() const { return m_properties->down; }
void QCandyButton::setColorDown(const QColor& color) { setFaceColor(&Properties::down, color); }
QColor QCandyButton::colorBright() const { return m_properties->bright; }
void QCandyButton::setColorBright(const QColor& color) { setFaceColor(&Properties::bright, color); }

// A colour set by hand leaves the scheme, as the control's colour setters do.
void QCandyButton::setFaceColor(QColor Properties::*member, const QColor& color) {
  if (!color.isValid()) {
    qWarning("QCandyButton: an invalid colour is not a face colour; the property keeps its value");
    return;
  }
  m_properties.get()->*member = color.toRgb();
  m_properties->scheme = 0;
  update();
}

int QCandyButton::borderBrightness() const { return m_properties->border_brightness; }

void QCandyButton::setBorderBrightness(int brightness) {
  m_properties->border_brightness = std::clamp(brightness, -100, 100);
  update();
}

int QCandyButton::pictureAlignment() const { return m_properties->picture_alignment; }

void QCandyButton::setPictureAlignment(int alignment) {
  if (!in_range("pictureAlignment", alignment, 0, kMaxPictureAlignment)) return;
  m_properties->picture_alignment = alignment;
  update();
}

QColor QCandyButton::captionHighlight() const { return m_properties->caption_highlight; }

void QCandyButton::setCaptionHighlight(const QColor& color) {
  m_properties->caption_highlight = color.isValid() ? color.toRgb() : QColor();
  update();
}

QColor QCandyButton::iconHighlight() const { return m_properties->icon_highlight; }

void QCandyButton::setIconHighlight(const QColor& color) {
  m_properties->icon_highlight = color.isValid() ? color.toRgb() : QColor();
  update();
}

// The control's rules: the pressed look while a button is down, the hover
// look while the mouse is over, the focused look with the focus, and the
// checked look over all of them.
int QCandyButton::drawingState() const {
  if (isChecked()) return 4;
  if (isDown()) return 1;
  if (m_hoverLook) return 3;
  if (hasFocus()) return 2;
  return 0;
}

QSize QCandyButton::sizeHint() const { return QSize(122, 89); }

bool QCandyButton::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::Enter:
      m_inside = true;
      m_hoverLook = true;
      update();
      Q_EMIT mouseEntered();
      break;
    case QEvent::Leave:
      if (m_inside) {
        m_inside = false;
        m_hoverLook = false;
        update();
        Q_EMIT mouseLeft();
      }
      break;
    default: break;
  }
  return QAbstractButton::event(e);
}

void QCandyButton::changeEvent(QEvent* e) {
  switch (e->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange: update(); break;
    default: break;
  }
  QAbstractButton::changeEvent(e);
}

void QCandyButton::mouseMoveEvent(QMouseEvent* e) {
  const bool inside = rect().contains(e->position().toPoint());
  if (e->buttons() == Qt::LeftButton && !inside && m_hoverLook) {
    // Dragged out with the left button: resting, until the mouse moves in
    // again with the button up.
    m_hoverLook = false;
    update();
  } else if (e->buttons() == Qt::NoButton && inside && m_inside && !m_hoverLook) {
    m_hoverLook = true;
    update();
  }
  QAbstractButton::mouseMoveEvent(e);
}

namespace {

bool is_enter(const QKeyEvent* e) {
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Enter works as the space bar does: down on press, a click on release.
QKeyEvent as_space(const QKeyEvent* e) {
  return QKeyEvent(e->type(), Qt::Key_Space, e->modifiers(), QStringLiteral(" "), e->isAutoRepeat(),
                   std::uint16_t(e->count()));
}

}  // namespace

void QCandyButton::keyPressEvent(QKeyEvent* e) {
  if (!is_enter(e)) return QAbstractButton::keyPressEvent(e);
  QKeyEvent space = as_space(e);
  QAbstractButton::keyPressEvent(&space);
  e->setAccepted(space.isAccepted());
}

void QCandyButton::keyReleaseEvent(QKeyEvent* e) {
  if (!is_enter(e)) return QAbstractButton::keyReleaseEvent(e);
  QKeyEvent space = as_space(e);
  QAbstractButton::keyReleaseEvent(&space);
  e->setAccepted(space.isAccepted());
}

}  // namespace candy
