#include "tools/course_checker/spawner_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/course_checker/flight.h"
#include "tools/course_checker/sight.h"

namespace course {
namespace {

// Flights change smoothly with the angle: 33 draws across the spread, both
// ends included, find every stretch of it that goes wrong.
std::vector<int> draws_across(int spread) {
  if (spread == 0) return {0};
  std::vector<int> draws;
  for (int draw = 0; draw < kDraws; draw += kDraws / 32) draws.push_back(draw);
  draws.push_back(kDraws - 1);
  return draws;
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

// The launch angles at which something goes wrong.
class AngleSpan {
 public:
  void add(double angle) {
    low_ = empty() ? angle : std::min(low_, angle);
    high_ = empty() ? angle : std::max(high_, angle);
    ++count_;
  }
  bool empty() const { return count_ == 0; }
  std::string text() const {
    if (low_ == high_) return "at " + number(low_) + " degrees";
    return "at " + number(low_) + " to " + number(high_) + " degrees";
  }

 private:
  double low_ = 0.0;
  double high_ = 0.0;
  int count_ = 0;
};

}  // namespace

void check_spawner(const Canon_attrib& att, const RecordOffsets& at, const std::string& where,
                   std::vector<Diagnostic>& out) {
  const auto report = [&](RecordField field, Severity severity, const std::string& message) {
    out.push_back(Diagnostic{at[field], severity, where + ": " + message});
  };

  const bool has_life = att.kind >= 0 && att.kind <= 2;
  if (!has_life) {
    report(kKind, Severity::error,
           "kind " + std::to_string(att.kind) +
               " is not 0, 1 or 2: its figures have no life and vanish at launch");
  }
  if (att.num == 0) {
    report(kNum, Severity::error, "num 0: the spawner launches nothing");
  } else if (att.num < 0) {
    report(kNum, Severity::error,
           "num " + std::to_string(att.num) +
               ": the spawner launches nothing and lowers the stage's count, so the stage "
               "can end before the other spawners are done");
  }
  if (att.size == 0.0) {
    report(kSize, Severity::error, "size 0: its figures can never be shot down");
  } else if (att.size < 0.0) {
    report(kSize, Severity::warning, "a negative size acts as its magnitude");
  }
  if (att.interval < 0) report(kInterval, Severity::warning, "a negative interval acts as 0");
  if (att.delay < 0) report(kDelay, Severity::warning, "a negative delay acts as 0");

  if (!inside_arena(att.pos)) {
    report(kPosX, Severity::error,
           "launch point (" + number(att.pos.x) + ", " + number(att.pos.y) +
               ") is outside the arena (|x| <= 60, y >= -5): every figure costs a life at once");
    return;
  }
  if (!has_life || att.num <= 0) return;

  AngleSpan never_seen, gone_before_seen, seen_briefly, behind_walls, endless;
  int fewest_ticks_seen = kLongestFlight;
  double widest_x = 0.0;
  for (const int draw : draws_across(att.spread)) {
    const FlightSurvey flight = survey_flight(att, draw, kLongestFlight);
    const double angle = launch_angle(att, draw);
    if (flight.first_seen < 0) {
      (flight.seen_after_escape ? gone_before_seen : never_seen).add(angle);
    } else if (flight.ticks_seen < kShortestSighting) {
      seen_briefly.add(angle);
      fewest_ticks_seen = std::min(fewest_ticks_seen, flight.ticks_seen);
    }
    if (flight.widest_x > kWallX) {
      behind_walls.add(angle);
      widest_x = std::max(widest_x, flight.widest_x);
    }
    if (!flight.escapes) endless.add(angle);
  }

  if (!never_seen.empty()) {
    report(kAngle, Severity::error,
           "figures launched " + never_seen.text() + " never come into view");
  }
  if (!gone_before_seen.empty()) {
    report(kAngle, Severity::error,
           "figures launched " + gone_before_seen.text() +
               " leave the arena before they come into view");
  }
  if (!seen_briefly.empty()) {
    report(kAngle, Severity::warning,
           "figures launched " + seen_briefly.text() + " are in view for only " +
               std::to_string(fewest_ticks_seen) + (fewest_ticks_seen == 1 ? " tick" : " ticks"));
  }
  if (!behind_walls.empty()) {
    report(kAngle, Severity::warning,
           "figures launched " + behind_walls.text() + " fly out to |x| = " + number(widest_x) +
               ", behind the walls at |x| = 25");
  }
  if (!endless.empty()) {
    report(kSpeed, Severity::warning,
           "figures launched " + endless.text() + " stay up longer than 100 seconds");
  }
}

}  // namespace course
