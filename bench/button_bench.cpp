// Face painting and region rebuilding of the button at a launcher size and at
// a large size, on an off-screen surface, beside a memset of the same surface.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "bench/side_by_side.h"
#include "candybutton/button_region.h"
#include "candybutton/painters/paint_pixel_style.h"
#include "candybutton/painters/paint_push_button_style.h"
#include "candybutton/painters/paint_rounded_style.h"
#include "candybutton/painters/paint_tool_button_style.h"
#include "platform/forms/memory_surface.h"
#include "platform/win/gdi/gdi.h"

namespace {

struct Button {
  Button(std::int32_t w, std::int32_t h, std::int32_t style) : surface(w, h), m_Style(style) {}
  ~Button() {
    if (m_Region) win::DeleteObject(m_Region);
  }
  forms::MemorySurface surface;
  win::OLE_COLOR m_ColorButtonUp = 0xD06720, m_ColorButtonHover = 0xE99950;
  win::OLE_COLOR m_ColorButtonDown = 0xA06710, m_ColorBright = 0xFFEDB0;
  std::int32_t m_BorderBrightness = 40;
  std::int16_t m_Enabled = -1;
  std::int32_t m_CornerRadius = 0;
  win::HRGN m_Region;
  std::int32_t m_Style;

  candy::PainterContext painter() {
    return {surface, m_ColorButtonUp, m_ColorButtonHover, m_ColorButtonDown, m_ColorBright, m_BorderBrightness,
            m_Enabled, m_CornerRadius, m_Region, m_Style, [] { return std::optional<win::OLE_COLOR>(0xC0C0C0); }};
  }
  void update_region() {
    candy::ShapeContext shape{surface, m_Style, m_CornerRadius, m_Region};
    candy::UpdateButtonRegion(shape);
  }
};

void BM_Memset(benchmark::State& state) {
  bench::memset_pixels(state, std::size_t(state.range(0) * state.range(1)));
}
BENCHMARK(BM_Memset)->ArgNames({"w", "h"})->Args({121, 89})->Args({600, 400});

void BM_PaintFace(benchmark::State& state) {
  Button b(std::int32_t(state.range(1)), std::int32_t(state.range(2)), std::int32_t(state.range(0)));
  b.update_region();
  candy::PainterContext c = b.painter();
  const std::int32_t draw_state = 3;
  for (auto _ : state) {
    switch (b.m_Style) {
      case 0: candy::PaintPushButtonStyle(c, draw_state); break;
      case 1: candy::PaintToolButtonStyle(c, draw_state); break;
      case 6: candy::PaintPixelStyle(c, draw_state); break;
      default: candy::PaintRoundedStyle(c, draw_state); break;
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PaintFace)->ArgNames({"style", "w", "h"})->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {121}, {89}});
BENCHMARK(BM_PaintFace)->ArgNames({"style", "w", "h"})->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {600}, {400}});

void BM_UpdateButtonRegion(benchmark::State& state) {
  Button b(std::int32_t(state.range(1)), std::int32_t(state.range(2)), std::int32_t(state.range(0)));
  for (auto _ : state) b.update_region();
}
BENCHMARK(BM_UpdateButtonRegion)->ArgNames({"style", "w", "h"})->Args({2, 121, 89})->Args({6, 121, 89})->Args({2, 600, 400});

}  // namespace

int main(int argc, char** argv) { return bench::run_side_by_side(argc, argv, "BM_Memset"); }
