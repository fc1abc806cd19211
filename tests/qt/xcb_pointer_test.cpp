// A QCandyButton on a real X server (a private Xvfb) through Qt's xcb
// platform, driven by real pointer input from XTest: the hover signals, a
// click, and a click in a cut corner that reaches the widget behind instead.
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "candybutton/qt/qcandybutton.h"
#include "tests/qt/xtest_pointer.h"
#include "tests/support/xvfb.h"

namespace {

// The exit status ctest reads as "skipped": no Xvfb on this machine.
constexpr int kSkipped = 77;

// Counts the presses that reach it: what lies behind the button.
class Backdrop : public QWidget {
 public:
  int presses = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class XcbPointerTest : public QObject {
  Q_OBJECT

 public:
  explicit XcbPointerTest(const std::string& display) : m_display_name(display) {}

 private:
  std::string m_display_name;
  std::unique_ptr<candy::test::XTestPointer> m_pointer;
  std::unique_ptr<Backdrop> m_window;
  candy::QCandyButton* m_button = nullptr;

  void move_to(QPoint in_button) {
    const QPoint at = m_button->mapToGlobal(in_button);
    m_pointer->move_to(at.x(), at.y());
  }
  void click() { m_pointer->click_left(); }

 private Q_SLOTS:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_pointer = std::make_unique<candy::test::XTestPointer>(m_display_name);
    m_window = std::make_unique<Backdrop>();
    m_window->setGeometry(50, 50, 300, 200);
    m_button = new candy::QCandyButton(QStringLiteral("Music"), m_window.get());
    m_button->setGeometry(40, 40, 122, 89);
    m_button->setButtonStyle(3);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    move_to(QPoint(-30, -30));
  }

  void cleanupTestCase() {
    m_window.reset();
    m_pointer.reset();
  }

  void pointer_hovers_clicks_and_leaves() {
    QSignalSpy entered(m_button, &candy::QCandyButton::mouseEntered);
    QSignalSpy left(m_button, &candy::QCandyButton::mouseLeft);
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    move_to(QPoint(61, 44));
    QTRY_COMPARE(entered.count(), 1);
    QCOMPARE(m_button->drawingState(), 3);
    click();
    QTRY_COMPARE(clicked.count(), 1);
    move_to(QPoint(200, 44));
    QTRY_COMPARE(left.count(), 1);
    QCOMPARE(m_button->drawingState(), 2);  // the click gave it the focus
  }

  void a_click_in_a_cut_corner_reaches_what_is_behind() {
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QVERIFY(!m_button->mask().contains(QPoint(1, 1)));
    const int before = m_window->presses;
    move_to(QPoint(1, 1));
    click();
    QTRY_COMPARE(m_window->presses, before + 1);
    QCOMPARE(clicked.count(), 0);
  }
};

}  // namespace

int main(int argc, char** argv) {
  display::test::Xvfb xvfb(640, 480);
  if (xvfb.display_name().empty()) {
    std::fprintf(stderr, "skipped: no X server: %s\n", xvfb.error().c_str());
    return kSkipped;
  }
  setenv("DISPLAY", xvfb.display_name().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  QApplication app(argc, argv);
  XcbPointerTest test(xvfb.display_name());
  return QTest::qExec(&test, argc, argv);
}

#include "xcb_pointer_test.moc"
