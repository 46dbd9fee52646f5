// Aiming from the mouse's real movements: the fraction is kept, sums are
// exact, and the pointer is kept in the window while play runs.
#include <GL/freeglut.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/pointer.h"
#include "tests/play/play_fixture.h"
#include "world/angle.h"

namespace {

// Movements of a slow or accelerated mouse: fractions of a pixel that no
// binary fraction holds exactly (0.1, 1/3) beside ones that it does.
std::vector<double> fraction_steps(int count, double scale) {
  std::vector<double> steps;
  for (int i = 0; i < count; ++i) steps.push_back(scale * (0.05 + std::fmod(0.37 * i, 1.3)));
  return steps;
}

struct ForthAndBack {
  const char* name;
  std::vector<double> steps;  // one way; the way back is every step reversed
  bool back_in_reverse_order;
};

class FractionalAim : public PlayTest, public testing::WithParamInterface<ForthAndBack> {};

// A thousand pixels of movement and more, forth and back in cycles that stay
// inside the clamps: after each cycle the aim is where it started, bit for
// bit, and at each turning point it has turned by 0.2 degrees a pixel.
TEST_P(FractionalAim, AMoveAndItsReverseReturnTheViewExactly) {
  start(empty_stage(1), 1);
  const ForthAndBack& c = GetParam();
  double one_way = 0;
  for (const double step : c.steps) one_way += step;
  ASSERT_LT(one_way, 100.0);  // stays inside every clamp from (10, -10) degrees
  play.turn_view(50, -50);
  const double start_yaw = play.yaw;
  const double start_pitch = play.pitch;
  double moved = 0;
  for (int cycle = 0; moved < 1000; ++cycle) {
    SCOPED_TRACE(testing::Message() << "cycle " << cycle);
    for (const double step : c.steps) play.turn_view(step, -step);
    EXPECT_NEAR(play.yaw, start_yaw + 0.2 * one_way, 1e-6);
    EXPECT_NEAR(play.pitch, start_pitch - 0.2 * one_way, 1e-6);
    if (c.back_in_reverse_order) {
      for (auto step = c.steps.rbegin(); step != c.steps.rend(); ++step) play.turn_view(-*step, *step);
    } else {
      for (const double step : c.steps) play.turn_view(-step, step);
    }
    EXPECT_EQ(play.yaw, start_yaw);
    EXPECT_EQ(play.pitch, start_pitch);
    moved += 2 * one_way;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FractionalAim,
    testing::Values(ForthAndBack{"HalfPixels", std::vector<double>(80, 0.5), true},
                    ForthAndBack{"Tenths", std::vector<double>(400, 0.1), true},
                    ForthAndBack{"Thirds", std::vector<double>(120, 1.0 / 3.0), false},
                    ForthAndBack{"AcceleratedInOrder", fraction_steps(90, 1.0), true},
                    ForthAndBack{"AcceleratedOutOfOrder", fraction_steps(90, 1.0), false},
                    ForthAndBack{"TinyAndLargeMixed", {0.001, 25.0, 1e-6, 12.75, 0.3, 33.3}, false}),
    [](const testing::TestParamInfo<ForthAndBack>& param) { return std::string(param.param.name); });

struct SlowAim {
  const char* name;
  double dx, dy;  // one movement, made 20 times
  double yaw, pitch;
};

class SlowAiming : public PlayTest, public testing::WithParamInterface<SlowAim> {};

// Half-pixel movements add up instead of being cut off, the same either way.
TEST_P(SlowAiming, TwentyHalfPixelMovesTurnTwoDegrees) {
  start(empty_stage(1), 1);
  const SlowAim& c = GetParam();
  for (int i = 0; i < 20; ++i) play.turn_view(c.dx, c.dy);
  EXPECT_DOUBLE_EQ(play.yaw, c.yaw);
  EXPECT_DOUBLE_EQ(play.pitch, c.pitch);
}

INSTANTIATE_TEST_SUITE_P(Directions, SlowAiming,
                         testing::Values(SlowAim{"Right", 0.5, 0, 2, 0}, SlowAim{"Left", -0.5, 0, -2, 0},
                                         SlowAim{"Down", 0, 0.5, 0, 2}, SlowAim{"Up", 0, -0.5, 0, -2},
                                         SlowAim{"Diagonal", -0.5, 0.5, -2, 2}),
                         [](const testing::TestParamInfo<SlowAim>& param) {
                           return std::string(param.param.name);
                         });

TEST_F(PlayTest, FractionsStopAtTheClampsAndTurnBackAtOnce) {
  start(empty_stage(1), 1);
  for (int i = 0; i < 1000; ++i) play.turn_view(0.75, -0.75);
  EXPECT_EQ(play.yaw, 45);
  EXPECT_EQ(play.pitch, -60);
  play.turn_view(-0.5, 0.5);
  EXPECT_DOUBLE_EQ(play.yaw, 44.9);
  EXPECT_DOUBLE_EQ(play.pitch, -59.9);
  play.turn_view(0.5, -0.5);
  EXPECT_EQ(play.yaw, 45);
  EXPECT_EQ(play.pitch, -60);
  for (int i = 0; i < 1000; ++i) play.turn_view(-0.75, 0.75);
  EXPECT_EQ(play.yaw, -45);
  EXPECT_EQ(play.pitch, 20);
}

TEST_F(PlayTest, AnAimSetDirectlyIsTurnedOnFromWhereItIs) {
  start(empty_stage(1), 1);
  play.turn_view(30, 30);
  play.yaw = 10;
  play.pitch = -10;
  play.turn_view(5, -5);
  EXPECT_DOUBLE_EQ(play.yaw, 11);
  EXPECT_DOUBLE_EQ(play.pitch, -11);
  play.turn_view(-5, 5);
  EXPECT_DOUBLE_EQ(play.yaw, 10);
  EXPECT_DOUBLE_EQ(play.pitch, -10);
}

// The window system reports real movements; motion events only place the
// pointer.
class RawMotion : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    platform::pointer_forget_warps();
    pointer.raw = true;
  }
};

