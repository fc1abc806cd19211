// A file system that fills up at once: a tmpfs of a few kilobytes mounted on
// a fresh folder for one test (root only; mounted() says whether it is).
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

class TinyDisk {
 public:
  explicit TinyDisk(const std::string& name, const char* size = "16k")
      : m_path(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_path);
    const std::string options = std::string("size=") + size;
    if (::mount("tmpfs", m_path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0) {
      m_mounted = true;
    } else {
      m_why_not = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
  }
  ~TinyDisk() {
    if (m_mounted) ::umount2(m_path.c_str(), MNT_DETACH);
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  TinyDisk(const TinyDisk&) = delete;
  TinyDisk& operator=(const TinyDisk&) = delete;

  bool mounted() const { return m_mounted; }
  const std::string& why_not() const { return m_why_not; }
  const std::filesystem::path& path() const { return m_path; }
  // The names in the folder, hidden ones included.
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
      names.push_back(entry.path().filename());
    return names;
  }

 private:
  std::filesystem::path m_path;
  bool m_mounted = false;
  std::string m_why_not;
};

}  // namespace test_support
