#include "platform/display/select.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

// mkdtemp makes the folder with a name no one could have guessed, mode 0700.
std::string make_private_folder(const std::string& prefix) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  std::string pattern = (dir / (prefix + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data()))
    throw std::runtime_error("cannot make a private folder for the frames in " + dir.string() + ": " +
                             std::strerror(errno));
  return pattern;
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
  std::string frames = setting("CANDY_FRAMES");
  if (frames.empty()) frames = defaults.frames_dir;
  FileCreation creation = FileCreation::Replace;
  if (frames.empty() && !defaults.private_frames_prefix.empty()) {
    frames = make_private_folder(defaults.private_frames_prefix);
    creation = FileCreation::NewOnly;
  }

  std::fprintf(stderr, "using the headless presenter");
  if (!frames.empty()) std::fprintf(stderr, "; frames go to %s", frames.c_str());
  std::fprintf(stderr, "\n");
  return std::make_unique<HeadlessPresenter>(std::move(script), frames, creation);
}

}  // namespace display
