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
#include "platform/display/screen_scale.h"
#include "platform/display/script.h"
#include "platform/display/x11_presenter.h"
#include "platform/win/user/system_metrics.h"

// Last: Xlib's macros (None, Bool, ...) clash with names in the headers above.
#include <X11/Xlib.h>

namespace display {

namespace {

std::string setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

PresenterProbe probe_x11() {
  PresenterProbe probe;
  if (Display* connection = X11Presenter::open_display(nullptr, &probe.why_not))
    probe.opened = {connection, [](void* d) { XCloseDisplay(static_cast<Display*>(d)); }};
  return probe;
}

std::unique_ptr<win::Presenter> make_x11(PresenterProbe& probe, const PresenterDefaults& defaults) {
  auto presenter = std::make_unique<X11Presenter>(static_cast<Display*>(probe.opened.release()));
  presenter->set_program_class(defaults.program_name, defaults.program_class);
  const char* resources = XResourceManagerString(presenter->display());
  if (const auto dpi = xft_dpi(resources ? resources : ""))
    win::set_screen_scale(scale_from_dpi(*dpi));
  return presenter;
}

PresenterProbe probe_headless() { return {}; }

std::unique_ptr<win::Presenter> make_headless(PresenterProbe&, const PresenterDefaults& defaults) {
  const std::string script_path = setting("CANDY_SCRIPT");
  auto script = script_path.empty() ? parse_script(defaults.script, "built-in script")
                                    : load_script(script_path);
  FramesFolder frames = choose_frames_folder(defaults.frames_dir, defaults.private_frames_prefix);

  std::fprintf(stderr, "using the headless presenter");
  if (!frames.path.empty()) std::fprintf(stderr, "; frames go to %s", frames.path.c_str());
  std::fprintf(stderr, "\n");
  return std::make_unique<HeadlessPresenter>(std::move(script), frames.path, frames.creation,
                                             frames.origin);
}

std::unique_ptr<win::Presenter> make_chosen_presenter(const PresenterDefaults& defaults) {
  const std::string choice = setting("CANDY_DISPLAY");
  const auto& kinds = presenter_kinds();
  if (!choice.empty()) {
    // Asked for by name, the presenter must work.
    std::string names;
    for (const PresenterKind& kind : kinds) {
      if (choice == kind.name) {
        PresenterProbe probe = kind.probe();
        if (!probe.why_not.empty()) throw std::runtime_error(probe.why_not);
        return kind.make(probe, defaults);
      }
      names += (names.empty() ? "" : " or ") + std::string(kind.name);
    }
    throw std::runtime_error("CANDY_DISPLAY is \"" + choice + "\"; expected " + names);
  }
  // By default each is tried in turn, saying why one that failed is not used.
  for (const PresenterKind& kind : kinds) {
    PresenterProbe probe = kind.probe();
    if (probe.why_not.empty()) {
      try {
        return kind.make(probe, defaults);
      } catch (const std::exception& e) {
        if (&kind == &kinds.back()) throw;
        probe.why_not = e.what();
      }
    }
    std::fprintf(stderr, "%s\n", probe.why_not.c_str());
  }
  throw std::runtime_error("no presenter can work here");
}

}  // namespace

const std::vector<PresenterKind>& presenter_kinds() {
  static const std::vector<PresenterKind> kinds{
      {"x11", probe_x11, make_x11},
      {"headless", probe_headless, make_headless},
  };
  return kinds;
}

std::unique_ptr<win::Presenter> make_presenter(const PresenterDefaults& defaults) {
  const std::string scale = setting("CANDY_SCALE");
  win::set_screen_scale(scale.empty() ? 1 : parse_scale_setting(scale));
  auto presenter = make_chosen_presenter(defaults);
  // Asked for, the scale holds whatever the desktop says.
  if (!scale.empty()) win::set_screen_scale(parse_scale_setting(scale));
  return presenter;
}

}  // namespace display
