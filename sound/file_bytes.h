#pragma once
// Whole small files read into memory, with a ceiling so that a wrong path
// (a device, a huge file) cannot make the game allocate without bound.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace sound {

// The file's bytes, or nullopt when it cannot be opened or is larger than limit.
std::optional<std::vector<std::uint8_t>> read_file(const char* path, std::size_t limit);

}  // namespace sound
