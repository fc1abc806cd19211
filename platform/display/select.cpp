#include "platform/display/select.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "platform/display/headless.h"
#include "platform/display/script.h"
#include "platform/display/x11_presenter.h"

namespace display {

namespace {

std::string setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::unique_ptr<win::Presenter> make_presenter(const PresenterDefaults& defaults) {
  const std::string choice = setting("CANDY_DISPLAY");
  if (!choice.empty() && choice != "headless" && choice != "x11") {
    throw std::runtime_error("CANDY_DISPLAY is \"" + choice + "\"; expected headless or x11");
  }
  // Asked for by name, X11 must work; by default it is tried and the
  // headless presenter stands in when no display answers.
  if (choice == "x11") return std::make_unique<X11Presenter>();
  if (choice.empty() && X11Presenter::display_reachable()) return std::make_unique<X11Presenter>();

  const std::string script_path = setting("CANDY_SCRIPT");
  auto script = script_path.empty() ? parse_script(defaults.script, "built-in script") : load_script(script_path);
  std::string frames = setting("CANDY_FRAMES");
  if (frames.empty()) frames = defaults.frames_dir;

  std::fprintf(stderr, "using the headless presenter");
  if (!frames.empty()) std::fprintf(stderr, "; frames go to %s", frames.c_str());
  std::fprintf(stderr, "\n");
  return std::make_unique<HeadlessPresenter>(std::move(script), frames);
}

}  // namespace display
