// Recording in the play scene, and playing the recording back headless:
// the playback must go through exactly the states the live run went
// through, tick by tick, and end on the same result.
#include <GL/freeglut.h>

#include <string>
#include <vector>

#include "play/headless_run.h"
#include "play/replay_recorder.h"
#include "play/run_trace.h"
#include "tests/play/play_fixture.h"
#include "world/random.h"

namespace {

struct Handed {
  replay::Replay replay;
  std::int64_t run;
};

// Four figures fly up from the far end; the second stage has two spawners.
std::string two_stages() {
  return "1 10\n" + spawner(0, 0, -60, 30, 85, 10, 180, 4, 0, 2, 0) + "2 14\n" +
         spawner(-12, 0, -55, 30, 80, 10, 170, 3, 0, 2, 0) + spawner(12, 0, -55, 30, 90, 10, 170, 3, 15, 2, 1);
}

class ReplayRecordTest : public PlayTest {
 protected:
  ReplayRecordTest()
      : recorder([this](const replay::Replay& r, std::int64_t run) { handed.push_back({r, run}); }) {}

  // Plays the course to its end with a pattern of real pointer moves and
  // clicks that hits some figures and misses others; the trace follows
  // every tick.
  void play_to_end(Run_Trace& trace, int seed) {
    for (int t = 0; !play.finished && t < 5000; ++t) {
      // The pointer moves as the window reports it; echoes are filtered
      // before the scene turns the aim.
      play.turn_view(((t + seed) / 20) % 2 == 0 ? 1.0 : -1.0, (t % 9 == 0) ? -0.5 : 0.125);
      if ((t + seed) % 3 == 0) play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
      play.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0, &sys);  // acts on nothing: not recorded
      play.keyboard('y', 0, 0, &sys);                      // while playing: not acted on
      ticks(1);
      trace.ticked(play);
    }
    ASSERT_TRUE(play.finished);
  }

  std::vector<Handed> handed;
  Replay_Recorder recorder;
};

TEST_F(ReplayRecordTest, PlaybackRetracesTheLiveRunTickByTick) {
  play.listener = &recorder;
  seed_random15(12345);
  start(two_stages(), 2);
  Run_Trace live;
  play_to_end(live, 0);
  ASSERT_EQ(handed.size(), 1u);
  const replay::Replay& r = handed[0].replay;
  EXPECT_EQ(r.course_text, play.course_text);
  EXPECT_EQ(r.random_state, 12345u);
  EXPECT_EQ(r.start_tick, 1);
  EXPECT_EQ(r.result.ticks, play.ticks_played);
  EXPECT_EQ(r.result.shots, play.shots);
  EXPECT_GT(r.result.shots, 0);

  // The live run also drew random numbers after its start: the playback
  // must not depend on where the sequence stands now.
  seed_random15(999);
  Run_Trace again;
  const Playback back = play_back(run_start_of(r), r.inputs, r.result.ticks + 10, &again);
  EXPECT_TRUE(back.ended);
  EXPECT_TRUE(back.result == r.result);
  EXPECT_EQ(again.hex(), live.hex());
}

TEST_F(ReplayRecordTest, ARetryIsRecordedFromWhereTheSequenceAndTickStood) {
  play.listener = &recorder;
  start(two_stages(), 2);
  Run_Trace first;
  play_to_end(first, 0);
  const std::uint32_t random_then = random15_state();
  const std::int32_t tick_then = play.field.tick;
  play.keyboard('Y', 0, 0, &sys);  // leaves the results: a new course starts
  // The key that left is the last input of the first course's replay.
  ASSERT_EQ(handed.size(), 2u);
  EXPECT_EQ(handed[1].run, handed[0].run);
  EXPECT_EQ(handed[1].replay.inputs.back().key, 'Y');
  EXPECT_EQ(handed[1].replay.inputs.back().tick, handed[1].replay.result.ticks);
  Run_Trace second;
  play_to_end(second, 7);
  ASSERT_EQ(handed.size(), 3u);
  const replay::Replay& r = handed[2].replay;
  EXPECT_NE(handed[2].run, handed[0].run);
  EXPECT_EQ(r.random_state, random_then);
  EXPECT_EQ(r.start_tick, tick_then);
  EXPECT_NE(r.start_tick, 1);
  Run_Trace again;
  const Playback back = play_back(run_start_of(r), r.inputs, r.result.ticks, &again);
  EXPECT_TRUE(back.result == r.result);
  EXPECT_EQ(again.hex(), second.hex());
}

TEST_F(ReplayRecordTest, InputsAfterTheEndAreHandedOnWhenTheSceneIsLeft) {
  play.listener = &recorder;
  start(escaping_stage(3, 5), 1);
  while (!play.finished) ticks(1);
  const std::int32_t ended = play.ticks_played;
  ticks(2);
  ASSERT_EQ(handed.size(), 1u);
  play.turn_view(40, -3.5);  // aiming on the results screen
  recorder.leave();          // the window is closed
  ASSERT_EQ(handed.size(), 2u);
  EXPECT_EQ(handed[1].run, handed[0].run);
  ASSERT_EQ(handed[1].replay.inputs.size(), 1u);
  EXPECT_EQ(handed[1].replay.inputs[0].dx, 40);
  EXPECT_EQ(handed[1].replay.inputs[0].tick, ended + 2);
  EXPECT_EQ(handed[1].replay.result.ticks, ended);
  recorder.leave();
  EXPECT_EQ(handed.size(), 2u);
}

TEST_F(ReplayRecordTest, ACourseLeftBeforeItsEndIsNotKept) {
  play.listener = &recorder;
  start(two_stages(), 2);
  ticks(50);
  play.turn_view(3, 3);
  recorder.leave();
  EXPECT_TRUE(handed.empty());
  EXPECT_EQ(recorder.current().inputs.size(), 1u);
}

TEST_F(ReplayRecordTest, APlaybackMissingOneInputGoesDifferently) {
  play.listener = &recorder;
  start(two_stages(), 2);
  Run_Trace live;
  play_to_end(live, 1);
  const replay::Replay r = handed.at(0).replay;
  std::vector<replay::Input> fewer = r.inputs;
  for (auto it = fewer.begin(); it != fewer.end(); ++it) {
    if (it->kind == replay::InputKind::click) {
      fewer.erase(it);
      break;
    }
  }
  ASSERT_EQ(fewer.size() + 1, r.inputs.size());
  Run_Trace whole, short_of_one;
  play_back(run_start_of(r), r.inputs, r.result.ticks, &whole);
  play_back(run_start_of(r), fewer, r.result.ticks, &short_of_one);
  EXPECT_EQ(whole.hex(), live.hex());
  EXPECT_NE(short_of_one.hex(), live.hex());
}

}  // namespace
