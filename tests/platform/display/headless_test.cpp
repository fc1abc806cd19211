#include "platform/display/headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/display/png.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/user/message.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/timer.h"
#include "platform/win/user/window.h"

namespace display {
namespace {

std::vector<win::UINT> g_messages;

win::LRESULT log_proc(win::HWND hwnd, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  if (msg != win::WM_PAINT && msg != win::WM_ERASEBKGND) g_messages.push_back(msg);
  return win::DefWindowProcA(hwnd, msg, wparam, lparam);
}

class Headless : public ::testing::Test {
 protected:
  void SetUp() override {
    win::set_clock(&m_clock);
    static const bool registered = [] {
      win::WNDCLASSA wc;
      wc.lpfnWndProc = log_proc;
      wc.background = win::RGB(10, 20, 30);
      wc.lpszClassName = "HeadlessTest";
      return win::RegisterClassA(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    m_dir = std::filesystem::temp_directory_path() /
            ("headless_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(m_dir);
    m_top = win::CreateWindowExA(0, "HeadlessTest", "", win::WS_POPUP | win::WS_VISIBLE, 300, 200,
                                 4, 3, {});
    g_messages.clear();
  }
  void TearDown() override {
    win::DestroyWindow(m_top);
    win::set_presenter(nullptr);
    win::set_clock(nullptr);
    std::filesystem::remove_all(m_dir);
  }
  int run(const std::string& script, HeadlessPresenter** out = nullptr) {
    m_presenter = std::make_unique<HeadlessPresenter>(parse_script(script, "test"),
                                                      (m_dir / "frames").string());
    if (out) *out = m_presenter.get();
    win::set_presenter(m_presenter.get());
    return win::run_message_loop();
  }

  win::FakeClock m_clock{0};
  std::filesystem::path m_dir;
  win::HWND m_top;
  std::unique_ptr<HeadlessPresenter> m_presenter;
};

TEST_F(Headless, ReplaysInputInClientCoordinatesAndEndsWithStatusThree) {
  HeadlessPresenter* presenter = nullptr;
  EXPECT_EQ(run("wait-idle\nmove 1 2\nclick left\nkey Space\nwait 500\n", &presenter),
            kScriptEndedExitCode);
  EXPECT_EQ(g_messages,
            (std::vector<win::UINT>{win::WM_MOUSEMOVE, win::WM_LBUTTONDOWN, win::WM_LBUTTONUP,
                                    win::WM_KEYDOWN, win::WM_CHAR, win::WM_KEYUP}));
  EXPECT_EQ(m_clock.now_ms(), 500);
  EXPECT_TRUE(presenter->script_done());
  EXPECT_EQ(presenter->frames_written(), 1);
}

TEST_F(Headless, SnapshotsAndFramesAreTheComposedScreen) {
  const auto shot = (m_dir / "shot.png").string();
  std::filesystem::create_directories(m_dir);
  EXPECT_EQ(run("snapshot " + shot + "\n"), kScriptEndedExitCode);
  const win::Surface image = read_png(shot);
  EXPECT_EQ(image.width, 4);
  EXPECT_EQ(image.height, 3);
  EXPECT_EQ(image.pixels, std::vector<win::COLORREF>(12, win::RGB(10, 20, 30)));
  EXPECT_EQ(read_png((m_dir / "frames" / "00001.png").string()).pixels, image.pixels);
}

TEST_F(Headless, WaitIdleFailsWhenATimerKeepsRunning) {
  win::SetTimer(m_top, 1, 100, nullptr);
  HeadlessPresenter* presenter = nullptr;
  EXPECT_EQ(run("wait-idle 1000\nmove 0 0\n", &presenter), kScriptFailedExitCode);
  EXPECT_NE(presenter->failure().find("script line 1"), std::string::npos);
  EXPECT_GE(m_clock.now_ms(), 1000);
  EXPECT_TRUE(g_messages.size() >= 9 && g_messages.size() <= 11);  // the ticks, never the move
}

TEST_F(Headless, FrameFolderErrorsNameCandyFramesAndTheSystemsReason) {
  std::filesystem::create_directories(m_dir);
  const std::string file = (m_dir / "file").string();
  { std::ofstream(file) << "x"; }
  try {
    HeadlessPresenter presenter({}, file + "/frames");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()),
              "the frame folder " + file +
                  "/frames (CANDY_FRAMES chooses it): cannot be made: Not a directory");
  }
  // A folder that goes away after start-up: the frame cannot be written.
  HeadlessPresenter presenter({}, (m_dir / "frames").string());
  std::filesystem::remove_all(m_dir / "frames");
  try {
    presenter.present(m_top, win::Surface(2, 2), {0, 0});
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("(CANDY_FRAMES chooses it): cannot open "),
              std::string::npos)
        << e.what();
    EXPECT_NE(std::string(e.what()).find("00001.png for writing: No such file or directory"),
              std::string::npos)
        << e.what();
  }
}

TEST(Png, UnreadableFilesAreNamed) {
  try {
    read_png("/nonexistent.png");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent.png"), std::string::npos);
  }
  EXPECT_THROW(write_png(win::Surface(1, 1), "/nonexistent/dir/x.png"), std::runtime_error);
  EXPECT_THROW(write_png(win::Surface(), "/tmp/empty.png"), std::runtime_error);
}

}  // namespace
}  // namespace display
