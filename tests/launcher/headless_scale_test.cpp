// The launcher program on the headless presenter at the scale CANDY_SCALE
// asks for: its built-in tour (written in pixels at scale 1) still ends on
// the close mark, and the frames have the scaled size.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "platform/display/png.h"
#include "tests/launcher/spawn_launcher.h"

namespace launcher_test {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
  int status = -1;
  std::string standard_error;
};

ProgramRun run_headless(const std::string& scale, const fs::path& frames) {
  const fs::path err =
      fs::temp_directory_path() / ("launcher_scale_err_" + std::to_string(getpid()));
  ProgramRun run;
  const pid_t pid = spawn_launcher(
      {"CANDY_DISPLAY=headless", "CANDY_SCALE=" + scale, "CANDY_FRAMES=" + frames.string()},
      err.string());
  if (pid > 0) waitpid(pid, &run.status, 0);
  std::ifstream in(err);
  run.standard_error.assign(std::istreambuf_iterator<char>(in), {});
  fs::remove(err);
  return run;
}

class HeadlessScale : public ::testing::Test {
 protected:
  HeadlessScale()
      : frames(fs::temp_directory_path() / ("launcher_scale_frames_" + std::to_string(getpid()))) {
    fs::remove_all(frames);
    fs::create_directories(frames);
  }
  ~HeadlessScale() override { fs::remove_all(frames); }
  fs::path frames;
};

TEST_F(HeadlessScale, TheTourEndsOnTheCloseMarkWithFramesOfTheScaledSize) {
  for (const auto& [scale, width, height] :
       {std::tuple{"2", 800, 480}, std::tuple{"1.5", 600, 360}}) {
    fs::remove_all(frames);
    fs::create_directories(frames);
    const ProgramRun run = run_headless(scale, frames);
    ASSERT_TRUE(WIFEXITED(run.status)) << scale;
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << "at scale " << scale << ": " << run.standard_error;
    const win::Surface first = display::read_png((frames / "00001.png").string());
    EXPECT_EQ(first.width, width) << scale;
    EXPECT_EQ(first.height, height) << scale;
  }
}

TEST_F(HeadlessScale, AScaleOutsideOneToEightIsRefusedByName) {
  for (const char* bad : {"0.5", "2x", "nan", "9"}) {
    const ProgramRun run = run_headless(bad, frames);
    ASSERT_TRUE(WIFEXITED(run.status)) << bad;
    EXPECT_EQ(WEXITSTATUS(run.status), 1) << bad;
    EXPECT_NE(run.standard_error.find("CANDY_SCALE is \"" + std::string(bad) +
                                      "\"; expected a number from 1 to 8"),
              std::string::npos)
        << run.standard_error;
  }
  EXPECT_TRUE(fs::is_empty(frames));
}

}  // namespace
}  // namespace launcher_test
