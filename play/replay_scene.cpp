#include "play/replay_scene.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "states/gamesystem.h"
#include "world/random.h"

void Replay_State::state_init(Gamesystem* sys) {
  sys->level = recorded_.level;
  sys->stagefile = recorded_.course_name;
  play_.keep_results = false;
  play_.listener = nullptr;
  seed_random15(recorded_.random_state);
  play_.resume_ticks(recorded_.start_tick);
  play_.begin_course(recorded_.course_text, sys);
  next_ = 0;
}

void Replay_State::keyboard(unsigned char key, int, int, Gamesystem*) {
  if (key == 27 || key == 'q' || key == 'Q') std::exit(0);
}

void Replay_State::timer(int value, Gamesystem* sys) {
  const auto& inputs = recorded_.inputs;
  for (; next_ < inputs.size() && inputs[next_].tick <= play_.ticks_played; ++next_) {
    const replay::Input& in = inputs[next_];
    switch (in.kind) {
      case replay::InputKind::aim:
        play_.turn_view(in.dx, in.dy);
        break;
      case replay::InputKind::click:
        play_.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, sys);
        break;
      case replay::InputKind::key:
        // The key that left the results: the watcher stays on them.
        break;
    }
  }
  play_.timer(value, sys);
}

void Replay_State::display(Gamesystem* sys) { play_.display(sys); }
