// A small demo window until the launcher exists: a white 400 x 240 window
// with a few coloured panels. Without a display it runs on the headless
// presenter with a short built-in tour.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "platform/display/script.h"
#include "platform/display/select.h"
#include "platform/win/message.h"
#include "platform/win/window.h"

namespace {

win::LRESULT demo_proc(win::HWND hwnd, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  if (msg == win::WM_LBUTTONUP) {
    // A click on a panel lifts it to the top.
    win::SetWindowPos(hwnd, win::HWND_TOP, 0, 0, 0, 0, win::SWP_NOMOVE | win::SWP_NOSIZE);
  }
  if (msg == win::WM_KEYDOWN && wparam == static_cast<win::WPARAM>(win::VK_ESCAPE)) win::PostQuitMessage(0);
  return win::DefWindowProcA(hwnd, msg, wparam, lparam);
}

void register_panel(const char* name, win::COLORREF color) {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = demo_proc;
  wc.background = color;
  wc.lpszClassName = name;
  win::RegisterClassA(&wc);
}

constexpr const char* kTour =
    "wait-idle\n"
    "move 60 60\n"
    "click left\n"
    "move 200 120\n"
    "click left\n"
    "wait-idle\n";

}  // namespace

int main() {
  try {
    const auto frames = std::filesystem::temp_directory_path() / "brindlecovemediacenter-frames";
    auto presenter = display::make_presenter({kTour, frames.string()});
    win::set_presenter(presenter.get());

    register_panel("DemoWindow", win::RGB(255, 255, 255));
    register_panel("DemoRed", win::RGB(220, 60, 60));
    register_panel("DemoGreen", win::RGB(60, 180, 90));
    register_panel("DemoBlue", win::RGB(60, 90, 220));
    const win::HWND top = win::CreateWindowExA(0, "DemoWindow", "brindlecovemediacenter", win::WS_POPUP, 100, 100,
                                               400, 240, {});
    win::CreateWindowExA(0, "DemoRed", "", win::WS_CHILD | win::WS_VISIBLE, 40, 40, 120, 80, top);
    win::CreateWindowExA(0, "DemoGreen", "", win::WS_CHILD | win::WS_VISIBLE, 120, 80, 140, 90, top);
    win::CreateWindowExA(0, "DemoBlue", "", win::WS_CHILD | win::WS_VISIBLE, 230, 30, 130, 160, top);
    win::ShowWindow(top, win::SW_SHOW);

    const int code = win::run_message_loop();
    win::set_presenter(nullptr);
    return code;
  } catch (const display::ScriptError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "brindlecovemediacenter: %s\n", e.what());
    return 1;
  }
}
