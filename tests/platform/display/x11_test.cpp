// The X11 presenter on a private Xvfb server: what reaches the screen is
// pixel for pixel the composed image the headless presenter shows, and
// pointer and key events arrive at the platform window under them in its
// client coordinates.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/x11_pixels.h"
#include "platform/display/x11_presenter.h"
#include "platform/win/user/compose.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/user/input.h"
#include "platform/win/user/message.h"
#include "platform/win/user/message_box.h"
#include "platform/win/user/paint.h"
#include "platform/win/gdi/region.h"
#include "platform/win/user/window.h"
#include "tests/support/xvfb.h"

// Xlib's macros (None, Bool, ...) clash with names in the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace display {
namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

struct Received {
  win::HWND hwnd;
  win::UINT message;
  win::WPARAM wparam;
  win::LPARAM lparam;
};
std::vector<Received>* g_received = nullptr;

win::LRESULT recording_proc(win::HWND hwnd, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  if (g_received &&
      (msg == win::WM_MOUSEMOVE || msg == win::WM_LBUTTONDOWN || msg == win::WM_LBUTTONUP ||
       msg == win::WM_RBUTTONDOWN || msg == win::WM_KEYDOWN || msg == win::WM_KEYUP)) {
    g_received->push_back({hwnd, msg, wparam, lparam});
  }
  return win::DefWindowProcA(hwnd, msg, wparam, lparam);
}

void register_class(const char* name, win::COLORREF background) {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = recording_proc;
  wc.background = background;
  wc.lpszClassName = name;
  win::RegisterClassA(&wc);  // FALSE when an earlier test registered it
}

class X11PresenterTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_xvfb = std::make_unique<test::Xvfb>(kScreenWidth, kScreenHeight);
  }
  static void TearDownTestSuite() { s_xvfb.reset(); }

  void SetUp() override {
    if (s_xvfb->display_name().empty())
      GTEST_SKIP() << "no X server for the X11 tests: " << s_xvfb->error();
    m_presenter = std::make_unique<X11Presenter>(s_xvfb->display_name().c_str());
    win::set_presenter(m_presenter.get());
    m_probe = XOpenDisplay(s_xvfb->display_name().c_str());
    ASSERT_NE(m_probe, nullptr);
    g_received = &m_received;

    register_class("X11TestTop", win::RGB(250, 250, 250));
    register_class("X11TestRed", win::RGB(200, 30, 40));
    register_class("X11TestBlue", win::RGB(20, 60, 210));
    // Placed far from where the X window will be: the platform position,
    // not the X window's, is what screen coordinates mean.
    m_top =
        win::CreateWindowExA(0, "X11TestTop", "Caf\xe9 \x80", win::WS_POPUP, 1000, 700, 64, 48, {});
    m_red = win::CreateWindowExA(0, "X11TestRed", "", win::WS_CHILD | win::WS_VISIBLE, 8, 6, 30, 20,
                                 m_top);
    m_blue = win::CreateWindowExA(0, "X11TestBlue", "", win::WS_CHILD | win::WS_VISIBLE, 30, 16, 28,
                                  26, m_top);
    win::SetWindowRgn(m_blue, win::CreateRoundRectRgn(0, 0, 28, 26, 12, 12), win::TRUE);
    const win::HDC dc = win::GetDC(m_top);
    for (int i = 0; i < 40; ++i)
      win::SetPixelV(dc, i, 44 - i / 10, win::RGB(i * 6, 255 - i * 5, 3 * i));
    win::ReleaseDC(m_top, dc);
    win::ShowWindow(m_top, win::SW_SHOW);
  }

  void TearDown() override {
    g_received = nullptr;
    if (win::IsWindow(m_top)) win::DestroyWindow(m_top);
    if (m_presenter) pump([] { return false; }, 50);
    win::set_presenter(nullptr);
    if (m_probe) XCloseDisplay(m_probe);
  }

  // Runs the platform's pending work and the presenter until `done` holds
  // or `limit_ms` passed.
  bool pump(const std::function<bool()>& done, int limit_ms = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (std::chrono::steady_clock::now() < end) {
      win::process_pending_messages();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
  }

  bool viewable() {
    const ::Window xid = m_presenter->x_window(m_top);
    if (!xid) return false;
    XSync(m_presenter->display(), False);  // the server knows the window before the probe asks
    XWindowAttributes a;
    return XGetWindowAttributes(m_probe, xid, &a) && a.map_state == IsViewable;
  }

  // Where the X window's top-left pixel is on the root window.
  win::POINT x_origin() {
    int x = 0;
    int y = 0;
    ::Window child;
    XTranslateCoordinates(m_probe, m_presenter->x_window(m_top), DefaultRootWindow(m_probe), 0, 0,
                          &x, &y, &child);
    return {x, y};
  }

  // The screen's pixels over the X window, as colours.
  win::Surface read_back() {
    Visual* visual = DefaultVisual(m_probe, DefaultScreen(m_probe));
    const PixelFormat format{visual->red_mask, visual->green_mask, visual->blue_mask};
    const win::POINT origin = x_origin();
    XImage* image = XGetImage(m_probe, DefaultRootWindow(m_probe), origin.x, origin.y, 64, 48,
                              AllPlanes, ZPixmap);
    win::Surface out(64, 48);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 64; ++x) out.at(x, y) = from_pixel(XGetPixel(image, x, y), format);
    }
    XDestroyImage(image);
    return out;
  }

  void fake_pointer(int x_in_window, int y_in_window) {
    const win::POINT origin = x_origin();
    XTestFakeMotionEvent(m_probe, DefaultScreen(m_probe), origin.x + x_in_window,
                         origin.y + y_in_window, 0);
    XSync(m_probe, False);
  }

  std::vector<Received> received(win::UINT message) const {
    std::vector<Received> out;
    for (const auto& r : m_received) {
      if (r.message == message) out.push_back(r);
    }
    return out;
  }

  static std::unique_ptr<test::Xvfb> s_xvfb;
  std::unique_ptr<X11Presenter> m_presenter;
  Display* m_probe = nullptr;
  std::vector<Received> m_received;
  win::HWND m_top;
  win::HWND m_red;
  win::HWND m_blue;
};

