#include "tools/course_checker/flight.h"

#include <algorithm>
#include <cmath>

#include "tools/course_checker/sequence.h"
#include "tools/course_checker/sight.h"
#include "world/random.h"

namespace course {

double launch_angle(const Canon_attrib& att, int draw) {
  return att.angle + draw / static_cast<double>(kDraws) * att.spread;
}

std::unique_ptr<buttai> launch_with_draw(const Canon_attrib& att, int draw) {
  Canon_attrib once = att;
  once.delay = 0;
  once.num = 1;
  Canon canon(once);
  seed_random15(state_before_draw(draw));
  return canon.timer();
}

FlightSurvey survey_flight(const Canon_attrib& att, int draw, int max_ticks) {
  FlightSurvey survey;
  const std::unique_ptr<buttai> person = launch_with_draw(att, draw);
  survey.starts_outside = !inside_arena(person->pos);
  if (survey.starts_outside) {
    survey.escapes = true;
    return survey;
  }
  survey.widest_x = std::fabs(person->pos.x);
  bool in_arena = true;
  for (int tick = 1; tick <= max_ticks; ++tick) {
    person->move();
    if (in_arena) {
      // Moved from inside: it can be drawn and hit here, and escapes on the
      // next tick if this is outside.
      survey.ticks = tick;
      if (can_be_seen(person->pos)) {
        if (survey.first_seen < 0) survey.first_seen = tick;
        ++survey.ticks_seen;
      }
      in_arena = inside_arena(person->pos);
      if (in_arena) survey.widest_x = std::max(survey.widest_x, std::fabs(person->pos.x));
      survey.escapes = !in_arena;
    } else {
      if (person->pos.y < kArenaFloor) break;
      if (can_be_seen(person->pos)) {
        survey.seen_after_escape = true;
        break;
      }
    }
  }
  return survey;
}

}  // namespace course
