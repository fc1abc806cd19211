// Which presenter the platform picks from its settings, on private X servers.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/display/headless.h"
#include "platform/display/png.h"
#include "platform/display/select.h"
#include "platform/display/x11_presenter.h"
#include "tests/support/xvfb.h"

namespace display {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (m_old) {
      setenv(m_name.c_str(), m_old->c_str(), 1);
    } else {
      unsetenv(m_name.c_str());
    }
  }

 private:
  std::string m_name;
  std::optional<std::string> m_old;
};

// A server that ends when its last client leaves stands for one that resets
// then: probing it with a connection of its own and closing that left
// nothing to connect to.
TEST(PresenterChoice, StartUpRaceProbesAndUsesOneConnection) {
  test::Xvfb xvfb(640, 480, {"-terminate"});
  if (xvfb.display_name().empty()) GTEST_SKIP() << xvfb.error();
  ScopedEnv display("DISPLAY", xvfb.display_name().c_str());
  ScopedEnv choice("CANDY_DISPLAY", nullptr);
  std::unique_ptr<win::Presenter> presenter;
  ASSERT_NO_THROW(presenter = make_presenter());
  EXPECT_NE(dynamic_cast<X11Presenter*>(presenter.get()), nullptr);
}

TEST(PresenterChoice, UnreachableDisplaySaysWhyBeforeFallingBackToHeadless) {
  // No server uses a display number this high.
  const std::string gone = ":987654";
  ScopedEnv choice("CANDY_DISPLAY", nullptr);
  ScopedEnv script("CANDY_SCRIPT", nullptr);
  ScopedEnv frames("CANDY_FRAMES", nullptr);
  {
    ScopedEnv display("DISPLAY", gone.c_str());
    testing::internal::CaptureStderr();
    const auto presenter = make_presenter();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(dynamic_cast<HeadlessPresenter*>(presenter.get()), nullptr);
    EXPECT_EQ(err.rfind("cannot open the X display \"" + gone + "\": ", 0), 0u) << err;
    EXPECT_LT(err.find('\n'), err.find("using the headless presenter")) << err;
  }
  {
    ScopedEnv display("DISPLAY", nullptr);
    testing::internal::CaptureStderr();
    const auto presenter = make_presenter();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("no X display is named (DISPLAY is not set)\n", 0), 0u) << err;
  }
}

// Asked for by name, a presenter must work; an unknown name lists the known.
TEST(PresenterChoice, ByNameFromTheTableOrAClearRefusal) {
  std::vector<std::string> names;
  for (const PresenterKind& kind : presenter_kinds()) names.push_back(kind.name);
  EXPECT_EQ(names, (std::vector<std::string>{"x11", "headless"}));
  ScopedEnv display("DISPLAY", nullptr);
  {
    ScopedEnv choice("CANDY_DISPLAY", "wayland");
    try {
      make_presenter();
      ADD_FAILURE() << "an unknown presenter was accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "CANDY_DISPLAY is \"wayland\"; expected x11 or headless");
    }
  }
  {
    ScopedEnv choice("CANDY_DISPLAY", "x11");
    try {
      make_presenter();
      ADD_FAILURE() << "x11 without a display was accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "no X display is named (DISPLAY is not set)");
    }
  }
}

// The frames once went to one fixed folder in /tmp, links in it followed: a
// folder made first by someone else, with a link named 00001.png, let a run
// overwrite any file its user could write.
TEST(PresenterChoice, FramesThroughSymlinksGoToAFreshPrivateFolderPerRun) {
  ScopedEnv choice("CANDY_DISPLAY", "headless");
  ScopedEnv script("CANDY_SCRIPT", nullptr);
  ScopedEnv frames("CANDY_FRAMES", nullptr);
  const auto folder_of_a_run = [] {
    testing::internal::CaptureStderr();
    const auto presenter = make_presenter({"", "", "presenter-choice-test", "", ""});
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string mark = "; frames go to ";
    const auto at = err.find(mark);
    EXPECT_NE(at, std::string::npos) << err;
    return at == std::string::npos
               ? std::string()
               : err.substr(at + mark.size(), err.find('\n', at) - at - mark.size());
  };
  const std::string first = folder_of_a_run();
  const std::string second = folder_of_a_run();
  ASSERT_FALSE(first.empty());
  EXPECT_NE(first, second);
  for (const std::string& dir : {first, second}) {
    struct stat st {};
    ASSERT_EQ(lstat(dir.c_str(), &st), 0) << dir;
    EXPECT_TRUE(S_ISDIR(st.st_mode)) << dir;
    EXPECT_EQ(st.st_mode & 07777, 0700u) << dir;
    EXPECT_EQ(st.st_uid, geteuid());
    EXPECT_EQ(std::filesystem::path(dir).filename().string().rfind("presenter-choice-test-", 0), 0u)
        << dir;
    std::filesystem::remove_all(dir);
  }
}

