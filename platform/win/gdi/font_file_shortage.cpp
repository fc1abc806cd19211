#include "platform/win/gdi/font_file_shortage.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace win {

int font_file_shortage(const std::string& path) {
  int error = 0;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
  } else {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
      const auto size = static_cast<std::size_t>(info.st_size);
      void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
      if (map == MAP_FAILED) {
        error = errno;
      } else {
        ::munmap(map, size);
      }
    }
    ::close(fd);
  }
  return error == EMFILE || error == ENFILE || error == ENOMEM ? error : 0;
}

}  // namespace win
