#pragma once
// Steering the game's random sequence: the state that deals a chosen draw
// next, and the state reached after any number of draws from start-up.
#include <cstdint>

namespace course {

// The generator state whose next draw is `draw` (0 to 32767).
std::uint32_t state_before_draw(int draw);

// The state after `draws` draws from the state at start-up, in a few steps
// however many draws that is.
std::uint32_t state_after_draws(std::uint64_t draws);

}  // namespace course
