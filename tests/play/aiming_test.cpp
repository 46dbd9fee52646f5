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

}  // namespace
