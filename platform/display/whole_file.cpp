#include "platform/display/whole_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace display {

namespace {

// A name beside the target that no other writer picks: a dot hides it from
// a plain listing, the random tail keeps concurrent writers apart.
std::string temporary_name(const std::string& path, std::uint32_t tail) {
  const std::filesystem::path p(path);
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08x", tail);
  std::string name = ".";
  name += p.filename().string();
  name += '.';
  name += hex;
  name += ".part";
  return (p.parent_path() / name).string();
}

// Renames without replacing: the kernel's atomic no-replace rename, or a
// hard link where the file system lacks it.
int rename_new_only(const char* from, const char* to) {
  if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  if (::link(from, to) != 0) return -1;
  ::unlink(from);
  return 0;
}

}  // namespace

WholeFile::WholeFile(std::string path, FileCreation how) : m_path(std::move(path)), m_how(how) {
  // A link planted at the path is refused, as opening it without following would.
  struct stat there {};
  if (::lstat(m_path.c_str(), &there) == 0 && S_ISLNK(there.st_mode))
    throw std::runtime_error("cannot open " + m_path + " for writing: " + std::strerror(ELOOP));
  std::random_device random;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
    m_temp = temporary_name(m_path, random());
    fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0)
    throw std::runtime_error("cannot open " + m_path + " for writing: " + std::strerror(errno));
  m_file = ::fdopen(fd, "wb");
  if (!m_file) {
    const int error = errno;
    ::close(fd);
    ::unlink(m_temp.c_str());
    throw std::runtime_error("cannot open " + m_path + " for writing: " + std::strerror(error));
  }
}

WholeFile::~WholeFile() { discard(); }

void WholeFile::discard() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
  if (!m_temp.empty()) ::unlink(m_temp.c_str());
  m_temp.clear();
}

void WholeFile::fail(int error) {
  discard();
  throw std::runtime_error("cannot write " + m_path +
                           (error ? std::string(": ") + std::strerror(error) : ""));
}

void WholeFile::commit() {
  errno = 0;
  if (std::ferror(m_file) || std::fflush(m_file) != 0) fail(errno);
  std::FILE* file = m_file;
  m_file = nullptr;
  if (std::fclose(file) != 0) fail(errno);
  const int renamed = m_how == FileCreation::NewOnly
                          ? rename_new_only(m_temp.c_str(), m_path.c_str())
                          : ::rename(m_temp.c_str(), m_path.c_str());
  if (renamed != 0) fail(errno);
  m_temp.clear();
}

}  // namespace display