TEST_F(RawMotion, MotionEventsTurnTheViewByTheMovementsNotByPositions) {
  start(empty_stage(1), 1);
  pointer.motion = {{2.5, 0}, {0.25, -1}};
  play.mouse_move(400, 250, &sys);
  EXPECT_DOUBLE_EQ(play.yaw, 0.55);
  EXPECT_DOUBLE_EQ(play.pitch, -0.2);
  // A motion event far from the last, with no movement reported: a warp, or
  // the pointer coming back into the window. The view stays.
  play.mouse_move(320, 310, &sys);
  EXPECT_DOUBLE_EQ(play.yaw, 0.55);
  EXPECT_DOUBLE_EQ(play.pitch, -0.2);
  EXPECT_TRUE(pointer.warps.empty());
}

TEST_F(RawMotion, TicksAndClicksTakeTheMovementsMadeBeforeThem) {
  start(empty_stage(1), 1);
  pointer.motion = {{10, 5}};
  ticks(1);
  EXPECT_DOUBLE_EQ(play.yaw, 2);
  EXPECT_DOUBLE_EQ(play.pitch, 1);
  pointer.motion = {{-20, 0}};
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 300, &sys);
  EXPECT_DOUBLE_EQ(play.yaw, -2);
}

TEST_F(RawMotion, AShotFliesWhereTheMovementsBeforeItTurnedTheView) {
  start(empty_stage(3), 1);
  pointer.motion = {{225, 0}};
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 300, &sys);
  ASSERT_EQ(play.field.tamaset.size(), 1u);
  const VECTORD vel = play.field.tamaset.front()->vel;
  // 45 degrees to the right.
  EXPECT_DOUBLE_EQ(vel.x, bullet_speed * std::sin(rad(45)));
  EXPECT_DOUBLE_EQ(vel.z, -bullet_speed * std::cos(rad(45)));
}

TEST_F(RawMotion, MovementsMadeBeforePlayCountForNothing) {
  pointer.motion = {{100, 100}};
  start(empty_stage(1), 1);
  play.mouse_move(300, 300, &sys);
  EXPECT_EQ(play.yaw, 0);
  EXPECT_EQ(play.pitch, 0);
}

// Where the pointer moves but no raw motion comes (a tablet, a virtual
// machine's absolute pointer), the game goes back to aiming by positions.
struct Silence {
  const char* name;
  // Per motion event: the raw movements reported before it, and whether a
  // tick takes them first.
  struct Event {
    int x, y;
    std::vector<platform::PointerMotion> raw;
    bool tick_first;
  };
  std::vector<Event> events;
  bool gives_up;
};

class RawMotionSilence : public RawMotion, public testing::WithParamInterface<Silence> {};

