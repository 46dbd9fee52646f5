#pragma once
// Flights of a spawner's persons, flown by the game's own launch and motion
// code, for every angle its random spread can deal.
#include <memory>

#include "world/buttai.h"
#include "world/canon.h"

namespace course {

// The random sequence gives 15-bit draws; a spread deals draw / 32768 of it.
inline constexpr int kDraws = 32768;

// The launch angle in degrees that a draw gives.
double launch_angle(const Canon_attrib& att, int draw);

// The person the spawner launches when the random sequence deals `draw`.
// Leaves the sequence in a state of its own.
std::unique_ptr<buttai> launch_with_draw(const Canon_attrib& att, int draw);

struct FlightSurvey {
  bool starts_outside = false;  // the launch point itself is out of the arena
  int ticks = 0;                // ticks the person can be hit before it escapes
  bool escapes = false;         // it leaves the arena within the ticks surveyed
  int first_seen = -1;          // first tick on which it can be seen; -1 never
  int ticks_seen = 0;
  bool seen_after_escape = false;  // it would come into view only once out
  double widest_x = 0.0;           // largest |x| while it is in the arena
};

// Flies one person for at most `max_ticks` ticks.
FlightSurvey survey_flight(const Canon_attrib& att, int draw, int max_ticks);

}  // namespace course
