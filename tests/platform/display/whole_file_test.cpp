// Files written whole or not at all: a full disk, an existing file that
// must not be replaced.
#include "platform/display/whole_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

#include "platform/display/headless.h"
#include "platform/display/png.h"
#include "tests/support/tiny_disk.h"

namespace display {
namespace {

namespace fs = std::filesystem;

// Pixels that do not compress, so the file is about three bytes a pixel.
win::Surface noise(int width, int height) {
  win::Surface image(width, height);
  std::mt19937 random(7);
  for (auto& pixel : image.pixels) pixel = random() & 0xFFFFFF;
  return image;
}

std::string contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string error_of(const std::function<void()>& write) {
  try {
    write();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "no error";
}

// A full disk once left a 0-byte frame and said nothing of the disk.
TEST(WholeFile, AFullDiskLeavesNoPartFileKeepsTheOldOneAndSaysWhy) {
  test_support::TinyDisk disk("whole_file_full");
  if (!disk.mounted()) GTEST_SKIP() << disk.why_not();
  const fs::path path = disk.path() / "big.png";
  { std::ofstream(path) << "old"; }
  EXPECT_EQ(error_of([&] { write_png(noise(200, 200), path.string()); }),
            "cannot write " + path.string() + ": No space left on device");
  EXPECT_EQ(disk.files(), std::vector<std::string>{"big.png"});
  EXPECT_EQ(contents(path), "old");

  fs::remove(path);
  HeadlessPresenter presenter({}, disk.path().string(), FileCreation::NewOnly,
                              "made in /x, TMPDIR=/x");
  const std::string error = error_of([&] {
    for (int i = 0; i < 100; ++i) presenter.present({}, noise(40, 40), {0, 0});
  });
  EXPECT_EQ(error.rfind("the frame folder " + disk.path().string() +
                            " (made in /x, TMPDIR=/x): cannot write ",
                        0),
            0u)
      << error;
  EXPECT_NE(error.find(": No space left on device"), std::string::npos) << error;
  // Every frame there is whole: it reads back as the image it was.
  ASSERT_GT(presenter.frames_written(), 0);
  EXPECT_EQ(disk.files().size(), std::size_t(presenter.frames_written()));
  for (const auto& name : disk.files())
    EXPECT_EQ(read_png((disk.path() / name).string()).pixels, noise(40, 40).pixels);
}

TEST(WholeFile, NewOnlyRefusesAnExistingFileAndNothingIsLeftBehind) {
  const fs::path dir = fs::temp_directory_path() / ("whole_file_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  { std::ofstream(dir / "taken.png") << "theirs"; }
  EXPECT_EQ(error_of([&] {
              write_png(noise(2, 2), (dir / "taken.png").string(), FileCreation::NewOnly);
            }),
            "cannot write " + (dir / "taken.png").string() + ": File exists");
  EXPECT_EQ(contents(dir / "taken.png"), "theirs");
  write_png(noise(2, 2), (dir / "taken.png").string(), FileCreation::Replace);
  EXPECT_EQ(read_png((dir / "taken.png").string()).pixels, noise(2, 2).pixels);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace display
