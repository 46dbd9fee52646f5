#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "tools/course_checker/flight.h"
#include "tools/course_checker/sequence.h"
#include "tools/course_checker/sight.h"
#include "world/random.h"

namespace {

TEST(Sequence, JumpsAheadToTheSameStateAsDrawingOneByOne) {
  for (const std::uint64_t draws : {0u, 1u, 2u, 1000u, 65536u, 100003u}) {
    seed_random15(1);
    for (std::uint64_t i = 0; i < draws; ++i) random15();
    const int next_by_hand = random15();
    seed_random15(course::state_after_draws(draws));
    EXPECT_EQ(random15(), next_by_hand) << draws << " draws";
  }
}

TEST(Sequence, DealsAnyChosenDrawNext) {
  for (const int draw : {0, 1, 41, 16384, 32767}) {
    seed_random15(course::state_before_draw(draw));
    EXPECT_EQ(random15(), draw);
  }
}

TEST(Flight, LaunchesAtTheAngleTheDrawGives) {
  struct Case {
    int angle, spread, draw;
  };
  for (const Case c : {Case{80, 20, 0}, Case{80, 20, 16384}, Case{80, 20, 32767}, Case{90, -90, 32767}}) {
    Canon_attrib att;
    att.pos = {0, 0, -60};
    att.angle = c.angle;
    att.spread = c.spread;
    att.speed = 200;
    att.num = 1;
    att.size = 1;
    const auto person = course::launch_with_draw(att, c.draw);
    const double launched = std::atan2(person->vel.y, person->vel.x) * 180.0 / 3.14159265;
    EXPECT_NEAR(launched, course::launch_angle(att, c.draw), 1e-6);
    EXPECT_NEAR(course::launch_angle(att, c.draw), c.angle + c.spread * c.draw / 32768.0, 1e-12);
  }
}

TEST(Sight, AimingAtAPointPutsItUnderTheCrossHair) {
  for (const VECTORD p : {VECTORD{0, 6, -100}, VECTORD{20, 40, -60}, VECTORD{-15, 0, -250},
                          VECTORD{24, -0.4, -30}}) {
    const course::Aim aim = course::aim_toward(p);
    const VECTORD e = course::to_eye_space(p, aim);
    EXPECT_NEAR(e.x, 0.0, 1e-6);
    EXPECT_NEAR(e.y, 0.0, 1e-6);
    EXPECT_LT(e.z, 0.0);
  }
}

TEST(Sight, SeesWhatAnAimWithinTheLimitsShowsAndTheRangeDoesNotHide) {
  struct Case {
    VECTORD point;
    bool seen;
  };
  const Case cases[] = {
      {{0, 6, -100}, true},     // straight ahead
      {{0, 6, -305}, false},    // past the far plane
      {{0, 6, 10}, false},      // behind the eye
      {{0, 200, -5}, true},     // overhead: looking 60 up shows the zenith
      {{70, 6, -70}, false},    // 45 to the side, hidden by the wall
      {{70, 40, -70}, true},    // the same, above the wall
      {{0, -2, -60}, false},    // under the floor
      {{0, -0.4, -60}, true},   // just above it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(course::can_be_seen(c.point), c.seen) << c.point.x << " " << c.point.y << " " << c.point.z;
  }
}

}  // namespace
