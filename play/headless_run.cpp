#include "play/headless_run.h"

#include <GL/freeglut.h>

#include "platform/console.h"
#include "play/results.h"
#include "sound/effect.h"
#include "world/random.h"

Headless_Run::Silence::Silence()
    : effects_(set_effect_sink(nullptr)), quiet_(platform::set_console_quiet(true)) {}

Headless_Run::Silence::~Silence() {
  set_effect_sink(effects_);
  platform::set_console_quiet(quiet_);
}

Run_Start run_start_of(const replay::Replay& recorded) {
  Run_Start start;
  start.course_name = recorded.course_name;
  start.course_text = recorded.course_text;
  start.random_state = recorded.random_state;
  start.start_tick = recorded.start_tick;
  start.level = recorded.level;
  return start;
}

Headless_Run::Headless_Run(const Run_Start& start, Play_Listener* listener)
    : play_(std::make_unique<Play_State>()) {
  sys_.stagefile = start.course_name;
  sys_.level = start.level;
  sys_.clearlevel = 4;  // nothing left to unlock
  sys_.width = 600;
  sys_.height = 600;
  play_->keep_results = false;
  play_->listener = listener;
  sys_.nowstate = play_.get();
  seed_random15(start.random_state);
  // The first course of a process sets the counter to 1; a replay's may
  // have started later.
  play_->resume_ticks(start.start_tick);
  play_->begin_course(start.course_text, &sys_);
}

Headless_Run::~Headless_Run() { play_->field.buttai_del(); }

void Headless_Run::deliver(const replay::Input& input) {
  if (!in_course()) return;
  switch (input.kind) {
    case replay::InputKind::aim:
      play_->turn_view(input.dx, input.dy);
      break;
    case replay::InputKind::click:
      play_->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys_);
      break;
    case replay::InputKind::key: {
      const unsigned char k = input.key;
      if (k == 27 || k == 'q' || k == 'Q') break;
      play_->keyboard(k, 0, 0, &sys_);
      break;
    }
  }
}

void Headless_Run::tick() {
  if (in_course()) play_->timer(0, &sys_);
}

replay::Result result_of(const Play_State& play) {
  replay::Result result;
  result.ticks = play.ticks_played;
  result.stage = play.stage;
  result.shots = play.shots;
  result.hits = play.field.hits;
  result.lives = play.field.lives;
  result.cleared = play.allclear;
  result.title = rank_title(play.stage).ranked;
  return result;
}

Playback play_back(const Run_Start& start, const std::vector<replay::Input>& inputs,
                   std::int32_t tick_limit, Tick_Observer* observer) {
  Headless_Run run(start);
  std::size_t next = 0;
  while (!run.play().finished && run.play().ticks_played < tick_limit) {
    while (next < inputs.size() && inputs[next].tick <= run.play().ticks_played) {
      run.deliver(inputs[next++]);
    }
    run.tick();
    if (observer != nullptr) observer->ticked(run.play());
  }
  Playback playback;
  playback.ended = run.play().finished;
  playback.result = result_of(run.play());
  return playback;
}
