// Files written whole or not at all: the bytes go to a new hidden file in
// the same folder, renamed onto the path only once all of them are written,
// so a full disk or a failing write never leaves a truncated file behind,
// and a reader of the path sees the old file or the new one, never half.
#pragma once

#include <cstdio>
#include <string>

namespace display {

// How the file at the path is made. Neither writes through a symbolic link
// at the path: a link there is refused.
enum class FileCreation {
  Replace,  // a regular file already there is replaced
  NewOnly,  // the file must not exist yet
};

class WholeFile {
 public:
  // Opens the temporary file; throws std::runtime_error "cannot open PATH
  // for writing: REASON" when the folder cannot take it.
  WholeFile(std::string path, FileCreation how);
  // Removes the temporary file unless it was committed.
  ~WholeFile();
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  std::FILE* stream() const { return m_file; }
  // Writes out what is buffered and renames the file into place. Throws
  // "cannot write PATH: REASON" with the system's reason (and removes the
  // temporary file) when any write, the close or the rename failed.
  void commit();
  // Gives up: removes the temporary file and throws "cannot write PATH",
  // with the system's reason for `error` when it is not 0.
  [[noreturn]] void fail(int error);

 private:
  void discard();

  std::string m_path;
  std::string m_temp;
  FileCreation m_how;
  std::FILE* m_file = nullptr;
};

}  // namespace display