// An empty TMPDIR once ended the program; the folder's errors named
// CANDY_FRAMES, which was not set, and neither TMPDIR nor the path.
TEST(PresenterChoice, PrivateFramesFollowTmpdirAndItsErrorsNameIt) {
  namespace fs = std::filesystem;
  ScopedEnv choice("CANDY_DISPLAY", "headless");
  ScopedEnv script("CANDY_SCRIPT", nullptr);
  ScopedEnv frames("CANDY_FRAMES", nullptr);
  const auto frames_folder = [](std::unique_ptr<win::Presenter>* presenter) {
    testing::internal::CaptureStderr();
    *presenter = make_presenter({"", "", "presenter-choice-test", "", ""});
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string mark = "; frames go to ";
    const auto at = err.find(mark);
    return at == std::string::npos
               ? err
               : err.substr(at + mark.size(), err.find('\n', at) - at - mark.size());
  };
  std::unique_ptr<win::Presenter> presenter;
  {
    ScopedEnv tmpdir("TMPDIR", "");
    const std::string folder = frames_folder(&presenter);
    EXPECT_EQ(folder.rfind("/tmp/presenter-choice-test-", 0), 0u) << folder;
    fs::remove_all(folder);
  }
  const fs::path base = fs::temp_directory_path() / ("tmpdir_test_" + std::to_string(getpid()));
  const std::string missing = (base / "missing").string();
  {
    ScopedEnv tmpdir("TMPDIR", missing.c_str());
    try {
      make_presenter({"", "", "presenter-choice-test", "", ""});
      ADD_FAILURE() << "made a folder in " << missing;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "cannot make a private folder for the frames in " + missing +
                                           " (TMPDIR=" + missing + "): No such file or directory");
    }
  }
  fs::create_directories(base);
  ScopedEnv tmpdir("TMPDIR", base.c_str());
  const std::string folder = frames_folder(&presenter);
  fs::remove_all(folder);
  try {
    presenter->present(win::HWND{}, win::Surface(2, 2), {0, 0});
    ADD_FAILURE() << "wrote into a folder that is gone";
  } catch (const std::runtime_error& e) {
    const std::string what = e.what();
    EXPECT_EQ(what.rfind("the frame folder " + folder + " (made in " + base.string() +
                             ", TMPDIR=" + base.string() + "): cannot open ",
                         0),
              0u)
        << what;
  }
  fs::remove_all(base);
}

TEST(FrameFiles, FramesThroughSymlinksAreRefusedAndNewFilesMustBeNew) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("frame_files_test_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path victim = dir / "victim";
  { std::ofstream(victim) << "keep"; }
  fs::create_symlink(victim, dir / "00001.png");
  const win::Surface image(2, 2, 0x123456);
  for (const FileCreation how : {FileCreation::Replace, FileCreation::NewOnly}) {
    HeadlessPresenter presenter({}, dir.string(), how);
    EXPECT_THROW(presenter.present(win::HWND{}, image, {0, 0}), std::runtime_error);
    std::ifstream in(victim);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "keep");
  }
  fs::remove(dir / "00001.png");
  { std::ofstream(dir / "00001.png") << "there first"; }
  HeadlessPresenter fresh({}, dir.string(), FileCreation::NewOnly);
  EXPECT_THROW(fresh.present(win::HWND{}, image, {0, 0}), std::runtime_error);
  HeadlessPresenter named({}, dir.string(), FileCreation::Replace);
  EXPECT_NO_THROW(named.present(win::HWND{}, image, {0, 0}));
  EXPECT_EQ(read_png((dir / "00001.png").string()).at(1, 1), 0x123456u);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace display
