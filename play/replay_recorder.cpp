#include "play/replay_recorder.h"

#include "play/headless_run.h"
#include "play/play_state.h"
#include "states/gamesystem.h"

void Replay_Recorder::course_started(const Play_State& play, const Gamesystem& sys) {
  current_ = replay::Replay{};
  current_.course_name = sys.stagefile;
  current_.course_text = play.course_text;
  current_.random_state = play.start_random_state;
  current_.start_tick = play.field.tick;
  current_.level = sys.level;
  ++run_;
  recording_ = true;
  finished_ = false;
  handed_on_ = false;
  inputs_handed_on_ = 0;
}

void Replay_Recorder::input(const Play_State&, const replay::Input& input) {
  if (!recording_) return;
  current_.inputs.push_back(input);
  if (!finished_) return;
  if (input.kind == replay::InputKind::key) {
    // Every key heard after the end leaves the scene.
    hand_on();
    recording_ = false;
  }
}

void Replay_Recorder::course_finished(const Play_State& play) {
  if (!recording_) return;
  current_.result = result_of(play);
  finished_ = true;
  hand_on();
}

void Replay_Recorder::leave() {
  if (recording_ && finished_) hand_on();
  recording_ = false;
}

void Replay_Recorder::hand_on() {
  if (handed_on_ && inputs_handed_on_ == current_.inputs.size()) return;
  handed_on_ = true;
  inputs_handed_on_ = current_.inputs.size();
  if (sink_) sink_(current_, run_);
}
