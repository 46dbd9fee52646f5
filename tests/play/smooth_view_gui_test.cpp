// The smooth frame in a real window: at the tick it is the plain frame pixel
// for pixel, between ticks it shows figures on their way and the aim as it
// is, and drawing it changes nothing in the simulation.
#include <gtest/gtest.h>

#include <cstring>

#include "play/play_view.h"
#include "play/smooth_view.h"
#include "tests/play/play_fixture.h"
#include "tests/play/sim_fingerprint.h"
#include "tests/support/gl_window.h"
#include "world/random.h"

namespace {

int pixels_differing(const Frame& a, const Frame& b) {
  int differing = 0;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 600; ++x) differing += std::memcmp(a.at(x, y), b.at(x, y), 3) != 0;
  }
  return differing;
}

// The running texts look the same for both.
bool same_texts(const HudValues& a, const HudValues& b) {
  return (a.tick % 3 != 0) == (b.tick % 3 != 0) && a.stage == b.stage && a.lives == b.lives &&
         a.ammo == b.ammo && a.combo == b.combo && (a.clearcount > 0) == (b.clearcount > 0) &&
         a.finished == b.finished;
}

class SmoothFrame : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    if (!open_game_window("smooth view test")) GTEST_SKIP() << kNoDisplayReason;
    load_block_font(sys.kanji);
    play.resize(600, 600, &sys);
    seed_random15(1);
    start(busy_course().substr(2), 3);  // the course text after its stage count
  }

  void tick() {
    view.before_tick(play);
    play.timer(0, &sys);
    view.after_tick(play, sys);
  }
  Frame plain() {
    play.display(&sys);
    return Frame();
  }
  Frame smooth(double fraction) {
    view.display(play, &sys, fraction);
    return Frame();
  }

  Smooth_View view;
};

TEST_F(SmoothFrame, AtTheTickItIsThePlainFramePixelForPixel) {
  int in_motion = 0;
  for (int t = 0; t < 40; ++t) {
    play.turn_view(t % 5 - 2, (t % 3 - 1) * 2);
    if (t % 3 == 0) play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
    tick();
    SCOPED_TRACE(testing::Message() << "tick " << t + 1);
    const Frame at_tick = plain();
    EXPECT_EQ(pixels_differing(at_tick, smooth(1.0)), 0);
    // Half-way the figures in flight stand elsewhere.
    if (pixels_differing(at_tick, smooth(0.5)) > 0) ++in_motion;
  }
  EXPECT_GT(in_motion, 20);
}

TEST_F(SmoothFrame, RightAfterATickTheFiguresStandWhereThePreviousTickLeftThem) {
  // No shot and no turn: from one tick to the next only the figures move,
  // and the texts stay as long as no counter changes.
  for (int t = 0; t < 6; ++t) tick();
  int compared = 0;
  for (int t = 0; t < 30; ++t) {
    const std::size_t figures = play.field.hitoset.size();
    const HudValues texts = view.texts();
    const Frame before = plain();
    tick();
    const HudValues after = view.texts();
    // Launches add figures that have no earlier place to be drawn at; a
    // blink or a lost life changes the texts.
    if (play.field.hitoset.size() != figures || !same_texts(texts, after)) continue;
    SCOPED_TRACE(testing::Message() << "tick " << t);
    EXPECT_EQ(pixels_differing(before, smooth(0.0)), 0);
    EXPECT_GT(pixels_differing(before, smooth(1.0)), 0);
    ++compared;
  }
  EXPECT_GE(compared, 5);
}

TEST_F(SmoothFrame, ATurnOfTheAimShowsAtOnceWithTheTextsOfTheTick) {
  for (int t = 0; t < 3; ++t) tick();
  const Frame straight = smooth(0.3);
  play.turn_view(40, -15);
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  const Frame turned = smooth(0.3);
  EXPECT_GT(pixels_differing(straight, turned), 10000);
  // The shot has taken a bullet, yet the texts still show the tick's count:
  // with the plain frame's texts made to match, the pictures agree.
  const std::int32_t ammo_now = play.ammo;
  play.ammo = view.texts().ammo;
  const Frame with_tick_texts = plain();
  play.ammo = ammo_now;
  EXPECT_NE(ammo_now, view.texts().ammo);
  EXPECT_EQ(pixels_differing(with_tick_texts, smooth(1.0)), 0);
}

// Every smooth frame really drawn, half-way and at the end of the step, after
// every tick and every turn, leaves the course exactly as it goes without them.
class Drawn_Smooth_Frames final : public Between_Ticks {
 public:
  void before_tick(Play_State& play) override { view.before_tick(play); }
  void after_tick(Play_State& play, Gamesystem& sys) override { view.after_tick(play, sys); }
  void frame(Play_State& play, Gamesystem& sys) override {
    for (const double fraction : {0.5, 1.0}) {
      view.display(play, &sys, fraction);
      ++frames;
    }
  }
  Smooth_View view;
  int frames = 0;
};

TEST_F(SmoothFrame, DrawingSmoothFramesLeavesTheSimulationBitForBit) {
  play.field.buttai_del();
  auto run = [this](Play_State& scene, Between_Ticks& extra) {
    seed_random15(1);
    scene.state_init(&sys);
    const Run_Record record = play_run(scene, sys, extra, 150);
    scene.field.buttai_del();
    return record;
  };
  Between_Ticks nothing;
  Play_State classic_scene;
  const Run_Record classic = run(classic_scene, nothing);
  Drawn_Smooth_Frames frames;
  Play_State smooth_scene;
  const Run_Record smooth = run(smooth_scene, frames);
  EXPECT_GT(frames.frames, 500);
  EXPECT_GT(classic.hits, 5);
  EXPECT_GT(classic.stage_changes, 0);
  ASSERT_EQ(classic.ticks.size(), smooth.ticks.size());
  for (std::size_t t = 0; t < classic.ticks.size(); ++t) {
    ASSERT_TRUE(classic.ticks[t] == smooth.ticks[t]) << "the runs part after tick " << t + 1;
  }
  EXPECT_EQ(classic.next_random, smooth.next_random);
}

}  // namespace
