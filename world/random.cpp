#include "world/random.h"

#include <ctime>

namespace {

std::uint32_t state = 1;

}  // namespace

int random15() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 32767u);
}

void seed_random15(std::uint32_t seed) { state = seed; }

std::uint32_t random15_state() { return state; }

void rand_init() { seed_random15(static_cast<std::uint32_t>(std::time(nullptr))); }

double rand_generate(int max) { return random15() / 32768.0 * max; }

double rand_generate(int min, int max) {
  // The span is taken in 64 bits: extreme bounds would overflow an int.
  const auto span = static_cast<std::int64_t>(max) - static_cast<std::int64_t>(min);
  return random15() / 32768.0 * static_cast<double>(span) + min;
}
