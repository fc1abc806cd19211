// candybutton-render run as a program: its exit status and messages for bad
// command lines, its image against the painters run in-process on the same
// button, and its mask against the region the button gives its window.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "candybutton/button_region.h"
#include "candybutton/styles.h"
#include "platform/forms/memory_surface.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/gdi.h"
#include "platform/win/gdi/region.h"
#include "tests/support/tiny_disk.h"

namespace {

namespace fs = std::filesystem;

// The tool sits beside this test program's folder in the build tree.
std::string tool() {
  return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "tools" /
          "candybutton-render")
      .string();
}

struct Result {
  int status = -1;
  std::string err;
};

Result run(const std::string& args) {
  const fs::path err = fs::temp_directory_path() / ("render_err_" + std::to_string(getpid()));
  const int raw = std::system((tool() + " " + args + " 2>" + err.string()).c_str());
  std::ifstream in(err);
  Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
           std::string(std::istreambuf_iterator<char>(in), {})};
  fs::remove(err);
  return r;
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

fs::path temp(const std::string& name) {
  return fs::temp_directory_path() / (std::to_string(getpid()) + "_" + name);
}

TEST(CandybuttonRender, BadCommandLinesExitTwoNamingOptionAndValue) {
  const struct {
    const char* args;
    const char* message;
  } cases[] = {
      {"--style 8 -o x.png", "--style '8': out of range 0 to 7"},
      {"--state x -o x.png", "--state 'x': not a number"},
      {"--width 0 -o x.png", "--width '0': out of range"},
      {"--color-up 0x1000000 -o x.png", "--color-up '0x1000000': out of range"},
      {"--enabled 2 -o x.png", "--enabled '2': expected 0 or 1"},
      {"--font Tahoma -o x.png", "--font 'Tahoma': expected FAMILY:POINTS"},
      {"--font Tahoma:big -o x.png", "--font 'Tahoma:big': POINTS is not a number"},
      {"--picture /no/such.bmp -o x.png", "--picture '/no/such.bmp': no such file"},
      {"--picture / -o x.png", "--picture '/': not a regular file"},
      {"--picture /dev/null -o x.png", "--picture '/dev/null': not a regular file"},
      {"--frobnicate 1 -o x.png", "unknown option '--frobnicate'"},
      {"--style", "--style: missing value"},
      {"--style 2", "-o: missing"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
  }
  const fs::path dir = temp("nodir");
  EXPECT_EQ(run("-o " + (dir / "missing" / "x.png").string()).status, 2);
}

// A full disk once left a truncated image or mask (a 64 kB stub) behind.
TEST(CandybuttonRender, AFullDiskLeavesNoFileAndSaysWhy) {
  test_support::TinyDisk disk("render_full_disk");
  if (!disk.mounted()) GTEST_SKIP() << disk.why_not();
  const fs::path elsewhere = temp("full_disk.ppm");
  const struct {
    std::string args;
    fs::path failing;
  } cases[] = {
      {"--width 400 --height 400 -o " + (disk.path() / "b.ppm").string(), disk.path() / "b.ppm"},
      {"--width 1000 --height 1000 -o " + elsewhere.string() + " --mask " +
           (disk.path() / "m.pbm").string(),
       disk.path() / "m.pbm"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.err.find("cannot write " + c.failing.string() + ": No space left on device"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(disk.files().empty()) << disk.files().front();
  }
  fs::remove(elsewhere);
}

// The same button painted here: the same colours, size and state, the
// painter of its style on a surface of the control's white background.
win::Surface paint_in_process(std::int32_t style, std::int32_t draw_state, win::HRGN* region_copy) {
  forms::MemorySurface surface(121, 89, 0xFFFFFF);
  win::OLE_COLOR up = 0x203040, hover = 0x405060, down = 0x102030, bright = 0xF0E0D0;
  candy::ButtonFace face{surface, style, up, hover, down, bright, 30, -1, 0, win::HRGN{}, [] {
                           return std::optional<win::OLE_COLOR>(0x336699);
                         }};
  win::HRGN& inner = face.m_Region;
  candy::KeepButtonRegions(candy::BuildButtonRegions(face), surface, inner, face.m_CornerRadius);
  candy::PaintFace(face, draw_state);
  if (region_copy) {
    *region_copy = win::CreateRectRgn(0, 0, 121, 89);
    if (surface.window_region())
      win::CombineRgn(*region_copy, surface.window_region(), win::HRGN{}, win::RGN_COPY);
  }
  if (inner) win::DeleteObject(inner);
  return *win::dc_from_handle(surface.hDC())->surface;
}

TEST(CandybuttonRender, ImageAndMaskMatchTheButtonPaintedInProcess) {
  for (int style : {0, 2, 5}) {
    for (int state : {0, 1, 3}) {
      const fs::path image = temp("b.ppm"), mask = temp("b.pbm");
      const std::string args =
          "--style " + std::to_string(style) + " --state " + std::to_string(state) +
          " --color-up 0x203040 --color-hover 0x405060 --color-down 0x102030"
          " --color-bright 0xF0E0D0 --border-brightness 30 --container-color 0x336699"
          " -o " +
          image.string() + " --mask " + mask.string();
      ASSERT_EQ(run(args).status, 0) << args;
      win::HRGN region;
      const win::Surface expected = paint_in_process(style, state, &region);

      std::string header = "P6\n121 89\n255\n";
      std::string ppm = read_file(image);
      ASSERT_EQ(ppm.substr(0, header.size()), header);
      ASSERT_EQ(ppm.size(), header.size() + 121u * 89u * 3u);
      for (std::int32_t y = 0; y < 89; ++y)
        for (std::int32_t x = 0; x < 121; ++x) {
          const std::size_t at = header.size() + (std::size_t(y) * 121 + std::size_t(x)) * 3;
          const win::COLORREF got = win::COLORREF(std::uint8_t(ppm[at])) |
                                    win::COLORREF(std::uint8_t(ppm[at + 1])) << 8 |
                                    win::COLORREF(std::uint8_t(ppm[at + 2])) << 16;
          ASSERT_EQ(got, expected.at(x, y))
              << "style " << style << " state " << state << " at " << x << "," << y;
        }

      header = "P4\n121 89\n";
      const std::string pbm = read_file(mask);
      ASSERT_EQ(pbm.substr(0, header.size()), header);
      ASSERT_EQ(pbm.size(), header.size() + 16u * 89u);
      const win::Region& r = *win::region_from_handle(region);
      for (std::int32_t y = 0; y < 89; ++y)
        for (std::int32_t x = 0; x < 121; ++x) {
          const bool inside =
              (std::uint8_t(pbm[header.size() + std::size_t(y) * 16 + std::size_t(x) / 8]) >>
               (7 - x % 8)) &
              1;
          ASSERT_EQ(inside, r.contains(x, y)) << "style " << style << " at " << x << "," << y;
        }
      win::DeleteObject(region);
      fs::remove(image);
      fs::remove(mask);
    }
  }
}

}  // namespace
