// The program: the launcher window mainFRM, made from its stored layout,
// then the message loop. Without a display it runs on the headless presenter
// with a short built-in tour and writes its frames as PNG files.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "candybutton/hosted_button.h"
#include "launcher/mainFRM.h"
#include "launcher/stored_layout.h"
#include "launcher/window_icons.h"
#include "platform/display/script.h"
#include "platform/display/select.h"
#include "platform/forms/layout.h"
#include "platform/win/user/message.h"

namespace {

// Splash to reveal, the pointer over "Programs", a press and release on it,
// then a click on the close mark, which ends the program.
constexpr const char* kTour =
    "wait-idle 10000\n"
    "move 60 60\n"
    "wait 100\n"
    "press left\n"
    "wait 100\n"
    "release left\n"
    "wait 100\n"
    "move 390 228\n"
    "click left\n";

}  // namespace

int main() {
  try {
    // The class a desktop entry names with StartupWMClass.
    auto presenter = display::make_presenter({kTour, "", "brindlecovemediacenter-frames",
                                              "brindlecovemediacenter", "Brindlecovemediacenter"});
    win::set_presenter(presenter.get());
    forms::ControlRegistry registry = forms::ControlRegistry::with_standard_controls();
    candy::register_candybutton(registry);
    const auto window = std::make_unique<launcher::mainFRM>(launcher::mainFRM_layout(), registry,
                                                            launcher::embedded_pictures());
    const launcher::WindowIcons icons(window->form().hWnd());
    const int code = win::run_message_loop();
    win::set_presenter(nullptr);
    return code;
  } catch (const display::ScriptError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    // A stored layout that does not load ends here, before any window shows.
    std::fprintf(stderr, "brindlecovemediacenter: %s\n", e.what());
    return 1;
  }
}
