#include <gtest/gtest.h>

#include "tests/world/world_fixtures.h"
#include "world/building.h"
#include "world/mato.h"

namespace {

TEST(Person, EachHitTakesAHundredWhileItHasABody) {
  const struct {
    double size, life_before, life_after;
  } cases[] = {{1.0, 300.0, 200.0}, {1.0, 100.0, 0.0}, {1.0, -100.0, -200.0},
               {0.0, 100.0, 100.0}, {-1.0, 100.0, 100.0}};
  for (const auto& c : cases) {
    auto p = standing_person({0, 0, 0}, c.life_before, 1.0);
    p->radius = c.size;
    p->action();
    EXPECT_EQ(p->life, c.life_after) << "radius " << c.size << " life " << c.life_before;
  }
}

TEST(Person, ProximityTestIsStrict) {
  auto p = standing_person({0, 0, 0});
  p->radius = 0.5;
  EXPECT_FALSE(p->stumb(VECTORD{1.0, 0.0, 0.0}, 0.5));
  EXPECT_TRUE(p->stumb(VECTORD{0.0, 0.99, 0.0}, 0.5));
  EXPECT_TRUE(p->stumb(VECTORD{0.0, 0.0, 0.0}, 0.0));
}

TEST(Person, MovesByItsPattern) {
  auto p = standing_person({0, 10, 0});
  p->accel = VECTORD{0.0, -500.0, 0.0};
  p->move();
  EXPECT_DOUBLE_EQ(p->pos.y, 10.0 - 0.05);
}

TEST(Bullet, FliesFiftyUnitsATickAndMarksItselfMissedPastItsBox) {
  auto b = bullet({0, 6, 0}, {0, 0, -5000});
  for (int t = 1; t <= 6; ++t) b->move();
  EXPECT_DOUBLE_EQ(b->pos.z, -300.0);
  EXPECT_EQ(b->life, 1.0);
  b->move();
  EXPECT_DOUBLE_EQ(b->pos.z, -350.0);
  EXPECT_EQ(b->life, tama::kMissed);
  EXPECT_EQ(b->prevpos.z, 0.0);  // the field keeps prevpos, not the bullet
}

TEST(Bullet, BoxEdgesAreInside) {
  const struct {
    VECTORD pos;
    bool inside;
  } cases[] = {
      {{100, 0, 0}, true},     {{-100, 0, 0}, true},    {{0, -10, 0}, true},
      {{0, 100, 0}, true},     {{0, 0, 300}, true},     {{0, 0, -300}, true},
      {{100.001, 0, 0}, false}, {{-100.001, 0, 0}, false}, {{0, -10.001, 0}, false},
      {{0, 100.001, 0}, false}, {{0, 0, 300.001}, false}, {{0, 0, -300.001}, false},
  };
  for (const auto& c : cases) {
    auto b = bullet(c.pos, {0, 0, 0});
    b->move();
    EXPECT_EQ(b->life, c.inside ? 1.0 : tama::kMissed)
        << c.pos.x << ", " << c.pos.y << ", " << c.pos.z;
  }
}

TEST(Bullet, AHitSpendsItEvenAfterItLeftItsBox) {
  auto b = bullet({0, 0, 0}, {0, 0, 0});
  b->life = tama::kMissed;
  b->action();
  EXPECT_EQ(b->life, 0.0);
}

TEST(Bullet, IgnoresItsPattern) {
  auto b = bullet({0, 0, 0}, {0, 0, -5000});
  b->pattern = 1;
  b->move();
  EXPECT_DOUBLE_EQ(b->pos.z, -50.0);
  EXPECT_EQ(b->pos.x, 0.0);
}

TEST(FixedKinds, BuildingsStandAndEndureTargetsStandAndDie) {
  building house;
  house.life = 5.0;
  house.pos = VECTORD{1, 2, 3};
  house.vel = VECTORD{9, 9, 9};
  house.syoki();
  house.move();
  house.action();
  EXPECT_EQ(house.pos.x, 1.0);
  EXPECT_EQ(house.life, 5.0);

  mato target;
  target.life = 5.0;
  target.pos = VECTORD{1, 2, 3};
  target.vel = VECTORD{9, 9, 9};
  target.syoki();
  target.move();
  EXPECT_EQ(target.pos.z, 3.0);
  target.action();
  EXPECT_EQ(target.life, 0.0);
}

TEST(FixedKinds, BuildingColourHookWritesGreyAndLeavesAlpha) {
  building house;
  double r = 0, g = 0, b = 0, a = 0.25;
  house.calc(&r, &g, &b, &a);
  EXPECT_EQ(r, 0.5);
  EXPECT_EQ(g, 0.5);
  EXPECT_EQ(b, 0.5);
  EXPECT_EQ(a, 0.25);
}

}  // namespace