std::unique_ptr<test::Xvfb> X11PresenterTest::s_xvfb;

TEST_F(X11PresenterTest, ShowsTheComposedImageCentredBorderlessAndTitled) {
  ASSERT_TRUE(pump([this] { return viewable(); }));
  const win::Surface expected = win::compose_screen(m_top);
  win::Surface shown;
  // The first expose may still be on its way.
  pump([&] { return (shown = read_back()).pixels == expected.pixels; }, 2000);
  ASSERT_EQ(shown.pixels.size(), expected.pixels.size());
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x)
      ASSERT_EQ(shown.at(x, y), expected.at(x, y)) << "at " << x << "," << y;
  }
  EXPECT_EQ(x_origin(), (win::POINT{(kScreenWidth - 64) / 2, (kScreenHeight - 48) / 2}));

  const ::Window xid = m_presenter->x_window(m_top);
  Atom type;
  int format;
  unsigned long count;
  unsigned long after;
  unsigned char* data = nullptr;
  XGetWindowProperty(m_probe, xid, XInternAtom(m_probe, "_MOTIF_WM_HINTS", False), 0, 5, False,
                     AnyPropertyType, &type, &format, &count, &after, &data);
  ASSERT_EQ(count, 5u);
  const auto* hints = reinterpret_cast<const unsigned long*>(data);
  EXPECT_EQ(hints[0] & 2, 2u);  // decorations given
  EXPECT_EQ(hints[2], 0u);      // and none wanted
  XFree(data);
  XGetWindowProperty(m_probe, xid, XInternAtom(m_probe, "_NET_WM_NAME", False), 0, 64, False,
                     XInternAtom(m_probe, "UTF8_STRING", False), &type, &format, &count, &after,
                     &data);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), count), "Caf\xc3\xa9 \xe2\x82\xac");
  XFree(data);
}

TEST_F(X11PresenterTest, RedrawsAfterEachChange) {
  ASSERT_TRUE(pump([this] { return viewable(); }));
  win::ShowWindow(m_red, win::SW_HIDE);
  win::MoveWindow(m_blue, 2, 2, 28, 26, win::TRUE);
  EXPECT_TRUE(pump([this] { return read_back().pixels == win::compose_screen(m_top).pixels; }));
}

