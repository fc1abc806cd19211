// What a dock or task bar reads of the presenter's windows on a private Xvfb
// server, read back with Xlib: the program's class, pid and host, and the
// icons the window was given with WM_SETICON, following their changes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/x11_identity.h"
#include "platform/display/x11_presenter.h"
#include "platform/win/gdi/icon.h"
#include "platform/win/user/message.h"
#include "platform/win/user/window.h"
#include "tests/support/xvfb.h"

// Xlib's macros (None, Bool, ...) clash with names in the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace display {
namespace {

win::HICON make_icon(int size, win::COLORREF color) {
  win::Surface pixels(size, size);
  std::fill(pixels.pixels.begin(), pixels.pixels.end(), color);
  std::vector<bool> transparent(static_cast<std::size_t>(size * size), false);
  transparent[0] = true;  // the top-left corner lets the background show
  return win::make_icon_handle(std::move(pixels), std::move(transparent));
}

class X11Identity : public testing::Test {
 protected:
  static void SetUpTestSuite() { s_xvfb = std::make_unique<test::Xvfb>(320, 240); }
  static void TearDownTestSuite() { s_xvfb.reset(); }

  void SetUp() override {
    if (s_xvfb->display_name().empty()) GTEST_SKIP() << "no X server: " << s_xvfb->error();
    m_presenter = std::make_unique<X11Presenter>(s_xvfb->display_name().c_str());
    win::set_presenter(m_presenter.get());
    m_probe = XOpenDisplay(s_xvfb->display_name().c_str());
    ASSERT_NE(m_probe, nullptr);
    win::WNDCLASSA wc;
    wc.lpfnWndProc = win::DefWindowProcA;
    wc.lpszClassName = "X11IdentityTop";
    win::RegisterClassA(&wc);  // FALSE when an earlier test registered it
    m_top = win::CreateWindowExA(0, "X11IdentityTop", "Form1", win::WS_POPUP, 0, 0, 40, 30, {});
  }

  void TearDown() override {
    if (win::IsWindow(m_top)) win::DestroyWindow(m_top);
    if (m_presenter) pump([] { return false; }, 50);
    win::set_presenter(nullptr);
    for (const win::HICON icon : m_icons) win::DestroyIcon(icon);
    if (m_probe) XCloseDisplay(m_probe);
  }

  bool pump(const std::function<bool()>& done, int limit_ms = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (std::chrono::steady_clock::now() < end) {
      win::process_pending_messages();
      XSync(m_presenter->display(), False);
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
  }

  void show() {
    win::ShowWindow(m_top, win::SW_SHOW);
    ASSERT_TRUE(pump([this] { return m_presenter->x_window(m_top) != 0; }));
  }

  ::Window xid() const { return m_presenter->x_window(m_top); }

  // A format-32 property as its values; empty when the window has none.
  std::vector<unsigned long> cardinals(const char* name) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> out;
    if (XGetWindowProperty(m_probe, xid(), XInternAtom(m_probe, name, False), 0, LONG_MAX / 4,
                           False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data && format == 32) {
      // Xlib hands 32-bit items over as longs, sign-extended.
      const auto* values = reinterpret_cast<const unsigned long*>(data);
      for (unsigned long i = 0; i < count; ++i) out.push_back(values[i] & 0xFFFFFFFFul);
    }
    if (data) XFree(data);
    return out;
  }

  std::string text(Atom property) {
    XTextProperty value{};
    std::string out;
    if (XGetTextProperty(m_probe, xid(), &value, property) && value.value)
      out.assign(reinterpret_cast<const char*>(value.value), value.nitems);
    if (value.value) XFree(value.value);
    return out;
  }

  win::HICON icon(int size, win::COLORREF color) {
    return m_icons.emplace_back(make_icon(size, color));
  }
  void set_icon(win::WPARAM which, win::HICON icon) {
    win::SendMessageA(m_top, win::WM_SETICON, which, static_cast<win::LPARAM>(icon.value));
  }

  static std::unique_ptr<test::Xvfb> s_xvfb;
  std::unique_ptr<X11Presenter> m_presenter;
  Display* m_probe = nullptr;
  win::HWND m_top;
  std::vector<win::HICON> m_icons;
};

std::unique_ptr<test::Xvfb> X11Identity::s_xvfb;

TEST_F(X11Identity, ClassPidAndHostLetADockFindTheProgram) {
  m_presenter->set_program_class("brindlecovemediacenter", "Brindlecovemediacenter");
  show();
  XClassHint hint{};
  ASSERT_TRUE(XGetClassHint(m_probe, xid(), &hint));
  EXPECT_STREQ(hint.res_name, "brindlecovemediacenter");
  EXPECT_STREQ(hint.res_class, "Brindlecovemediacenter");
  XFree(hint.res_name);
  XFree(hint.res_class);
  EXPECT_EQ(cardinals("_NET_WM_PID"),
            std::vector<unsigned long>{static_cast<unsigned long>(getpid())});
  char host[HOST_NAME_MAX + 1] = {};
  ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
  EXPECT_EQ(text(XA_WM_CLIENT_MACHINE), host);
  EXPECT_EQ(text(XA_WM_NAME), "Form1");

  // Set on a window already shown, the class follows.
  m_presenter->set_program_class("hello", "");
  XSync(m_presenter->display(), False);
  ASSERT_TRUE(XGetClassHint(m_probe, xid(), &hint));
  EXPECT_STREQ(hint.res_name, "hello");
  EXPECT_STREQ(hint.res_class, "Hello");
  XFree(hint.res_name);
  XFree(hint.res_class);
}

TEST(ProgramClass, DefaultsToTheExecutableNameCapitalised) {
  const ProgramClass unnamed = program_class("", "");
  EXPECT_EQ(unnamed.name, program_invocation_short_name);
  ASSERT_FALSE(unnamed.class_name.empty());
  EXPECT_EQ(unnamed.class_name.substr(1), unnamed.name.substr(1));
  EXPECT_EQ(unnamed.class_name[0], std::toupper(static_cast<unsigned char>(unnamed.name[0])));
  EXPECT_EQ(program_class("media", "Own").class_name, "Own");
}

TEST_F(X11Identity, IconsFollowWhatTheWindowIsGiven) {
  const win::HICON big = icon(32, win::RGB(10, 20, 30));
  set_icon(win::ICON_BIG, big);
  show();
  // width, height, then ARGB rows; the masked corner is fully transparent.
  std::vector<unsigned long> got = cardinals("_NET_WM_ICON");
  ASSERT_EQ(got.size(), 2u + 32 * 32);
  EXPECT_EQ(got[0], 32u);
  EXPECT_EQ(got[1], 32u);
  EXPECT_EQ(got[2] >> 24, 0u);
  EXPECT_EQ(got[3], 0xFF0A141Eu);

  set_icon(win::ICON_SMALL, icon(16, win::RGB(200, 0, 0)));
  ASSERT_TRUE(pump([this] { return cardinals("_NET_WM_ICON").size() == 4u + 32 * 32 + 16 * 16; }));
  got = cardinals("_NET_WM_ICON");
  EXPECT_EQ(got[2 + 32 * 32], 16u);
  EXPECT_EQ(got[2 + 32 * 32 + 3], 0xFFC80000u);

  set_icon(win::ICON_BIG, {});
  set_icon(win::ICON_SMALL, {});
  EXPECT_TRUE(pump([this] { return cardinals("_NET_WM_ICON").empty(); }));
}

}  // namespace
}  // namespace display
