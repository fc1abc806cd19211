#include "platform/display/select.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/display/frames_folder.h"
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
  std::string why_not_x11;
  if (choice.empty()) {
    if (auto* connection = X11Presenter::open_display(nullptr, &why_not_x11)) {
      try {
        return std::make_unique<X11Presenter>(connection);
      } catch (const std::exception& e) {
        why_not_x11 = e.what();
      }
    }
    std::fprintf(stderr, "%s\n", why_not_x11.c_str());
  }

  const std::string script_path = setting("CANDY_SCRIPT");
  auto script = script_path.empty() ? parse_script(defaults.script, "built-in script") : load_script(script_path);
  FramesFolder frames = choose_frames_folder(defaults.frames_dir, defaults.private_frames_prefix);

  std::fprintf(stderr, "using the headless presenter");
  if (!frames.path.empty()) std::fprintf(stderr, "; frames go to %s", frames.path.c_str());
  std::fprintf(stderr, "\n");
  return std::make_unique<HeadlessPresenter>(std::move(script), frames.path, frames.creation, frames.origin);
}

}  // namespace display
