// The screen's scale from CANDY_SCALE and from the desktop's Xft.dpi.
#include "platform/display/screen_scale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/display/select.h"
#include "platform/win/user/system_metrics.h"
#include "tests/support/xvfb.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace display {
namespace {

TEST(ScreenScale, SettingAndResourceParsing) {
  EXPECT_EQ(parse_scale_setting("1"), 1.0);
  EXPECT_EQ(parse_scale_setting(" 1.5 "), 1.5);
  EXPECT_EQ(parse_scale_setting("8"), 8.0);
  for (const char* bad : {"", "0.99", "-2", "2x", "inf", "nan", "8.5"}) {
    EXPECT_THROW(parse_scale_setting(bad), std::runtime_error) << bad;
  }
  EXPECT_EQ(xft_dpi("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
  EXPECT_EQ(xft_dpi("Xft.dpi: 144"), 144.0);
  EXPECT_EQ(xft_dpi("Xcursor.size:\t24\n"), std::nullopt);
  EXPECT_EQ(xft_dpi("Xft.dpi:\tlarge\n"), std::nullopt);
  EXPECT_EQ(xft_dpi("Xft.dpi:\t0\n"), std::nullopt);
  EXPECT_EQ(scale_from_dpi(192), 2.0);
  EXPECT_EQ(scale_from_dpi(72), 1.0);  // never below the design resolution
  EXPECT_EQ(scale_from_dpi(96 * 20), win::kMaxScreenScale);
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() {
    m_old.empty() ? unsetenv(m_name.c_str()) : setenv(m_name.c_str(), m_old.c_str(), 1);
  }

 private:
  std::string m_name;
  std::string m_old;
};

// What a desktop publishes with xrdb: the root window's RESOURCE_MANAGER.
TEST(ScreenScale, XftDpiOfTheDesktopUnlessCandyScaleSaysOtherwise) {
  test::Xvfb xvfb(640, 480);
  if (xvfb.display_name().empty()) GTEST_SKIP() << xvfb.error();
  Display* desktop = XOpenDisplay(xvfb.display_name().c_str());
  ASSERT_NE(desktop, nullptr);
  const std::string resources = "Xft.antialias:\t1\nXft.dpi:\t192\n";
  XChangeProperty(desktop, DefaultRootWindow(desktop), XA_RESOURCE_MANAGER, XA_STRING, 8,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(resources.data()),
                  static_cast<int>(resources.size()));
  XSync(desktop, False);
  ScopedEnv display("DISPLAY", xvfb.display_name().c_str());
  ScopedEnv choice("CANDY_DISPLAY", "x11");
  {
    ScopedEnv scale("CANDY_SCALE", nullptr);
    const auto presenter = make_presenter();
    EXPECT_EQ(win::screen_scale(), 2.0);
  }
  {
    ScopedEnv scale("CANDY_SCALE", "1.5");
    const auto presenter = make_presenter();
    EXPECT_EQ(win::screen_scale(), 1.5);
  }
  XDeleteProperty(desktop, DefaultRootWindow(desktop), XA_RESOURCE_MANAGER);
  XSync(desktop, False);
  {
    ScopedEnv scale("CANDY_SCALE", nullptr);
    const auto presenter = make_presenter();
    EXPECT_EQ(win::screen_scale(), 1.0);
  }
  XCloseDisplay(desktop);
}

}  // namespace
}  // namespace display
