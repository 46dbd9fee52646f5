#include "platform/file_bytes.h"

#include <cstdio>
#include <memory>

namespace platform {

std::optional<std::vector<std::uint8_t>> read_file(const char* path, std::size_t limit) {
  if (path == nullptr) return std::nullopt;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), &std::fclose);
  if (!file) return std::nullopt;

  // Read in pieces rather than trusting a size from seeking, which a pipe or
  // device does not have.
  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[16384];
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    if (got == 0) break;
    if (bytes.size() + got > limit) return std::nullopt;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace platform
