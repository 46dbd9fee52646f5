#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/support/recorders.h"
#include "tests/world/world_fixtures.h"
#include "world/building.h"
#include "world/mato.h"
#include "world/sniper_field.h"
#include "world/stage_install.h"

namespace {

const VECTORD kAlongMinusZ{0.0, 0.0, -5000.0};  // 50 units per tick

// A field with five lives, and the effects and hit lines it produces kept
// out of the test output.
class Field : public testing::Test {
 protected:
  Field() {
    field.lives = 5;
    testing::internal::CaptureStdout();
  }
  ~Field() override { testing::internal::GetCapturedStdout(); }

  hito* add_person(const VECTORD& pos, double life = 100.0) {
    auto p = standing_person(pos, life);
    hito* raw = p.get();
    field.hitoset.push_back(std::move(p));
    return raw;
  }
  tama* fire(const VECTORD& from, const VECTORD& vel = kAlongMinusZ) {
    auto b = bullet(from, vel);
    tama* raw = b.get();
    field.buttai_insert(std::move(b));
    return raw;
  }
  int count(const std::string& effect) const {
    int n = 0;
    for (const std::string& e : effects.played) n += e == effect;
    return n;
  }

  EffectRecorder effects;
  Sniper_Field field;
};

TEST_F(Field, AnEscapeIsNoticedOnTheNextTick) {
  hito* p = add_person({59.99, 10.0, -100.0});
  p->vel = VECTORD{10.0, 0.0, 0.0};  // 0.1 per tick
  field.combo = 3;
  field.move();  // moves out to 60.09; still listed, still drawn
  EXPECT_EQ(field.hitoset.size(), 1u);
  EXPECT_EQ(field.lives, 5);
  field.move();
  EXPECT_TRUE(field.hitoset.empty());
  EXPECT_EQ(field.lives, 4);
  EXPECT_EQ(field.combo, 0);
  EXPECT_EQ(count("cap.wav"), 1);
}

TEST_F(Field, ArenaEdgesAreInside) {
  const struct {
    VECTORD pos;
    bool escapes;
  } cases[] = {{{60, 0, 0}, false},      {{-60, 0, 0}, false},     {{0, -5, 0}, false},
               {{0, 1000, 0}, false},    {{60.001, 0, 0}, true},   {{-60.001, 0, 0}, true},
               {{0, -5.001, 0}, true}};
  for (const auto& c : cases) {
    Sniper_Field f;
    f.lives = 5;
    f.hitoset.push_back(standing_person(c.pos));
    f.move();
    EXPECT_EQ(f.lives, c.escapes ? 4 : 5) << c.pos.x << ", " << c.pos.y;
  }
}

TEST_F(Field, TwoBulletsOnOnePersonScoreTwiceAndItLeavesNextTick) {
  hito* p = add_person({0, 6, -100});
  fire({0, 6, -80});
  fire({0, 6, -75});
  field.move();
  EXPECT_EQ(field.hits, 2);
  EXPECT_EQ(field.combo, 2);
  EXPECT_EQ(p->life, -100.0);
  EXPECT_EQ(count("ata.wav"), 2);
  field.move();
  EXPECT_TRUE(field.hitoset.empty());
  EXPECT_TRUE(field.tamaset.empty());
  EXPECT_EQ(field.lives, 5);
  EXPECT_EQ(field.combo, 2);  // spent bullets break nothing
}

TEST_F(Field, OneBulletThroughTwoPersonsScoresTwice) {
  hito* near = add_person({0, 6, -10});
  hito* far = add_person({0, 6, -40});
  tama* b = fire({0, 6, 0});
  field.move();
  EXPECT_EQ(field.hits, 2);
  EXPECT_EQ(field.combo, 2);
  EXPECT_EQ(near->life, 0.0);
  EXPECT_EQ(far->life, 0.0);
  EXPECT_EQ(b->life, 0.0);
  EXPECT_EQ(b->prevpos.z, -50.0);  // the next sweep starts where this one ended
}

TEST_F(Field, ComboBonusesComeAtTheirCountsOnly) {
  const struct {
    int combo_before, lives_added;
  } cases[] = {{4, 1}, {9, 2}, {19, 3}, {29, 5}, {49, 10}, {50, 0}, {5, 0}, {0, 0}, {99, 0}};
  for (const auto& c : cases) {
    Sniper_Field f;
    f.lives = 5;
    f.combo = c.combo_before;
    f.hitoset.push_back(standing_person({0, 6, -100}));
    f.buttai_insert(bullet({0, 6, -80}, kAlongMinusZ));
    const std::size_t sounds = effects.played.size();
    f.move();
    EXPECT_EQ(f.combo, c.combo_before + 1);
    EXPECT_EQ(f.lives, 5 + c.lives_added) << "combo " << c.combo_before + 1;
    const bool bonus_sound = effects.played.size() > sounds && effects.played.back() == "life.wav";
    EXPECT_EQ(bonus_sound, c.lives_added > 0) << "combo " << c.combo_before + 1;
  }
}

TEST_F(Field, AMissBreaksTheComboOneTickLater) {
  field.combo = 3;
  tama* b = fire({0, 6, -290});
  field.move();  // out of its box: marked, still listed
  EXPECT_EQ(b->life, tama::kMissed);
  EXPECT_EQ(field.combo, 3);
  EXPECT_FALSE(field.tamaset_empty());
  field.move();
  EXPECT_TRUE(field.tamaset_empty());
  EXPECT_EQ(field.combo, 0);
}

TEST_F(Field, AHitOnTheTickABulletLeavesItsBoxIsNoMiss) {
  add_person({0, 6, -320});
  field.combo = 3;
  tama* b = fire({0, 6, -290});
  field.move();
  EXPECT_EQ(b->life, 0.0);
  EXPECT_EQ(field.combo, 4);
  field.move();
  EXPECT_TRUE(field.tamaset_empty());
  EXPECT_EQ(field.combo, 4);
}

TEST_F(Field, SpawnersLaunchIntoTheSameTick) {
  Canon_attrib inside;
  inside.pos = VECTORD{0, 0, -100};
  inside.num = 1;
  inside.size = 1.0;
  Canon_attrib outside = inside;
  outside.pos.x = 70.0;
  Canon_attrib lifeless = inside;
  lifeless.kind = 3;
  for (const Canon_attrib& a : {inside, outside, lifeless}) field.canon_insert(Canon(a));
  field.remain = 3;
  field.combo = 2;
  field.move();
  // The person launched outside costs a life at once; the lifeless one
  // leaves without a cost; the one inside has moved its first tick.
  EXPECT_EQ(field.remain, 0);
  EXPECT_EQ(field.lives, 4);
  ASSERT_EQ(field.hitoset.size(), 1u);
  EXPECT_LT(field.hitoset.front()->pos.y, 0.0);
  EXPECT_EQ(count("cap.wav"), 1);
}

TEST_F(Field, StageEndsWhenNothingIsLeftToLaunchOrInFlight) {
  EXPECT_TRUE(field.stageend());
  field.remain = 1;
  EXPECT_FALSE(field.stageend());
  field.remain = 0;
  add_person({0, 6, -100});
  EXPECT_FALSE(field.stageend());
  field.hitoset.clear();
  fire({0, 6, 0});
  EXPECT_TRUE(field.stageend());  // bullets in flight do not count
  field.remain = -2;
  EXPECT_TRUE(field.stageend());
}

TEST_F(Field, AStageWhoseCountIsClampedLowStillEnds) {
  // Two spawners that take 2^31 persons each off the count, so the total
  // stops at INT_MIN, and one that launches a person that falls away.
  StageSection section;
  Canon_attrib a;
  a.pos = VECTORD{0, 0, -100};
  a.size = 1.0;
  a.num = INT_MIN;
  section.spawners = {a, a};
  a.num = 1;
  a.speed = 100;
  section.spawners.push_back(a);
  install_stage_section(section, field);
  ASSERT_EQ(field.remain, INT_MIN);

  int ticks = 0;
  do {
    field.move();
    ++ticks;
    EXPECT_EQ(field.remain, INT_MIN) << "tick " << ticks;
  } while (!field.stageend() && ticks < 100);
  EXPECT_TRUE(field.stageend());
  EXPECT_GT(ticks, 1);  // the launched person had to leave first
  EXPECT_EQ(count("cap.wav"), 1);
}

TEST_F(Field, ClearCountDropsEveryTickBelowZero) {
  field.clearcount = 1;
  field.move();
  field.move();
  EXPECT_EQ(field.clearcount, -1);
}

TEST_F(Field, InsertFilesByExactTypeAtTheFront) {
  add_person({1, 0, 0});
  auto newer = standing_person({2, 0, 0});
  buttai* newer_raw = newer.get();
  field.buttai_insert(std::move(newer));
  EXPECT_EQ(field.hitoset.front().get(), newer_raw);

  fire({0, 0, 0});
  tama* newest = fire({0, 0, 1});
  EXPECT_EQ(field.tamaset.front().get(), newest);

  field.buttai_insert(std::make_unique<building>());
  field.buttai_insert(std::make_unique<mato>());
  field.buttai_insert(std::make_unique<buttai>());
  field.buttai_insert(nullptr);
  EXPECT_EQ(field.buildingset.size(), 1u);
  EXPECT_EQ(field.tamaset.size(), 2u);
  EXPECT_EQ(field.hitoset.size(), 4u);
}

// Counts the objects alive, to show the field deletes what it holds.
int alive = 0;
class counted final : public buttai {
 public:
  counted() { ++alive; }
  ~counted() override { --alive; }
};

TEST_F(Field, EmptyingAndDestroyingDeleteEveryObject) {
  {
    Sniper_Field f;
    for (int i = 0; i < 3; ++i) f.buttai_insert(std::make_unique<counted>());
    f.canon_insert(Canon());
    f.hits = 7;
    EXPECT_EQ(alive, 3);
    f.buttai_del();
    EXPECT_EQ(alive, 0);
    EXPECT_TRUE(f.canonset.empty());
    EXPECT_EQ(f.hits, 7);
    for (int i = 0; i < 2; ++i) f.buttai_insert(std::make_unique<counted>());
  }
  EXPECT_EQ(alive, 0);
}

TEST_F(Field, APersonShotDownOutsideTheArenaLeavesWithoutCost) {
  // Shot down on the tick it left the arena: the hit counts, the escape not.
  const struct {
    VECTORD pos;
    double life;
  } cases[] = {
      {{-60.5, 6, -100}, 0.0}, {{61, 6, -100}, -100.0}, {{0, -5.5, -100}, 0.0}, {{70, -20, -100}, -200.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "at (" << c.pos.x << ", " << c.pos.y << ") life " << c.life);
    effects.played.clear();
    add_person(c.pos, c.life);
    field.combo = 4;
    field.lives = 5;
    field.move();
    EXPECT_TRUE(field.hitoset.empty());
    EXPECT_EQ(field.lives, 5);
    EXPECT_EQ(field.combo, 4);
    EXPECT_TRUE(effects.played.empty());
  }
}

TEST_F(Field, BulletsMeetPersonsWhereTheyHaveMovedTo) {
  // A small person crossing the bullet's path at one unit a tick: only the
  // position after this tick's move decides.
  const struct {
    double x_before;
    int hits;
  } cases[] = {{-1.0, 1}, {0.0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x_before);
    field.buttai_del();
    field.hits = 0;
    auto person = standing_person({c.x_before, 6, -100}, 100.0, 0.2);
    person->vel = VECTORD{100.0, 0.0, 0.0};
    field.hitoset.push_back(std::move(person));
    fire({0, 6, -75});
    field.move();
    ASSERT_EQ(field.hitoset.size(), 1u);
    EXPECT_EQ(field.hitoset.front()->pos.x, c.x_before + 1.0);
    EXPECT_EQ(field.hits, c.hits);
  }
}

TEST_F(Field, ShotDownPersonsLeaveWithoutCost) {
  add_person({0, 6, -100}, 0.0);
  add_person({0, 6, -100}, -100.0);
  field.combo = 4;
  field.move();
  EXPECT_TRUE(field.hitoset.empty());
  EXPECT_EQ(field.lives, 5);
  EXPECT_EQ(field.combo, 4);
  EXPECT_TRUE(effects.played.empty());
}

}  // namespace
