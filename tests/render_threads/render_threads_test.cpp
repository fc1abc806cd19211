// render_button from several threads at once: every render equals the same
// look rendered alone, and nothing is left behind. The looks reach every
// painter, pictures of both kinds, highlights, the disabled look and enough
// font sizes that the pool of unused faces turns over while other threads
// draw. CI also runs this program under ThreadSanitizer (CANDY_TSAN).
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "include/candybutton/render.h"
#include "platform/win/kernel/handles.h"

namespace {

using candy::ButtonLook;

std::vector<std::uint8_t> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<ButtonLook> looks() {
  const std::vector<std::uint8_t> bitmap = file_bytes("resources/box.bmp");
  const std::vector<std::uint8_t> icon = file_bytes("resources/brindlecovemediacenter.ico");
  const char* const captions[] = {"Music", "&Pictures", "Привет", "Καλημέρα"};
  std::vector<ButtonLook> all;
  for (std::int32_t style = 0; style <= 7; ++style) {
    for (std::int32_t variant = 0; variant < 3; ++variant) {
      ButtonLook look;
      look.style = style;
      look.state = (style + variant) % 5;
      look.scheme = 1 + (style + variant) % 6;
      look.width = variant == 2 ? 64 : 121;
      look.height = variant == 2 ? 30 : 89;
      look.caption = captions[(style + variant) % 4];
      look.font = candy::Font{variant == 1 ? "DejaVu Serif" : "Tahoma",
                              float(7 + (style * 3 + variant) % 19),
                              std::int16_t(variant == 1 ? 700 : 400),
                              variant == 2,
                              false,
                              false,
                              0};
      if (variant != 0) look.picture = variant == 1 ? bitmap : icon;
      look.picture_alignment = (style + variant) % 5;
      look.enabled = !(style == 5 && variant == 2);
      if (variant == 1) {
        look.caption_highlite = 0x00FF00;
        look.icon_highlite = 0x0000FF;
      }
      all.push_back(look);
    }
  }
  return all;
}

using Image = std::pair<std::vector<std::uint32_t>, std::vector<std::uint8_t>>;

Image render(const ButtonLook& look) {
  std::vector<std::uint32_t> pixels(std::size_t(look.width) * std::size_t(look.height));
  std::vector<std::uint8_t> mask = candy::render_button(look, pixels);
  return {std::move(pixels), std::move(mask)};
}

std::array<std::size_t, std::size_t(win::ObjectKind::Count)> live_counts() {
  std::array<std::size_t, std::size_t(win::ObjectKind::Count)> counts{};
  for (std::size_t k = 0; k < counts.size(); ++k) counts[k] = win::live_objects(win::ObjectKind(k));
  return counts;
}

TEST(RenderThreads, RendersFromSeveralThreadsEqualTheSameRendersAlone) {
  const std::vector<ButtonLook> all = looks();
  std::vector<Image> alone;
  for (const ButtonLook& look : all) alone.push_back(render(look));
  const auto before = live_counts();

  constexpr int kThreads = 4;
  constexpr int kRounds = 3;
  std::atomic<int> differing{0};
  std::atomic<int> failed{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < kRounds; ++round)
        for (std::size_t k = 0; k < all.size(); ++k) {
          // Each thread walks the looks from its own place, so different
          // looks and fonts meet.
          const std::size_t i = (k + std::size_t(t) * all.size() / kThreads) % all.size();
          try {
            if (render(all[i]) != alone[i]) ++differing;
          } catch (...) {
            ++failed;
          }
        }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(differing.load(), 0);
  EXPECT_EQ(failed.load(), 0);
  EXPECT_EQ(live_counts(), before);
}

}  // namespace
