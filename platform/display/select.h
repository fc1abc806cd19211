// Choosing the presenter from the platform's settings in the environment:
//   CANDY_DISPLAY=headless|x11   default x11 when a display is reachable, else headless
//   CANDY_SCRIPT=FILE            input script for the headless presenter
//   CANDY_FRAMES=DIR             write every presented frame as DIR/00001.png, ...
//   CANDY_SCALE=NUMBER           the screen's scale, 1 to 8; default on X11 the
//                                desktop's Xft.dpi / 96, else 1
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/user/presenter.h"

namespace display {

struct PresenterDefaults {
  std::string script;      // script text used when CANDY_SCRIPT is not set
  std::string frames_dir;  // used when CANDY_FRAMES is not set; empty: no frames
  // When neither CANDY_FRAMES nor frames_dir names a folder and this is not
  // empty, frames go to a new folder of this run only, made in the temporary
  // directory as PREFIX-XXXXXX, readable by its owner only, with each frame
  // file made new (so no one else can have put a file or link there first).
  std::string private_frames_prefix;
  // The program's name and class on a desktop (X11's WM_CLASS), by which
  // docks and task bars match its windows to its desktop entry. Empty: the
  // executable's file name, and that name capitalised.
  std::string program_name;
  std::string program_class;
};

// A presenter the platform can choose: its name in CANDY_DISPLAY, a probe
// that says whether it can work here, and the maker. What the probe opened
// (a display connection) goes to the maker in `opened`, so that probing and
// using a display is one connection: a server whose last client leaves
// resets or ends, and a second connection made just after the probe's
// would race with that.
struct PresenterProbe {
  std::string why_not;  // empty: the presenter can work here
  std::unique_ptr<void, void (*)(void*)> opened{nullptr, [](void*) {}};
};
struct PresenterKind {
  const char* name;
  PresenterProbe (*probe)();
  std::unique_ptr<win::Presenter> (*make)(PresenterProbe& probe, const PresenterDefaults& defaults);
};

// In order of preference: without CANDY_DISPLAY the first whose probe
// succeeds is used.
const std::vector<PresenterKind>& presenter_kinds();

// Sets the screen's scale. Throws ScriptError for a malformed script and
// std::runtime_error for a bad setting, before the program has done
// anything. Says on stderr why X11 is not used when it was tried and
// failed, which presenter is in use and where frames go.
std::unique_ptr<win::Presenter> make_presenter(const PresenterDefaults& defaults = {});

}  // namespace display
