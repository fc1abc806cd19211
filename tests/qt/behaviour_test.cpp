// What a QCandyButton does with the mouse, the keyboard and its properties,
// its shape, and what accessibility sees of it.
#include <QtGui/QAccessible>
#include <QtGui/QEnterEvent>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

#include <memory>

#include "candybutton/qt/qcandybutton.h"

namespace {

class BehaviourTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> m_window;
  candy::QCandyButton* m_button = nullptr;

  void hover_in() {
    QEnterEvent enter(QPointF(60, 40), QPointF(60, 40), QPointF(60, 40));
    QApplication::sendEvent(m_button, &enter);
  }
  void hover_out() {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_button, &leave);
  }
  QPoint centre() const { return m_button->rect().center(); }

 private Q_SLOTS:
  void init() {
    m_window = std::make_unique<QWidget>();
    m_window->resize(300, 200);
    m_button = new candy::QCandyButton(QStringLiteral("Music"), m_window.get());
    m_button->move(20, 30);
    m_button->resize(m_button->sizeHint());
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // The only focusable widget takes the focus as the window shows.
    m_button->clearFocus();
  }

  void cleanup() { m_window.reset(); }

  void design_size_and_defaults() {
    QCOMPARE(m_button->size(), QSize(122, 89));
    QCOMPARE(m_button->buttonStyle(), 0);
    QCOMPARE(m_button->colorScheme(), 0);
    QCOMPARE(m_button->colorUp(), QColor(0x50, 0x99, 0xE9));
    QCOMPARE(m_button->drawingState(), 0);
  }

  void hover_enters_and_leaves() {
    QSignalSpy entered(m_button, &candy::QCandyButton::mouseEntered);
    QSignalSpy left(m_button, &candy::QCandyButton::mouseLeft);
    hover_in();
    QCOMPARE(entered.count(), 1);
    QCOMPARE(m_button->drawingState(), 3);
    hover_out();
    QCOMPARE(left.count(), 1);
    QCOMPARE(m_button->drawingState(), 0);
  }

  void press_release_click_and_the_looks_between() {
    QSignalSpy pressed(m_button, &QAbstractButton::pressed);
    QSignalSpy released(m_button, &QAbstractButton::released);
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    hover_in();
    QTest::mousePress(m_button, Qt::LeftButton, {}, centre());
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(m_button->drawingState(), 1);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, centre());
    QCOMPARE(released.count(), 1);
    QCOMPARE(clicked.count(), 1);
    // Still under the mouse, and the press gave it the focus.
    QCOMPARE(m_button->drawingState(), 3);
    hover_out();
    QCOMPARE(m_button->drawingState(), 2);
  }

  void a_left_drag_out_rests_and_clicks_nothing() {
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    hover_in();
    QTest::mousePress(m_button, Qt::LeftButton, {}, centre());
    QMouseEvent drag(QEvent::MouseMove, QPointF(200, 40), m_button->mapToGlobal(QPointF(200, 40)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_button, &drag);
    QVERIFY(!m_button->isDown());
    QCOMPARE(m_button->drawingState(), 2);  // resting but for the focus the press gave
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(200, 40));
    QCOMPARE(clicked.count(), 0);
  }

  void space_and_enter_click_and_other_keys_do_not() {
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    m_button->setFocus();
    QTRY_VERIFY(m_button->hasFocus());
    QCOMPARE(m_button->drawingState(), 2);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
      QTest::keyPress(m_button, key);
      QCOMPARE(m_button->drawingState(), 1);
      QTest::keyRelease(m_button, key);
      QCOMPARE(m_button->drawingState(), 2);
    }
    QCOMPARE(clicked.count(), 3);
    QTest::keyClick(m_button, Qt::Key_A);
    QTest::keyClick(m_button, Qt::Key_Escape);
    QCOMPARE(clicked.count(), 3);
  }

  void checkable_toggles_and_shows_checked_over_everything() {
    m_button->setCheckable(true);
    QSignalSpy toggled(m_button, &QAbstractButton::toggled);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, centre());
    QCOMPARE(toggled.count(), 1);
    QVERIFY(m_button->isChecked());
    hover_in();
    QCOMPARE(m_button->drawingState(), 4);
    QTest::keyClick(m_button, Qt::Key_Return);
    QVERIFY(!m_button->isChecked());
    QCOMPARE(toggled.count(), 2);
  }

  void disabled_clicks_nothing_but_still_hovers() {
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QSignalSpy entered(m_button, &candy::QCandyButton::mouseEntered);
    m_button->setEnabled(false);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, centre());
    QTest::keyClick(m_button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 0);
    hover_in();
    QCOMPARE(entered.count(), 1);
  }

  // Shaped styles mask the widget to the rounded outline; clicks in the cut
  // corners are not the button's.
  void shaped_styles_mask_and_hit_test() {
    QVERIFY(m_button->mask().isEmpty());
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    // (QTest takes the point (0, 0) for the centre.)
    const QPoint corner(2, 2);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, corner);
    QCOMPARE(clicked.count(), 1);
    for (int style = 2; style <= 7; ++style) {
      m_button->setButtonStyle(style);
      const QRegion mask = m_button->mask();
      QVERIFY2(!mask.isEmpty(), qPrintable(QStringLiteral("style %1").arg(style)));
      QVERIFY(!mask.contains(corner));
      QVERIFY(mask.contains(centre()));
      QTest::mouseClick(m_button, Qt::LeftButton, {}, corner);
      QVERIFY2(clicked.count() == 1, qPrintable(QStringLiteral("style %1").arg(style)));
    }
    QTest::mouseClick(m_button, Qt::LeftButton, {}, centre());
    QCOMPARE(clicked.count(), 2);
    // The mask follows the size.
    m_button->resize(60, 40);
    QCOMPARE(m_button->mask().boundingRect().size().width() <= 60, true);
    QVERIFY(m_button->mask().contains(QPoint(30, 20)));
    m_button->setButtonStyle(1);
    QVERIFY(m_button->mask().isEmpty());
  }

  void schemes_colours_and_ranges() {
    m_button->setColorScheme(3);
    QCOMPARE(m_button->colorScheme(), 3);
    const QColor scheme_up = m_button->colorUp();
    QVERIFY(scheme_up != QColor(0x50, 0x99, 0xE9));
    // A colour set by hand leaves the scheme; others keep the scheme's.
    m_button->setColorHover(Qt::red);
    QCOMPARE(m_button->colorScheme(), 0);
    QCOMPARE(m_button->colorHover(), QColor(Qt::red));
    QCOMPARE(m_button->colorUp(), scheme_up);
    // Schemes outside 1..6 are kept but change no colour.
    m_button->setColorScheme(9);
    QCOMPARE(m_button->colorScheme(), 9);
    QCOMPARE(m_button->colorHover(), QColor(Qt::red));

    m_button->setBorderBrightness(250);
    QCOMPARE(m_button->borderBrightness(), 100);
    m_button->setBorderBrightness(-101);
    QCOMPARE(m_button->borderBrightness(), -100);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("buttonStyle 8 is outside 0..7"));
    m_button->setButtonStyle(8);
    QCOMPARE(m_button->buttonStyle(), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("pictureAlignment -1 is outside 0..4"));
    m_button->setPictureAlignment(-1);
    QCOMPARE(m_button->pictureAlignment(), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("invalid colour"));
    m_button->setColorUp(QColor());
    QCOMPARE(m_button->colorUp(), scheme_up);
  }

  // The names Designer and style sheets use.
  void properties_by_name_and_from_style_sheets() {
    QVERIFY(m_button->setProperty("buttonStyle", 5));
    QCOMPARE(m_button->buttonStyle(), 5);
    QVERIFY(m_button->setProperty("colorBright", QColor(1, 2, 3)));
    QCOMPARE(m_button->colorBright(), QColor(1, 2, 3));
    m_button->setStyleSheet(
        QStringLiteral("candy--QCandyButton { qproperty-buttonStyle: 3; "
                       "qproperty-colorScheme: 2; qproperty-captionHighlight: #00ff00; }"));
    m_button->ensurePolished();
    QCOMPARE(m_button->buttonStyle(), 3);
    QCOMPARE(m_button->colorScheme(), 2);
    QCOMPARE(m_button->captionHighlight(), QColor(0, 255, 0));
    for (const char* name : {"colorUp", "colorHover", "colorDown", "borderBrightness",
                             "pictureAlignment", "iconHighlight"})
      QVERIFY2(m_button->metaObject()->indexOfProperty(name) >= 0, name);
  }

  void accessibility_sees_a_push_button() {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(m_button);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Music"));
    QCOMPARE(iface->role(), QAccessible::Button);
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicked.count(), 1);
  }
};

}  // namespace

QTEST_MAIN(BehaviourTest)
#include "behaviour_test.moc"
