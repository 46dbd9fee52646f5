#include <string>
#include <vector>

#include "platform/pointer.h"
#include "tests/play/play_fixture.h"

namespace {

struct Motion {
  int x, y;
  double yaw, pitch;  // the aim after the event
};

struct AimCase {
  const char* name;
  std::vector<Motion> motions;
  int warps;  // pull-backs made
};

class Aiming : public PlayTest, public testing::WithParamInterface<AimCase> {};

// The window is 600x600, so every pull-back goes to (300, 300).
TEST_P(Aiming, TurnsByAFifthOfADegreePerPixel) {
  platform::pointer_forget_warps();
  start(empty_stage(1), 1);
  const AimCase& c = GetParam();
  int step = 0;
  for (const Motion& m : c.motions) {
    play.mouse_move(m.x, m.y, &sys);
    SCOPED_TRACE(testing::Message() << "after motion " << step++);
    EXPECT_DOUBLE_EQ(play.yaw, m.yaw);
    EXPECT_DOUBLE_EQ(play.pitch, m.pitch);
  }
  EXPECT_EQ(static_cast<int>(pointer.warps.size()), c.warps);
  for (const auto& warp : pointer.warps) EXPECT_EQ(warp, std::make_pair(300, 300));
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Aiming,
    testing::Values(
        AimCase{"FirstEventOnlySetsTheReference", {{350, 280, 0, 0}}, 1},
        AimCase{"AlternatingMovesAndEchoes",
                {{300, 300, 0, 0}, {300, 300, 0, 0}, {310, 295, 2, -1}, {300, 300, 2, -1},
                 {290, 310, 0, 1}, {300, 300, 0, 1}},
                3},
        // A fast mouse: all real events arrive before their echoes, each
        // measured from the event before it.
        AimCase{"ABurstBeforeItsEchoes",
                {{300, 300, 0, 0}, {300, 300, 0, 0}, {305, 300, 1, 0}, {310, 302, 2, 0.4},
                 {320, 305, 4, 1}, {300, 300, 4, 1}, {300, 300, 4, 1}, {300, 300, 4, 1},
                 {301, 300, 4.2, 1}},
                5},
        AimCase{"ClampsWithoutOvershoot",
                {{300, 300, 0, 0}, {300, 300, 0, 0}, {600, 600, 45, 20}, {300, 300, 45, 20},
                 {290, 0, 43, -40}, {300, 300, 43, -40}, {300, 0, 43, -60}, {300, 300, 43, -60},
                 // The next move comes before the echo: measured from (300, 310).
                 {300, 310, 43, -58}, {0, 300, -17, -60}, {300, 300, -17, -60}, {0, 300, -45, -60}},
                7}),
    [](const testing::TestParamInfo<AimCase>& param) { return std::string(param.param.name); });

TEST_F(PlayTest, AimingWorksAfterTheCourseIsOver) {
  platform::pointer_forget_warps();
  start(empty_stage(1), 1);
  ticks(1);
  ASSERT_TRUE(play.finished);
  play.mouse_move(300, 300, &sys);
  play.mouse_move(300, 300, &sys);
  play.mouse_move(320, 300, &sys);
  EXPECT_DOUBLE_EQ(play.yaw, 4);
}

TEST_F(PlayTest, AResizeWarpIsAnEchoLikeAnyOther) {
  platform::pointer_forget_warps();
  start(empty_stage(1), 1);
  play.mouse_move(300, 300, &sys);  // reference
  play.mouse_move(300, 300, &sys);  // its echo
  // What a resize to 800x500 does to the pointer, with the window at the origin.
  sys.width = 800;
  sys.height = 500;
  platform::pointer_warp_screen(400, 250);
  play.mouse_move(400, 250, &sys);
  EXPECT_DOUBLE_EQ(play.yaw, 0);
  EXPECT_DOUBLE_EQ(play.pitch, 0);
  play.mouse_move(410, 250, &sys);
  EXPECT_DOUBLE_EQ(play.yaw, 2);
  EXPECT_EQ(pointer.warps.back(), std::make_pair(400, 250));
}

// Warps whose echo never came while play ran: none may be taken for the echo
// of a pull-back in the next course, where it would swallow a real movement.
enum class StaleCause { resize_in_menu, pull_back_then_menu };

struct StaleWarp {
  const char* name;
  StaleCause cause;   // leaves a warp to (249, 249) pending, in the menu
  bool echo_in_menu;  // its echo arrives while the menu shows
};

class StaleWarps : public PlayTest, public testing::WithParamInterface<StaleWarp> {};

TEST_P(StaleWarps, AMoveOntoAnOldWarpTargetTurnsTheView) {
  platform::pointer_forget_warps();
  const StaleWarp& c = GetParam();
  if (c.cause == StaleCause::resize_in_menu) {
    sys.nowstate = &menu_;
    // What a resize to 498x498 does to the pointer, the window at the origin.
    platform::pointer_warp_screen(249, 249);
  } else {
    sys.width = 498;
    sys.height = 498;
    start(empty_stage(1), 1);
    ticks(1);
    play.mouse_move(260, 250, &sys);  // the first movement: pulled back to (249, 249)
    play.keyboard('n', 0, 0, &sys);   // before its echo
    ASSERT_EQ(sys.nowstate, &menu_);
    // A full-screen toggle, say, changes the size without a warp.
    sys.width = 600;
    sys.height = 600;
  }
  ASSERT_EQ(pointer.warps.back(), std::make_pair(249, 249));
  if (c.echo_in_menu) sys.nowstate->mouse_move(249, 249, &sys);
  sys.nowstate = &play;
  start(empty_stage(1), 1);
  play.mouse_move(300, 300, &sys);  // a movement, or the first reference
  play.mouse_move(300, 300, &sys);  // the pull-back's echo
  const double yaw = play.yaw;
  const double pitch = play.pitch;
  play.mouse_move(249, 249, &sys);
  EXPECT_NEAR(play.yaw, yaw - 10.2, 1e-9);
  EXPECT_NEAR(play.pitch, pitch - 10.2, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, StaleWarps,
    testing::Values(
        StaleWarp{"ResizeInTheMenuEchoSeenThere", StaleCause::resize_in_menu, true},
        StaleWarp{"ResizeInTheMenuEchoLost", StaleCause::resize_in_menu, false},
        StaleWarp{"PullBackThenMenuEchoSeenThere", StaleCause::pull_back_then_menu, true},
        StaleWarp{"PullBackThenMenuEchoLost", StaleCause::pull_back_then_menu, false}),
    [](const testing::TestParamInfo<StaleWarp>& param) { return std::string(param.param.name); });

// Scenes that do not aim still take the echoes of warps out of the way.
TEST_F(PlayTest, TheMenuConsumesWarpEchoes) {
  platform::pointer_forget_warps();
  platform::pointer_warp(120, 80);
  platform::pointer_warp(300, 300);
  State& menu = *play.state_transfer(MENU);
  menu.mouse_move(300, 300, &sys);
  menu.mouse_move(5, 5, &sys);
  EXPECT_FALSE(platform::pointer_take_echo(300, 300));
  EXPECT_TRUE(platform::pointer_take_echo(120, 80));
}

}  // namespace
