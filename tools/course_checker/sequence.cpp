#include "tools/course_checker/sequence.h"

namespace course {
namespace {

// The game's generator: state = state * a + c, modulo 2^32, from state 1.
constexpr std::uint32_t kMultiplier = 214013u;
constexpr std::uint32_t kIncrement = 2531011u;
constexpr std::uint32_t kStartState = 1u;

constexpr std::uint32_t inverse_of(std::uint32_t odd) {
  // Newton's iteration doubles the correct low bits each round.
  std::uint32_t inverse = odd;
  for (int i = 0; i < 5; ++i) inverse *= 2u - odd * inverse;
  return inverse;
}

}  // namespace

std::uint32_t state_before_draw(int draw) {
  const std::uint32_t next = static_cast<std::uint32_t>(draw) << 16;
  return (next - kIncrement) * inverse_of(kMultiplier);
}

std::uint32_t state_after_draws(std::uint64_t draws) {
  // Composes the step x -> a x + c with itself by repeated squaring.
  std::uint32_t step_a = kMultiplier, step_c = kIncrement;
  std::uint32_t total_a = 1u, total_c = 0u;
  for (; draws != 0; draws >>= 1) {
    if ((draws & 1u) != 0) {
      total_a *= step_a;
      total_c = total_c * step_a + step_c;
    }
    step_c *= step_a + 1u;
    step_a *= step_a;
  }
  return total_a * kStartState + total_c;
}

}  // namespace course
