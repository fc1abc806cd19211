// What a render costs: memory that follows the button's size, and a warning
// on standard error before a render that will be large.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/candybutton-render/look.h"
#include "tests/support/sanitizers.h"

namespace {

namespace fs = std::filesystem;

std::string tool() {
  return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "tools" /
          "candybutton-render")
      .string();
}

// Each test runs in a process of its own, so the children's peak is this run's.
TEST(RenderCost, RendererKeptAnEightThousandPixelParentWindowForEveryButton) {
  SKIP_UNDER_SANITIZER("shadow memory swamps the peak measured");
  const fs::path out = fs::temp_directory_path() / ("cost_" + std::to_string(getpid()) + ".ppm");
  ASSERT_EQ(std::system((tool() + " --style 2 --caption Music -o " + out.string()).c_str()), 0);
  fs::remove(out);
  rusage usage{};
  ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
  EXPECT_LT(usage.ru_maxrss, 64 * 1024) << "kilobytes at the peak of a 121 x 89 render";
}

TEST(RenderCost, LargeRendersAreAnnouncedWithTheirSizeAndMemory) {
  candy::ButtonLook look;
  EXPECT_FALSE(render::large_render_warning(look));
  look.width = 2048;
  look.height = 2048;
  EXPECT_FALSE(render::large_render_warning(look));  // the threshold itself is not large
  look.height = 2049;
  look.style = 6;
  const auto flat = render::large_render_warning(look);
  ASSERT_TRUE(flat);
  EXPECT_EQ(*flat, "a 2048 x 2049 render is large: it needs about 37 MB");
  look.width = look.height = 8192;
  look.style = 3;
  const auto shaded = render::large_render_warning(look);
  ASSERT_TRUE(shaded);
  EXPECT_EQ(*shaded,
            "a 8192 x 8192 render is large: it needs about 576 MB, and style 3 may take minutes at "
            "this size");
}

TEST(RenderCost, TheToolSaysSoOnStandardErrorBeforeRendering) {
  SKIP_UNDER_SANITIZER("the tool's own output would carry the sanitizer's");
  const fs::path dir = fs::temp_directory_path() / ("cost_" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string cmd = tool() + " --style 0 --width 4096 --height 1100 -o " +
                          (dir / "b.ppm").string() + " 2>" + (dir / "err").string();
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream in(dir / "err");
  const std::string err{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(err, "candybutton-render: a 4096 x 1100 render is large: it needs about 39 MB\n");
  fs::remove_all(dir);
}

TEST(RenderCost, AnUnreadablePictureFileIsNamed) {
  const fs::path dir = fs::temp_directory_path() / ("pic_" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "empty.bmp").close();
  std::ofstream(dir / "junk.bmp") << "BMjunk";
  for (const auto& [file, message] :
       {std::pair{"empty.bmp", "is empty"}, std::pair{"junk.bmp", "does not decode"}}) {
    const std::string cmd = tool() + " --picture " + (dir / file).string() + " -o " +
                            (dir / "b.ppm").string() + " 2>" + (dir / "err").string();
    const int raw = std::system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 2) << file;
    std::ifstream in(dir / "err");
    const std::string err{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(err.find(message), std::string::npos) << err;
    EXPECT_NE(err.find(file), std::string::npos) << err;
  }
  fs::remove_all(dir);
}

}  // namespace
