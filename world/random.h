#pragma once
// The game's one random sequence: a 15-bit linear congruential generator
// whose state starts at 1 and is never seeded in play, so every run deals the
// same spreads and motions. Shared by the spawners and the motion patterns.
#include <cstdint>

// Next value of the sequence, 0 to 32767.
int random15();

// Sets the generator state; tests use it to restart the sequence (seed 1 is
// the state at program start).
void seed_random15(std::uint32_t seed);

// The generator state as it stands: seeding with it continues the sequence
// from here. A replay keeps it to deal the same spreads again.
std::uint32_t random15_state();

// Seeds from the calendar time. The game never calls it.
void rand_init();

// random15() / 32768.0 * max: in [0, max) for a positive max.
double rand_generate(int max);

// random15() / 32768.0 * (max - min) + min: in [min, max) when max > min,
// counting down from min when max < min.
double rand_generate(int min, int max);
