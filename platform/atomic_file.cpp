#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

namespace platform {
namespace {

bool write_all(int fd, std::string_view contents) {
  const char* p = contents.data();
  size_t left = contents.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// Creates a file of a new name beside path, as any program creates a file:
// readable and writable by all, less what the user's umask takes away.
int create_beside(const std::string& path, std::string& name) {
  static std::atomic<unsigned> serial{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = path + "." + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".new";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A file that is replaced keeps the permissions its owner gave it.
bool keep_mode_of(const std::string& path, int fd) {
  struct stat old {};
  if (::stat(path.c_str(), &old) != 0) return errno == ENOENT;
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

bool write_file_atomically(const std::string& path, std::string_view contents) {
  std::string name;
  const int fd = create_beside(path, name);
  if (fd < 0) return false;
  const bool written = keep_mode_of(path, fd) && write_all(fd, contents) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(name.c_str(), path.c_str()) != 0) {
    ::unlink(name.c_str());
    return false;
  }
  return true;
}

}  // namespace platform
