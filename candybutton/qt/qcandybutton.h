// CandyButton as a Qt Widgets button. The face is painted by the control's own
// painters (the window-free render), so a QCandyButton shows exactly what the
// control shows for the same look; behaviour and signals are QAbstractButton's:
//
//   candy::QCandyButton button("Music");
//   button.setButtonStyle(2);
//   button.setColorScheme(3);
//   QObject::connect(&button, &QAbstractButton::clicked, ...);
//
// text() is the caption, icon() the picture (shown at iconSize()),
// isCheckable()/isChecked() the control's Checked, isEnabled() its Enabled.
// Self-contained C++17: no platform type appears here.
#pragma once

#include <QtGui/QColor>
#include <QtWidgets/QAbstractButton>

#include <memory>

// Marks what libcandybutton-qt exports: the widget class, nothing else.
#define CANDYBUTTON_QT_API __attribute__((visibility("default")))

namespace candy {

class CANDYBUTTON_QT_API QCandyButton : public QAbstractButton {
  Q_OBJECT
  // The face painter and the window shape, 0..7; the shaped styles mask the
  // widget to their rounded outline.
  Q_PROPERTY(int buttonStyle READ buttonStyle WRITE setButtonStyle)
  // 1..6 set the four face colours at once; 0 (or any other value) leaves
  // them. Setting a colour by hand turns the scheme to 0.
  Q_PROPERTY(int colorScheme READ colorScheme WRITE setColorScheme)
  Q_PROPERTY(QColor colorUp READ colorUp WRITE setColorUp)
  Q_PROPERTY(QColor colorHover READ colorHover WRITE setColorHover)
  Q_PROPERTY(QColor colorDown READ colorDown WRITE setColorDown)
  Q_PROPERTY(QColor colorBright READ colorBright WRITE setColorBright)
  // How far the rim lightens (positive) or darkens (negative), -100..100.
  Q_PROPERTY(int borderBrightness READ borderBrightness WRITE setBorderBrightness)
  // 0 picture above the caption, 1 below, 2 at the left, 3 at the right,
  // 4 both at the top-left corner.
  Q_PROPERTY(int pictureAlignment READ pictureAlignment WRITE setPictureAlignment)
  // A valid colour draws the caption (the picture) in that colour while the
  // mouse is over the button; an invalid QColor turns the highlight off.
  Q_PROPERTY(QColor captionHighlight READ captionHighlight WRITE setCaptionHighlight)
  Q_PROPERTY(QColor iconHighlight READ iconHighlight WRITE setIconHighlight)

 public:
  explicit QCandyButton(QWidget* parent = nullptr);
  explicit QCandyButton(const QString& text, QWidget* parent = nullptr);
  ~QCandyButton() override;

  // Values outside the ranges above are refused with a warning and leave the
  // property as it was; borderBrightness is clamped, as the control does.
  int buttonStyle() const;
  void setButtonStyle(int style);
  int colorScheme() const;
  void setColorScheme(int scheme);
  QColor colorUp() const;
  void setColorUp(const QColor& color);
  QColor colorHover() const;
  void setColorHover(const QColor& color);
  QColor colorDown() const;
  void setColorDown(const QColor& color);
  QColor colorBright() const;
  void setColorBright(const QColor& color);
  int borderBrightness() const;
  void setBorderBrightness(int brightness);
  int pictureAlignment() const;
  void setPictureAlignment(int alignment);
  QColor captionHighlight() const;
  void setCaptionHighlight(const QColor& color);
  QColor iconHighlight() const;
  void setIconHighlight(const QColor& color);

  // The control's drawing state for the current interaction: 0 resting,
  // 1 pressed, 2 focused, 3 mouse over, 4 checked.
  int drawingState() const;

  // The control's design size, 122 x 89.
  QSize sizeHint() const override;

  // The values behind the properties; defined inside the library.
  struct Properties;

 Q_SIGNALS:
  void mouseEntered();
  void mouseLeft();

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  void setFaceColor(QColor Properties::*member, const QColor& color);
  void updateShape();

  std::unique_ptr<Properties> m_properties;
  bool m_inside = false;     // between an Enter and a Leave event
  bool m_hoverLook = false;  // the mouse-over look; a left-button drag out clears it
};

}  // namespace candy
