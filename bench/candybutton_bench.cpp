// A whole repaint of a hosted button (Redraw: face, caption, refresh) per
// style, and its region rebuild, at the launcher's 121 × 89 and at 600 × 400,
// beside a memset of the same surface. Beside the warm repaint, the paths
// that start cold: render_button with its own surface and DC each call, the
// first paint of a button just made, and a repaint after the window changed
// size. The face painters alone are measured by button_bench. A closing
// table gives each run's time and its ratio to the memset of the same size.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/side_by_side.h"
#include "include/candybutton/render.h"
#include "candybutton/styles.h"
#include "platform/forms/user_control.h"
#include "platform/win/user/window.h"
#include "tests/support/windowed_button.h"

namespace {

// Every style of the table, as benchmark arguments.
std::vector<std::int64_t> all_styles() {
  std::vector<std::int64_t> styles;
  for (std::int32_t style = 0; style < candy::kStyleCount; ++style) styles.push_back(style);
  return styles;
}

void BM_Memset(benchmark::State& state) {
  bench::memset_pixels(state, std::size_t(state.range(0) * state.range(1)));
}

candy::ButtonLook look(const benchmark::State& state, std::int32_t style) {
  candy::ButtonLook o;
  o.style = style;
  o.width = std::int32_t(state.range(0));
  o.height = std::int32_t(state.range(1));
  o.scheme = 1;
  o.caption = "Music";
  o.state = 3;
  return o;
}

void BM_Redraw(benchmark::State& state) {
  candy::testing::WindowedButton host(0xC0C0C0);
  const candy::ButtonLook o = look(state, std::int32_t(state.range(2)));
  candy::testing::apply_look(host, o);
  for (auto _ : state) {
    candy::CandyButtonRenderer::Redraw(host.button(), o.state);
    benchmark::ClobberMemory();
  }
}

// The whole call: a new surface and DC, the look applied, the shape, the
// paint, the copy out and the mask.
void BM_RenderButton(benchmark::State& state) {
  const candy::ButtonLook o = look(state, std::int32_t(state.range(2)));
  std::vector<std::uint32_t> pixels(std::size_t(o.width) * std::size_t(o.height));
  for (auto _ : state) {
    std::vector<std::uint8_t> mask = candy::render_button(o, pixels);
    benchmark::DoNotOptimize(mask.data());
    benchmark::ClobberMemory();
  }
}

// A container that answers as a program's does at run time.
class BenchContainer : public forms::ControlContainer {
 public:
  void PropertyChanged(std::string_view) override {}
  bool AmbientUserMode() const override { return true; }
  forms::FontDescription AmbientFont() const override {
    return {"MS Sans Serif", 8, 400, false, false, false, 0};
  }
  std::string ExtenderName() const override { return "CandyButton1"; }
  std::optional<win::OLE_COLOR> BackColor() const override { return 0xC0C0C0; }
  win::PicturePtr LoadPictureRef(const forms::PictureRef&) override { return nullptr; }
  forms::PictureRef PictureRefOf(const win::PicturePtr&) const override { return {}; }
};

// A button as a form makes it: its window and surface, restored from a bag
// holding its style and caption, not painted yet.
struct NewButton {
  NewButton(win::HWND parent, BenchContainer& container, std::int32_t w, std::int32_t h,
            std::int32_t style)
      : control(parent, 0, 0, w, h), button(control, container, candy::standard_parts()) {
    control.set_events(&button);
    forms::PropertyBag bag;
    bag.write("Style", style);
    bag.write("Caption", std::string("Music"));
    bag.write("ColorScheme", std::int32_t{1});
    button.ReadProperties(bag);
  }
  ~NewButton() { control.set_events(nullptr); }
  forms::UserControl control;
  candy::CandyButton button;
};

win::HWND bench_parent() {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = win::DefWindowProcA;
  wc.lpszClassName = "CandyButtonBenchParent";
  win::RegisterClassA(&wc);
  return win::CreateWindowExA(0, "CandyButtonBenchParent", "", win::WS_POPUP, 0, 0, 700, 500,
                              win::HWND{});
}

// The first paint of a button just made, as showing it gives: the shape for
// its size, then the face. Making the button is not timed.
void BM_FirstPaint(benchmark::State& state) {
  const win::HWND parent = bench_parent();
  BenchContainer container;
  const std::int32_t w = std::int32_t(state.range(0)), h = std::int32_t(state.range(1));
  std::unique_ptr<NewButton> b;
  for (auto _ : state) {
    state.PauseTiming();
    b.reset();
    b = std::make_unique<NewButton>(parent, container, w, h, std::int32_t(state.range(2)));
    state.ResumeTiming();
    candy::CandyButtonRenderer::UpdateButtonRegion(b->button);
    candy::CandyButtonRenderer::Redraw(b->button, 3);
    benchmark::ClobberMemory();
  }
  b.reset();
  win::DestroyWindow(parent);
}

// A window edge dragged: each repaint is at a size the button has not had
// for a while (17 × 17 sizes within 8 pixels of the named one, in turn), as
// the size notification gives it: a new image, the shape, the face.
void BM_Resize(benchmark::State& state) {
  candy::testing::WindowedButton host(0xC0C0C0, 700);
  const candy::ButtonLook o = look(state, std::int32_t(state.range(2)));
  candy::testing::apply_look(host, o);
  const win::HWND hwnd = host.control().hWnd();
  int step = 0;
  for (auto _ : state) {
    const int dw = step % 17 - 8, dh = (step / 17) % 17 - 8;
    step = (step + 1) % (17 * 17);
    win::MoveWindow(hwnd, 0, 0, o.width + dw, o.height + dh, 0);
    benchmark::ClobberMemory();
  }
}

void BM_UpdateButtonRegion(benchmark::State& state) {
  candy::testing::WindowedButton host(0xC0C0C0);
  candy::testing::apply_look(host, look(state, std::int32_t(state.range(2))));
  for (auto _ : state) candy::CandyButtonRenderer::UpdateButtonRegion(host.button());
}

BENCHMARK(BM_Memset)->ArgNames({"w", "h"})->Args({121, 89})->Args({600, 400});
BENCHMARK(BM_Redraw)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, all_styles()});
BENCHMARK(BM_Redraw)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, all_styles()});
BENCHMARK(BM_RenderButton)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, all_styles()});
BENCHMARK(BM_RenderButton)
    ->ArgNames({"w", "h", "style"})
    ->ArgsProduct({{600}, {400}, all_styles()});
BENCHMARK(BM_FirstPaint)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, {0, 2, 6}});
BENCHMARK(BM_FirstPaint)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, {0, 2, 6}});
BENCHMARK(BM_Resize)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, {0, 2, 6}});
BENCHMARK(BM_Resize)->ArgNames({"w", "h", "style"})->ArgsProduct({{600}, {400}, {0, 2, 6}});
BENCHMARK(BM_UpdateButtonRegion)->ArgNames({"w", "h", "style"})->ArgsProduct({{121}, {89}, {2, 6}});
BENCHMARK(BM_UpdateButtonRegion)
    ->ArgNames({"w", "h", "style"})
    ->ArgsProduct({{600}, {400}, {2, 6}});

}  // namespace

int main(int argc, char** argv) { return bench::run_side_by_side(argc, argv, "BM_Memset"); }
