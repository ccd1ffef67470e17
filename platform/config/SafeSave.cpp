#include "platform/config/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/core/Exceptions.h"

namespace {

[[noreturn]] void CannotWrite(const std::string& fileName, int error) {
  throw EFCreateError("Cannot create file \"" + fileName + "\". " + std::strerror(error));
}

bool WriteAll(int fd, const std::string& contents) {
  size_t done = 0;
  while (done < contents.size()) {
    ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

void SaveFileSafely(const std::string& fileName, const std::string& contents) {
  std::filesystem::path target(fileName);
  if (target.has_parent_path()) {
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
  }
  std::string temp = fileName + ".XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) CannotWrite(fileName, errno);
  // mkstemp makes the file private; keep the mode the old file had instead.
  struct stat old {};
  ::fchmod(fd, ::stat(fileName.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
  bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written || ::rename(temp.c_str(), fileName.c_str()) != 0) {
    if (written) error = errno;
    ::unlink(temp.c_str());
    CannotWrite(fileName, error);
  }
}
