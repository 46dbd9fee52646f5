#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "world/angle.h"
#include "world/canon.h"
#include "world/random.h"

namespace {

Canon_attrib record(int delay, int interval, int num, int kind = 0) {
  Canon_attrib a;
  a.pos = VECTORD{-50.0, 0.0, -150.0};
  a.interval = interval;
  a.angle = 60;
  a.spread = 0;
  a.speed = 400;
  a.num = num;
  a.delay = delay;
  a.size = 1.5;
  a.kind = kind;
  return a;
}

// The calls (from 1) on which the spawner launched, out of `calls`.
std::vector<int> launches(Canon canon, int calls) {
  std::vector<int> at;
  for (int call = 1; call <= calls; ++call) {
    if (canon.timer()) at.push_back(call);
  }
  return at;
}

TEST(Canon, LaunchesOnItsCountdown) {
  const struct {
    int delay, interval, num;
    std::vector<int> calls;
  } cases[] = {
      {3, 2, 3, {4, 7, 10}},
      {0, 0, 3, {1, 2, 3}},
      {-4, -1, 2, {1, 2}},  // negatives act as 0
      {1, 5, 2, {2, 8}},
      {0, 0, 0, {}},
      {0, 0, -2, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "delay " << c.delay << " interval " << c.interval
                                    << " num " << c.num);
    EXPECT_EQ(launches(Canon(record(c.delay, c.interval, c.num)), 20), c.calls);
  }
}

TEST(Canon, DefaultSpawnerNeverLaunches) { EXPECT_TRUE(launches(Canon(), 10).empty()); }

TEST(Canon, KindSetsLife) {
  const struct {
    int kind;
    double life;
  } cases[] = {{0, 100.0}, {1, 200.0}, {2, 300.0}, {3, 0.0}, {-1, 0.0}};
  for (const auto& c : cases) {
    Canon canon(record(0, 0, 1, c.kind));
    const auto person = canon.timer();
    ASSERT_NE(person, nullptr);
    EXPECT_EQ(person->life, c.life) << "kind " << c.kind;
    EXPECT_EQ(person->kind, c.kind);
  }
}

TEST(Canon, LaunchesABallisticPersonAlongItsAngle) {
  Canon canon(record(0, 0, 2));
  for (int i = 0; i < 2; ++i) {  // spread 0: exactly the angle, every time
    const auto p = canon.timer();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->pos.x, -50.0);
    EXPECT_EQ(p->pos.z, -150.0);
    EXPECT_DOUBLE_EQ(p->vel.x, 400 * std::cos(rad(60.0)));
    EXPECT_DOUBLE_EQ(p->vel.y, 400 * std::sin(rad(60.0)));
    EXPECT_EQ(p->vel.z, 0.0);
    EXPECT_EQ(p->accel.y, -500.0);
    EXPECT_DOUBLE_EQ(p->radius, 1.5 * std::sqrt(3.0));
    EXPECT_EQ(p->dt.x, 0.01);
    EXPECT_EQ(p->slices, 10.0);
    EXPECT_EQ(p->pattern, 5);
  }
  EXPECT_EQ(canon.rest, 0);
}

TEST(Canon, SpreadTakesOneDrawPerLaunch) {
  Canon_attrib a = record(0, 0, 2);
  a.spread = 60;
  Canon canon(a);
  seed_random15(1);  // draws 41, then 18467
  const double first = 60 + 41 / 32768.0 * 60;
  const double second = 60 + 18467 / 32768.0 * 60;
  EXPECT_DOUBLE_EQ(canon.timer()->vel.x, 400 * std::cos(rad(first)));
  EXPECT_DOUBLE_EQ(canon.timer()->vel.y, 400 * std::sin(rad(second)));
  EXPECT_EQ(random15(), 6334);
}

}  // namespace
