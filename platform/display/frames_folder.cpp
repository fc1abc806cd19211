#include "platform/display/frames_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace display {

namespace {

std::string setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// What chose the temporary directory, in the words of an error message.
std::string temporary_directory_origin() {
  const char* tmpdir = std::getenv("TMPDIR");
  if (!tmpdir) return "TMPDIR is not set";
  if (!*tmpdir) return "TMPDIR is empty";
  return std::string("TMPDIR=") + tmpdir;
}

}  // namespace

std::string temporary_directory() {
  const std::string tmpdir = setting("TMPDIR");
  return tmpdir.empty() ? "/tmp" : tmpdir;
}

FramesFolder choose_frames_folder(const std::string& program_folder,
                                  const std::string& private_prefix) {
  if (const std::string frames = setting("CANDY_FRAMES"); !frames.empty())
    return {frames, FileCreation::Replace, "CANDY_FRAMES chooses it"};
  if (!program_folder.empty())
    return {program_folder, FileCreation::Replace, "the program chooses it"};
  if (private_prefix.empty()) return {};
  // mkdtemp makes the folder with a name no one could have guessed, mode 0700.
  const std::string dir = temporary_directory();
  std::string pattern = (std::filesystem::path(dir) / (private_prefix + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data()))
    throw std::runtime_error("cannot make a private folder for the frames in " + dir + " (" +
                             temporary_directory_origin() + "): " + std::strerror(errno));
  return {pattern, FileCreation::NewOnly, "made in " + dir + ", " + temporary_directory_origin()};
}

}  // namespace display
