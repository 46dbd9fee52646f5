// The smooth mode's frames read the simulation and never change it; figures
// and bullets are drawn between their last two ticks, and only then.
#include "play/smooth_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/play/play_fixture.h"
#include "tests/play/sim_fingerprint.h"
#include "tests/play/smooth_reads.h"
#include "world/hito.h"
#include "world/random.h"

namespace {

bool same(const VECTORD& a, const VECTORD& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

class SmoothRun : public PlayTest {
 protected:
  Run_Record run(Play_State& scene, Between_Ticks& extra, std::vector<std::string>& sounds) {
    TestSystem course_sys;
    course_sys.width = 600;
    course_sys.height = 600;
    course_sys.score.filename = "ranking.dat";
    std::ofstream("course.txt") << busy_course();
    course_sys.stagefile = "course.txt";
    seed_random15(1);
    const std::size_t first_sound = effects.played.size();
    scene.state_init(&course_sys);
    Run_Record record = play_run(scene, course_sys, extra, 600);
    sounds.assign(effects.played.begin() + static_cast<long>(first_sound), effects.played.end());
    scene.field.buttai_del();
    return record;
  }
};

TEST_F(SmoothRun, SmoothFramesBetweenTheTicksLeaveTheSimulationBitForBit) {
  Between_Ticks nothing;
  Play_State classic_scene;
  std::vector<std::string> classic_sounds;
  const Run_Record classic = run(classic_scene, nothing, classic_sounds);

  Smooth_Reads smooth_frames;
  Play_State smooth_scene;
  std::vector<std::string> smooth_sounds;
  const Run_Record smooth = run(smooth_scene, smooth_frames, smooth_sounds);

  // The run is worth comparing: it hits, loses lives, changes stage, ends
  // and retries, and the frames did draw figures between ticks.
  EXPECT_GT(classic.hits, 10);
  EXPECT_GT(classic.escapes, 2);
  EXPECT_GT(classic.stage_changes, 2);
  EXPECT_GT(classic.retries, 0);
  EXPECT_GT(smooth_frames.drawn_between, 1000);

  ASSERT_EQ(classic.ticks.size(), smooth.ticks.size());
  for (std::size_t t = 0; t < classic.ticks.size(); ++t) {
    const std::string& a = classic.ticks[t];
    const std::string& b = smooth.ticks[t];
    const auto parted = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    ASSERT_TRUE(a == b) << "the runs part after tick " << t + 1 << ", at byte "
                        << (parted.first - a.begin()) << " of " << a.size();
  }
  EXPECT_EQ(classic.next_random, smooth.next_random);
  EXPECT_EQ(classic.hits, smooth.hits);
  EXPECT_EQ(classic_sounds, smooth_sounds);
}

// A course whose one figure flies up in view from the first tick on, and
// whose second stage has a figure of its own.
std::string two_stage_flight() {
  return "1 10\n" + spawner(0, 0, -40, 0, 90, 0, 150, 1, 0, 1, 0) + "1 0\n" +
         spawner(5, 0, -40, 0, 90, 0, 150, 1, 0, 1, 0);
}

class MotionTest : public PlayTest {
 protected:
  void tick() {
    view.before_tick(play);
    play.timer(0, &sys);
    view.after_tick(play, sys);
  }
  VECTORD at(const buttai& object, double fraction) const {
    return view.motion().drawn_position(object, fraction);
  }
  Smooth_View view;
};

TEST_F(MotionTest, AFigureInFlightIsDrawnAlongItsLastStep) {
  start(two_stage_flight(), 2);
  tick();  // launched on this tick: no step yet
  const buttai& figure = *play.field.hitoset.front();
  for (const double fraction : {0.0, 0.5, 1.0}) EXPECT_TRUE(same(at(figure, fraction), figure.pos));
  EXPECT_FALSE(view.motion().moving());
  const VECTORD before = figure.pos;
  tick();
  EXPECT_TRUE(view.motion().moving());
  const VECTORD after = figure.pos;
  ASSERT_FALSE(same(before, after));
  const struct {
    double fraction;
    VECTORD expected;
  } cases[] = {
      {-1.0, before},
      {0.0, before},
      {0.25,
       {before.x + (after.x - before.x) * 0.25, before.y + (after.y - before.y) * 0.25,
        before.z + (after.z - before.z) * 0.25}},
      {0.5, {(before.x + after.x) / 2, (before.y + after.y) / 2, (before.z + after.z) / 2}},
      {1.0, after},
      {2.0, after},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fraction);
    const VECTORD drawn = at(figure, c.fraction);
    EXPECT_NEAR(drawn.x, c.expected.x, 1e-12);
    EXPECT_NEAR(drawn.y, c.expected.y, 1e-12);
    EXPECT_NEAR(drawn.z, c.expected.z, 1e-12);
  }
  // At the tick itself the figure is exactly where the tick left it.
  EXPECT_TRUE(same(at(figure, 1.0), after));
}

TEST_F(MotionTest, BulletsStartFromTheEyeAndOnlyAfterTheirFirstTick) {
  start(two_stage_flight(), 2);
  tick();
  tick();
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  const buttai& bullet = *play.field.tamaset.front();
  // Fired since the last tick: drawn where it is, at the eye.
  EXPECT_TRUE(same(at(bullet, 0.0), play.eye));
  tick();
  ASSERT_EQ(&bullet, play.field.tamaset.front().get());
  EXPECT_TRUE(same(at(bullet, 0.0), play.eye));
  EXPECT_TRUE(same(at(bullet, 1.0), bullet.pos));
  EXPECT_FALSE(same(bullet.pos, play.eye));
}

TEST_F(MotionTest, NothingIsDrawnAlongAStepItDidNotMake) {
  start(two_stage_flight(), 2);
  tick();
  tick();
  buttai& figure = *play.field.hitoset.front();
  ASSERT_FALSE(same(at(figure, 0.0), figure.pos));

  // Moved outside a tick (as an object taking another's address would be):
  // the step's end no longer matches, so it is drawn where it is.
  const VECTORD kept = figure.pos;
  figure.pos.x += 1.0;
  EXPECT_TRUE(same(at(figure, 0.0), figure.pos));
  figure.pos = kept;
  EXPECT_FALSE(same(at(figure, 0.0), figure.pos));

  view.forget();
  EXPECT_FALSE(view.ready());
  EXPECT_FALSE(view.motion().moving());
  EXPECT_TRUE(same(at(figure, 0.0), figure.pos));
}

TEST_F(MotionTest, NoStepIsCarriedAcrossAStageChange) {
  start(two_stage_flight(), 2);
  // Shoot nothing: the first figure flies until it falls out of the arena
  // and the second stage begins with a new figure.
  const std::int32_t first_stage = play.stage;
  int guard = 0;
  while (play.stage == first_stage && ++guard < 200) tick();
  ASSERT_NE(play.stage, first_stage);
  EXPECT_EQ(view.motion().steps(), 0u);
  EXPECT_FALSE(view.motion().moving());
  for (const auto& object : play.field.hitoset) EXPECT_TRUE(same(at(*object, 0.0), object->pos));
  tick();
  tick();
  ASSERT_FALSE(play.field.hitoset.empty());
  EXPECT_GT(view.motion().steps(), 0u);
}

TEST_F(MotionTest, OnceTheCourseIsOverNothingMoves) {
  // Figures escape one a tick while one flies up in view; the lives run out.
  start("2 0\n" + spawner(100, 0, -50, 0, 90, 0, 0, 6, 0, 1, 0) +
            spawner(0, 0, -40, 0, 90, 0, 100, 1, 0, 2, 2),
        1);
  int guard = 0;
  while (!play.finished && ++guard < 50) {
    tick();
    if (!play.finished) {
      EXPECT_EQ(view.motion().moving(), view.motion().steps() > 0);
    }
  }
  ASSERT_TRUE(play.finished);
  tick();
  ASSERT_FALSE(play.field.hitoset.empty());
  EXPECT_GT(view.motion().steps(), 0u);
  EXPECT_FALSE(view.motion().moving());
  const buttai& figure = *play.field.hitoset.front();
  EXPECT_TRUE(same(at(figure, 0.0), figure.pos));
}

TEST_F(MotionTest, TheTextsStayAsTheTickLeftThem) {
  start(two_stage_flight(), 2);
  tick();
  const HudValues at_tick = view.texts();
  EXPECT_EQ(at_tick.ammo, 10);
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  EXPECT_EQ(play.hud_values(sys).ammo, 8);
  EXPECT_EQ(view.texts().ammo, 10);
  EXPECT_EQ(view.texts().tick, at_tick.tick);
  tick();
  EXPECT_EQ(view.texts().ammo, 8);
  EXPECT_EQ(view.texts().shots, 2);
  EXPECT_EQ(view.texts().tick, at_tick.tick + 1);
}

}  // namespace
