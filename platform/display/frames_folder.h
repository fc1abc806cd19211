// Where the headless presenter's frames go, and what chose that folder, so
// that an error about the folder names the setting to change.
#pragma once

#include <string>

#include "platform/display/whole_file.h"

namespace display {

struct FramesFolder {
  std::string path;  // empty: no frames are written
  FileCreation creation = FileCreation::Replace;
  std::string origin;  // "CANDY_FRAMES chooses it", "made in TMPDIR=/x", ...
};

// CANDY_FRAMES when set and not empty, else `program_folder`, else (when
// `private_prefix` is not empty) a new folder PREFIX-XXXXXX of mode 0700 in
// the temporary directory, its frame files made new. Throws naming the
// folder, the setting and the system's reason when that folder cannot be made.
FramesFolder choose_frames_folder(const std::string& program_folder,
                                  const std::string& private_prefix);

// The temporary directory: TMPDIR, or /tmp when it is unset or empty, as the
// C library's convention has it.
std::string temporary_directory();

}  // namespace display
