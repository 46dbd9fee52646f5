#pragma once
// Counts that a course file sets, such as the bullets in hand and the
// persons still to launch, can be pushed past an int's range by the file's
// numbers; they stop at its ends instead.
#include <algorithm>
#include <cstdint>
#include <limits>

inline std::int32_t saturating_add(std::int32_t count, std::int32_t change) {
  const std::int64_t sum = static_cast<std::int64_t>(count) + change;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