TEST_P(RawMotionSilence, GivesUpRawMotionOnlyWhenThePointerKeepsMovingWithout) {
  start(empty_stage(1), 1);
  for (const Silence::Event& e : GetParam().events) {
    pointer.motion = e.raw;
    if (e.tick_first) ticks(1);
    play.mouse_move(e.x, e.y, &sys);
  }
  EXPECT_EQ(pointer.raw_given_up, GetParam().gives_up ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RawMotionSilence,
    testing::Values(
        Silence{"EveryMoveWithItsRawMotion",
                {{300, 300, {}, false}, {310, 300, {{10, 0}}, false}, {320, 300, {{10, 0}}, false},
                 {330, 300, {{10, 0}}, false}, {340, 300, {{10, 0}}, false}},
                false},
        Silence{"ABurstTakenByATickBeforeItsMotionEvents",
                {{300, 300, {}, false}, {310, 300, {{10, 0}, {10, 0}, {10, 0}, {10, 0}}, true},
                 {320, 300, {}, false}, {330, 300, {}, false}, {340, 300, {}, false}},
                false},
        Silence{"OneJumpComingBackIntoTheWindow",
                {{300, 300, {}, false}, {310, 300, {{10, 0}}, false}, {500, 100, {}, false},
                 {510, 100, {{10, 0}}, false}, {200, 300, {}, false}, {210, 300, {{10, 0}}, false}},
                false},
        Silence{"WarpEchoesAndStillPointer",
                {{300, 300, {}, false}, {300, 300, {}, false}, {300, 300, {}, false},
                 {300, 300, {}, false}, {300, 300, {}, false}},
                false},
        Silence{"ThreeMovesWithoutRawMotion",
                {{300, 300, {}, false}, {310, 300, {}, false}, {320, 300, {}, false}, {330, 300, {}, false}},
                true},
        Silence{"AfterAMouseATablet",
                {{300, 300, {}, false}, {310, 300, {{10, 0}}, false}, {320, 300, {}, false},
                 {330, 300, {}, false}, {340, 300, {}, false}},
                true}),
    [](const testing::TestParamInfo<Silence>& param) { return std::string(param.param.name); });

TEST_F(RawMotion, OnceGivenUpTheViewFollowsThePointersPositions) {
  start(empty_stage(1), 1);
  for (const int x : {300, 310, 320, 330}) play.mouse_move(x, 300, &sys);
  ASSERT_EQ(pointer.raw_given_up, 1);
  EXPECT_EQ(play.yaw, 0);
  // The event that gave up is the reference: pulled back to the middle.
  ASSERT_EQ(pointer.warps.back(), std::make_pair(300, 300));
  play.mouse_move(300, 300, &sys);
  play.mouse_move(305, 290, &sys);
  EXPECT_DOUBLE_EQ(play.yaw, 1);
  EXPECT_DOUBLE_EQ(play.pitch, -2);
}

struct EdgeCase {
  int x, y;
  bool recentred;
};

class RawMotionEdges : public RawMotion, public testing::WithParamInterface<EdgeCase> {};

// Pulled back to the middle only near the edge (an eighth of the window).
TEST_P(RawMotionEdges, PullsThePointerBackOnlyNearTheEdge) {
  start(empty_stage(1), 1);
  sys.width = 800;
  sys.height = 480;
  const EdgeCase& c = GetParam();
  play.mouse_move(c.x, c.y, &sys);
  if (c.recentred) {
    ASSERT_EQ(pointer.warps.size(), 1u);
    EXPECT_EQ(pointer.warps.back(), std::make_pair(400, 240));
    // Its echo is no movement either, and is not left pending.
    play.mouse_move(400, 240, &sys);
    EXPECT_FALSE(platform::pointer_take_echo(400, 240));
  } else {
    EXPECT_TRUE(pointer.warps.empty());
  }
  EXPECT_EQ(play.yaw, 0);
}

INSTANTIATE_TEST_SUITE_P(Positions, RawMotionEdges,
                         testing::Values(EdgeCase{400, 240, false}, EdgeCase{101, 61, false},
                                         EdgeCase{699, 419, false}, EdgeCase{100, 240, true},
                                         EdgeCase{700, 240, true}, EdgeCase{400, 60, true},
                                         EdgeCase{400, 420, true}, EdgeCase{0, 0, true},
                                         EdgeCase{799, 479, true}));

// The pointer is held in the window while a course runs, and let go for the
// results.
TEST_F(PlayTest, ThePointerIsConfinedDuringPlayOnly) {
  start(empty_stage(1), 1);
  EXPECT_EQ(pointer.confines, std::vector<bool>{true});
  ticks(1);
  ASSERT_TRUE(play.finished);
  EXPECT_EQ(pointer.confines, (std::vector<bool>{true, false}));
  play.keyboard('y', 0, 0, &sys);
  EXPECT_EQ(pointer.confines, (std::vector<bool>{true, false, true}));
  ticks(1);
  play.keyboard('n', 0, 0, &sys);
  EXPECT_EQ(pointer.confines, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(sys.nowstate, &menu_);
}

}  // namespace
