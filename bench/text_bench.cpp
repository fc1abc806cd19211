// Measuring and drawing a button caption, the work of every button repaint,
// beside a memset of the 121 × 89 surface the caption is drawn on.
#include <benchmark/benchmark.h>

#include "bench/side_by_side.h"
#include "platform/win/gdi/font.h"
#include "platform/win/gdi/stencil.h"
#include "platform/win/gdi/text_render.h"

namespace {

const win::Font& caption_font() {
  static const std::unique_ptr<win::Font> font = win::open_font(win::default_gui_logfont());
  return *font;
}

void BM_Memset(benchmark::State& state) { bench::memset_pixels(state, 121 * 89); }
BENCHMARK(BM_Memset);

void BM_MeasureCaption(benchmark::State& state) {
  const win::Font& font = caption_font();
  for (auto _ : state) benchmark::DoNotOptimize(win::text_extent(font, "Ultilities"));
}
BENCHMARK(BM_MeasureCaption);

void BM_DrawPrefixedCaption(benchmark::State& state) {
  const win::Font& font = caption_font();
  win::Surface surface(121, 89, 0xC0C0C0);
  for (auto _ : state) {
    const win::PrefixText line = win::resolve_prefixes("&Ultilities");
    const win::Stencil stencil = win::text_stencil(font, line.shown, line.underlined);
    win::paint_stencil(surface, 40, 38, stencil, 0x000000, win::StencilMode::AntiAliased,
                       [](std::int32_t, std::int32_t) { return true; });
    benchmark::DoNotOptimize(surface.pixels.data());
  }
}
BENCHMARK(BM_DrawPrefixedCaption);

void BM_OpenCachedFont(benchmark::State& state) {
  const win::LOGFONTA log = win::default_gui_logfont();
  for (auto _ : state) benchmark::DoNotOptimize(win::open_font(log));
}
BENCHMARK(BM_OpenCachedFont);

}  // namespace

int main(int argc, char** argv) { return bench::run_side_by_side(argc, argv, "BM_Memset"); }
