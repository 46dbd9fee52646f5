#pragma once
// Whole files read into memory, with a ceiling so that a wrong path (a device,
// a huge file) or a crafted file cannot make the game allocate without bound.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The file's bytes, or nullopt when it cannot be opened or read, or holds
// more than limit bytes. A file of exactly limit bytes is read.
std::optional<std::vector<std::uint8_t>> read_file(const char* path, std::size_t limit);

}  // namespace platform
