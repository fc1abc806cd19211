// Choosing the presenter from the platform's settings in the environment:
//   CANDY_DISPLAY=headless|x11   default x11 when a display is reachable, else headless
//   CANDY_SCRIPT=FILE            input script for the headless presenter
//   CANDY_FRAMES=DIR             write every presented frame as DIR/00001.png, ...
#pragma once

#include <memory>
#include <string>

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
};

// Throws ScriptError for a malformed script and std::runtime_error for a bad
// setting, before the program has done anything. Says on stderr why X11 is
// not used when it was tried and failed, which presenter is in use and
// where frames go.
std::unique_ptr<win::Presenter> make_presenter(const PresenterDefaults& defaults = {});

}  // namespace display
