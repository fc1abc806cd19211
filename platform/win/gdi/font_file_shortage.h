// Telling a font file FreeType cannot open apart from a system that ran
// short: its own errno is lost in its search for resource forks beside the
// file, so the file is opened and mapped once more to see what fails.
#pragma once

#include <string>

namespace win {

// EMFILE or ENFILE (out of descriptors) or ENOMEM (out of memory) when that
// is why the file cannot be opened and mapped now, else 0.
int font_file_shortage(const std::string& path);

}  // namespace win
