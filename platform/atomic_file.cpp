#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

}  // namespace

bool write_file_atomically(const std::string& path, std::string_view contents) {
  std::string pattern = path + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  const bool written = write_all(fd, contents) && ::fsync(fd) == 0;
  // mkstemp creates the file private to its owner; a saved game is not secret.
  ::fchmod(fd, 0644);
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(name.data(), path.c_str()) != 0) {
    ::unlink(name.data());
    return false;
  }
  return true;
}

}  // namespace platform
