#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sound/effect.h"
#include "tests/support/recorders.h"
#include "tools/course_prover/course_run.h"
#include "tools/course_prover/proof.h"

namespace {

using course::Course;
using course::HumanLimits;

Canon_attrib spawner(double x, double z, int interval, int angle, int spread, int speed, int num,
                     int delay, double size, int kind) {
  Canon_attrib a;
  a.pos = {x, 0.0, z};
  a.interval = interval;
  a.angle = angle;
  a.spread = spread;
  a.speed = speed;
  a.num = num;
  a.delay = delay;
  a.size = size;
  a.kind = kind;
  return a;
}

StageSection stage(int bullets, std::vector<Canon_attrib> spawners) {
  StageSection s;
  s.spawner_count = static_cast<int>(spawners.size());
  s.bullets = bullets;
  s.spawners = std::move(spawners);
  return s;
}

Course course_of(std::vector<StageSection> stages) {
  Course c;
  c.stage_count = static_cast<int>(stages.size());
  c.stages = std::move(stages);
  return c;
}

// Plays one deal of a course written to a file of the test's own.
course::CoursePlay play(const Course& c, const HumanLimits& limits, std::uint64_t offset = 0) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("proof_test_" + std::to_string(::getpid()) + ".txt"))
                               .string();
  std::ofstream(path) << course::course_text(c);
  course::CoursePlay result = course::play_course(path, limits, offset, 100000);
  std::filesystem::remove(path);
  return result;
}

course::ProofSettings quick() {
  course::ProofSettings settings;
  settings.measure_difficulty = false;
  return settings;
}

bool mentions(const course::CourseProof& proof, const std::string& words) {
  for (const std::string& failure : proof.failures) {
    if (failure.find(words) != std::string::npos) return true;
  }
  return false;
}

// Figures that cross the range sideways, far enough that a shot aimed where
// they stand would arrive metres behind them.
const Canon_attrib kCrossing = spawner(-20, -140, 30, 70, 0, 230, 3, 0, 1.0, 0);

TEST(Marksman, LeadsItsTargetsSoThatEveryShotHits) {
  const auto result = play(course_of({stage(10, {kCrossing})}), HumanLimits{});
  ASSERT_TRUE(result.all_clear);
  ASSERT_EQ(result.stages.size(), 1u);
  EXPECT_EQ(result.stages[0].launched, 3);
  EXPECT_EQ(result.stages[0].shots, 3);
  EXPECT_EQ(result.stages[0].escapes, 0);
  EXPECT_EQ(result.stages[0].granted, 10);
}

TEST(Marksman, PlaysInSilenceAndLeavesTheEffectSinkAsItFoundIt) {
  const Course c = course_of({stage(10, {kCrossing})});
  ASSERT_FALSE(effect_sink_chosen());
  ASSERT_TRUE(play(c, HumanLimits{}).all_clear);
  EXPECT_FALSE(effect_sink_chosen()) << "no sink chosen before, none after";

  EffectRecorder recorder;
  ASSERT_TRUE(play(c, HumanLimits{}).all_clear);
  EXPECT_TRUE(recorder.played.empty()) << "the course was played in silence";
  play_effect("shot.wav");
  EXPECT_EQ(recorder.played, std::vector<std::string>{"shot.wav"}) << "the recorder is back in place";
}

TEST(Marksman, GivesThreeShotsToAThreeHitFigureAndCarriesBulletsOver) {
  Canon_attrib green = kCrossing;
  green.kind = 2;
  green.num = 2;
  const auto result = play(course_of({stage(8, {green}), stage(0, {kCrossing})}), HumanLimits{});
  ASSERT_TRUE(result.all_clear);
  ASSERT_EQ(result.stages.size(), 2u);
  EXPECT_EQ(result.stages[0].shots, 6);
  EXPECT_EQ(result.stages[1].shots, 2);  // the two bullets left from the first stage
  EXPECT_EQ(result.stages[1].escapes, 1);
  EXPECT_GT(result.stages[1].dry_shots, 0);
}

TEST(Marksman, IsHeldToEachHumanLimit) {
  // Two short hops at once, far apart, then a volley of ten from the middle.
  const Course c = course_of({stage(30, {spawner(-22, -35, 0, 68, 0, 120, 1, 0, 1.5, 0),
                                         spawner(22, -35, 0, 112, 0, 120, 1, 0, 1.5, 0),
                                         spawner(0, -80, 4, 86, 8, 130, 10, 30, 1.5, 0)})});
  struct Case {
    const char* limit;
    HumanLimits limits;
    bool clears;
  };
  const Case cases[] = {
      {"the set player", HumanLimits{}, true},
      {"turning slowly", HumanLimits{0.5, 4, 2, 0.5}, false},
      {"reacting late", HumanLimits{4.0, 50, 2, 0.5}, false},
      {"firing rarely", HumanLimits{4.0, 4, 30, 0.5}, false},
  };
  for (const Case& k : cases) {
    const auto result = play(c, k.limits);
    EXPECT_EQ(result.stages.at(0).escapes == 0, k.clears) << k.limit;
  }
}

TEST(Proof, HoldsForEveryDealOfTheSpreadNotOnlyTheFirst) {
  // Straight up at the first draws; flat along the floor at the far end of
  // the spread, gone before anyone can react.
  const Course c = course_of({stage(10, {spawner(0, -60, 30, 90, -90, 100, 1, 0, 2.0, 0)})});
  EXPECT_EQ(play(c, HumanLimits{}).stages.at(0).escapes, 0);
  const course::CourseProof proof = course::prove_course(c, quick());
  EXPECT_FALSE(proof.proven());
  EXPECT_TRUE(mentions(proof, "escape under spreads at their high ends"));
}

TEST(Proof, DemandsAFifthOfTheBulletsToSpare) {
  struct Case {
    int bullets;
    bool proven;
  };
  for (const Case k : {Case{3, false}, Case{4, true}, Case{6, true}}) {
    const course::CourseProof proof = course::prove_course(course_of({stage(k.bullets, {kCrossing})}), quick());
    EXPECT_EQ(proof.proven(), k.proven) << k.bullets << " bullets";
    EXPECT_EQ(mentions(proof, "left over"), !k.proven) << k.bullets << " bullets";
    EXPECT_EQ(proof.most_shots, 3);
  }
}

TEST(Proof, FindsWideStagesHarderThanNarrowOnesAndCallsEasyRepeatsTrivial) {
  const StageSection narrow = stage(20, {spawner(-3, -80, 20, 84, 6, 180, 3, 0, 1.5, 0),
                                         spawner(3, -80, 20, 90, 6, 180, 3, 10, 1.5, 0)});
  const StageSection wide = stage(20, {spawner(-22, -35, 20, 68, 6, 130, 3, 0, 1.5, 0),
                                       spawner(22, -35, 20, 106, 6, 130, 3, 10, 1.5, 0)});
  const course::CourseProof proof = course::prove_course(course_of({narrow, wide, narrow}), course::ProofSettings{});
  ASSERT_EQ(proof.stages.size(), 3u);
  EXPECT_GT(proof.stages[1].least_skill, proof.stages[0].least_skill);
  EXPECT_GT(proof.stages[1].slowest_turn, proof.stages[0].slowest_turn);
  EXPECT_LE(proof.stages[1].longest_reaction, proof.stages[0].longest_reaction);
  EXPECT_TRUE(proof.stages[2].trivial);
  EXPECT_TRUE(mentions(proof, "stage 3 is trivial"));
  EXPECT_FALSE(mentions(proof, "stage 1 is trivial"));  // a course may open gently
}

}  // namespace