TEST_F(X11PresenterTest, PointerAndButtonsReachTheWindowUnderThePointer) {
  ASSERT_TRUE(pump([this] { return viewable(); }));
  fake_pointer(12, 9);  // over the red child at (4, 3)
  ASSERT_TRUE(pump([this] { return !received(win::WM_MOUSEMOVE).empty(); }));
  XTestFakeButtonEvent(m_probe, 1, True, 0);
  XTestFakeButtonEvent(m_probe, 1, False, 0);
  XTestFakeButtonEvent(m_probe, 4, True, 0);  // the wheel is not a button
  XTestFakeButtonEvent(m_probe, 4, False, 0);
  XSync(m_probe, False);
  ASSERT_TRUE(pump([this] { return !received(win::WM_LBUTTONUP).empty(); }));

  const auto moves = received(win::WM_MOUSEMOVE);
  EXPECT_EQ(moves.back().hwnd, m_red);
  EXPECT_EQ(win::GET_X_LPARAM(moves.back().lparam), 4);
  EXPECT_EQ(win::GET_Y_LPARAM(moves.back().lparam), 3);
  const auto downs = received(win::WM_LBUTTONDOWN);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].hwnd, m_red);
  EXPECT_EQ(win::GET_X_LPARAM(downs[0].lparam), 4);
  EXPECT_EQ(win::GET_Y_LPARAM(downs[0].lparam), 3);
  EXPECT_EQ(received(win::WM_LBUTTONUP).size(), 1u);

  // Screen coordinates are the platform window's, wherever X put it.
  EXPECT_EQ(win::pointer_position(), (win::POINT{1012, 709}));

  // In the blue child's cut corner the red one below it is hit.
  fake_pointer(31, 17);
  ASSERT_TRUE(
      pump([this] { return win::GET_X_LPARAM(received(win::WM_MOUSEMOVE).back().lparam) == 23; }));
  EXPECT_EQ(received(win::WM_MOUSEMOVE).back().hwnd, m_red);

  // Off the X window the pointer is over no platform window.
  fake_pointer(-20, -20);
  EXPECT_TRUE(pump([] { return !win::WindowFromPoint(win::pointer_position()); }));
}

TEST_F(X11PresenterTest, KeysArriveAsVirtualKeys) {
  ASSERT_TRUE(pump([this] { return viewable(); }));
  XSetInputFocus(m_probe, m_presenter->x_window(m_top), RevertToParent, CurrentTime);
  const KeySym keys[] = {XK_a, XK_Return, XK_7};
  for (const KeySym key : keys) {
    XTestFakeKeyEvent(m_probe, XKeysymToKeycode(m_probe, key), True, 0);
    XTestFakeKeyEvent(m_probe, XKeysymToKeycode(m_probe, key), False, 0);
  }
  XSync(m_probe, False);
  ASSERT_TRUE(pump([this] { return received(win::WM_KEYUP).size() == 3; }));
  const auto downs = received(win::WM_KEYDOWN);
  ASSERT_EQ(downs.size(), 3u);
  EXPECT_EQ(downs[0].wparam, 'A');
  EXPECT_EQ(downs[1].wparam, static_cast<win::WPARAM>(win::VK_RETURN));
  EXPECT_EQ(downs[2].wparam, '7');
}

TEST_F(X11PresenterTest, HiddenWindowsUnmapAndDestroyedOnesGo) {
  ASSERT_TRUE(pump([this] { return viewable(); }));
  win::ShowWindow(m_top, win::SW_HIDE);
  EXPECT_TRUE(pump([this] { return !viewable(); }));
  win::ShowWindow(m_top, win::SW_SHOW);
  EXPECT_TRUE(pump([this] { return viewable(); }));
  win::DestroyWindow(m_top);
  EXPECT_TRUE(pump([this] { return m_presenter->x_window(m_top) == 0; }));
}

