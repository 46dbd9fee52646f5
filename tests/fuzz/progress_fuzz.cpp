// The progress reader on any bytes, against a plain reading of its rule:
// white space, an optional sign, decimal digits, and a value that fits.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "states/progress.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool expected_progress(const std::uint8_t* data, std::size_t size, std::int32_t& value) {
  std::size_t i = 0;
  while (i < size && fuzz::is_space(data[i])) ++i;
  bool negative = false;
  if (i < size && (data[i] == '+' || data[i] == '-')) negative = data[i++] == '-';
  const std::size_t digits_from = i;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < size && data[i] >= '0' && data[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (data[i] - '0');
    if (magnitude > kLimit) magnitude = kLimit + 1;  // too large whatever follows
  }
  if (i == digits_from) return false;
  const std::int64_t signed_value = negative ? -magnitude : magnitude;
  if (signed_value < std::numeric_limits<std::int32_t>::min() ||
      signed_value > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }
  value = static_cast<std::int32_t>(signed_value);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::int32_t kUntouched = 0x5EED;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::int32_t value = kUntouched;
  const bool read = read_progress(in, value);

  std::int32_t expected = kUntouched;
  const bool readable = expected_progress(data, size, expected);
  fuzz::require(read == readable, "accepted differently from the rule");
  fuzz::require(value == expected, "a value other than the rule's, or a rejected read changed it");
  return 0;
}