// Xlib's default handler ended the program, with five lines, on any error.
TEST_F(X11PresenterTest, AnXErrorOnAnotherClientsWindowIsReportedInOneLineAndTheProgramGoesOn) {
  ASSERT_TRUE(pump([this] { return viewable(); }));
  const ::Window gone =
      XCreateSimpleWindow(m_probe, DefaultRootWindow(m_probe), 0, 0, 4, 4, 0, 0, 0);
  XDestroyWindow(m_probe, gone);
  XSync(m_probe, False);
  testing::internal::CaptureStderr();
  XMapWindow(m_presenter->display(), gone);
  pump([] { return false; }, 100);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("X error on the display \"" + s_xvfb->display_name() + "\": BadWindow"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("in request X_MapWindow"), std::string::npos) << err;
  EXPECT_NE(err.find("; going on\n"), std::string::npos) << err;
  win::InvalidateRect(m_top, nullptr, win::TRUE);
  EXPECT_TRUE(pump([this] { return viewable(); }));
}

// Finds the box by its title on its own connection, then closes it with
// `close` (run with the box's window, its width and height).
std::thread close_box_later(const std::string& display_name, const std::string& title,
                            std::function<void(Display*, ::Window, int, int)> close) {
  return std::thread([display_name, title, close] {
    Display* d = XOpenDisplay(display_name.c_str());
    for (int attempt = 0; attempt < 500; ++attempt) {
      ::Window root_return;
      ::Window parent;
      ::Window* children = nullptr;
      unsigned count = 0;
      XQueryTree(d, DefaultRootWindow(d), &root_return, &parent, &children, &count);
      for (unsigned i = 0; i < count; ++i) {
        char* name = nullptr;
        XWindowAttributes a;
        if (XFetchName(d, children[i], &name) && name && title == name &&
            XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable) {
          XFree(name);
          const ::Window box = children[i];
          XFree(children);
          std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let it take the focus
          close(d, box, a.width, a.height);
          XSync(d, False);
          XCloseDisplay(d);
          return;
        }
        if (name) XFree(name);
      }
      if (children) XFree(children);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    XCloseDisplay(d);
  });
}

TEST_F(X11PresenterTest, MessageBoxIsModalAndClosesByEnterOrByOk) {
  ASSERT_TRUE(pump([this] { return viewable(); }));
  win::clear_message_box_record();
  std::thread by_enter =
      close_box_later(s_xvfb->display_name(), "First box", [](Display* d, ::Window, int, int) {
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, XK_Return), True, 0);
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, XK_Return), False, 0);
      });
  EXPECT_EQ(win::MessageBoxA(m_top, "Something went wrong.\nSecond line", "First box", win::MB_OK),
            win::IDOK);
  by_enter.join();

  std::thread by_click = close_box_later(
      s_xvfb->display_name(), "Second box", [](Display* d, ::Window box, int w, int h) {
        int x = 0;
        int y = 0;
        ::Window child;
        XTranslateCoordinates(d, box, DefaultRootWindow(d), w / 2, h - 16 - 13, &x, &y, &child);
        XTestFakeMotionEvent(d, DefaultScreen(d), x, y, 0);
        XTestFakeButtonEvent(d, 1, True, 0);
        XTestFakeButtonEvent(d, 1, False, 0);
      });
  EXPECT_EQ(win::MessageBoxA(m_top, "Click OK", "Second box", win::MB_OK), win::IDOK);
  by_click.join();
  EXPECT_EQ(win::message_box_record().size(), 2u);
  // The box took the input: the platform window saw none of it.
  EXPECT_TRUE(received(win::WM_KEYDOWN).empty());
  EXPECT_TRUE(received(win::WM_LBUTTONDOWN).empty());
}

TEST(X11PixelsTest, EightBitChannelsRoundTripAndNarrowOnesScale) {
  const PixelFormat bgr{0xFF0000, 0x00FF00, 0x0000FF};
  EXPECT_EQ(to_pixel(win::RGB(0x12, 0x34, 0x56), bgr), 0x123456u);
  EXPECT_EQ(from_pixel(0xFF123456, bgr), win::RGB(0x12, 0x34, 0x56));
  const PixelFormat rgb565{0xF800, 0x07E0, 0x001F};
  EXPECT_EQ(to_pixel(win::RGB(255, 255, 255), rgb565), 0xFFFFu);
  EXPECT_EQ(to_pixel(win::RGB(0, 128, 0), rgb565), 32u << 5);  // 128 * 63 / 255 = 31.6
  EXPECT_EQ(from_pixel(0xF800, rgb565), win::RGB(255, 0, 0));
}

}  // namespace
}  // namespace display
