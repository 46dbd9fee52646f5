#include "app/smooth_frames.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>

#include "app/sniper_gamesystem.h"
#include "play/play_state.h"
#include "play/replay_scene.h"
#include "play/smooth_view.h"

namespace {

using Clock = std::chrono::steady_clock;

// A tick comes 100 ms after the previous one's work, and later under load;
// a step is drawn over the last interval seen, within these bounds.
constexpr auto shortest_step = std::chrono::milliseconds(100);
constexpr auto longest_step = std::chrono::milliseconds(125);
constexpr auto frame_period = std::chrono::microseconds(16667);

struct Smooth_Frames {
  bool on = false;
  Smooth_View view;
  const Play_State* play_before_tick = nullptr;
  Clock::time_point last_tick{};
  Clock::duration step = shortest_step;
  Clock::time_point next_frame{};
  double drawn_yaw = 0;
  double drawn_pitch = 0;
  // The last frame drawn is the one every later frame would be until the
  // next tick: nothing moves, or it showed the end of the step.
  bool drawn_at_rest = false;
};

Smooth_Frames& frames() {
  static Smooth_Frames state;
  return state;
}

// The play scene on the screen: played, or driven by a watched replay.
Play_State* current_play() {
  if (auto* play = dynamic_cast<Play_State*>(sys.nowstate)) return play;
  if (auto* watched = dynamic_cast<Replay_State*>(sys.nowstate)) return &watched->scene();
  return nullptr;
}

// The play scene, when its frames are the smooth mode's to draw.
Play_State* shown_play() {
  Smooth_Frames& f = frames();
  if (!f.on || !f.view.ready()) return nullptr;
  return current_play();
}

// Waits until the next frame is due; a frame that is already late is not
// made up for, the rhythm starts again from now.
void arm_render_timer(void (*callback)(int)) {
  Smooth_Frames& f = frames();
  const Clock::time_point now = Clock::now();
  f.next_frame += frame_period;
  if (f.next_frame <= now) f.next_frame = now + frame_period;
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(f.next_frame - now);
  glutTimerFunc(static_cast<unsigned>(std::max<long long>(1, wait.count())), callback, 0);
}

void render_timer(int) {
  if (glutGetWindow() == 0) return;
  // A frame the same as the one on the screen is not drawn again.
  if (shown_play() != nullptr && !frames().drawn_at_rest) glutPostRedisplay();
  arm_render_timer(render_timer);
}

}  // namespace

void smooth_frames_start() {
  Smooth_Frames& f = frames();
  f.on = true;
  f.next_frame = Clock::now();
  arm_render_timer(render_timer);
}

void smooth_before_tick() {
  Smooth_Frames& f = frames();
  if (!f.on) return;
  f.play_before_tick = current_play();
  if (f.play_before_tick != nullptr) f.view.before_tick(*f.play_before_tick);
}

void smooth_after_tick() {
  Smooth_Frames& f = frames();
  if (!f.on) return;
  const Play_State* play = current_play();
  if (play != nullptr && play == f.play_before_tick) {
    f.view.after_tick(*play, sys);
    const Clock::time_point now = Clock::now();
    f.step = std::clamp<Clock::duration>(now - f.last_tick, shortest_step, longest_step);
    f.last_tick = now;
    f.drawn_at_rest = false;
  } else {
    f.view.forget();
  }
}

bool smooth_display() {
  Play_State* play = shown_play();
  if (play == nullptr) return false;
  Smooth_Frames& f = frames();
  const std::chrono::duration<double> since_tick = Clock::now() - f.last_tick;
  const double fraction = std::clamp(since_tick / f.step, 0.0, 1.0);
  f.view.display(*play, &sys, fraction);
  f.drawn_yaw = play->yaw;
  f.drawn_pitch = play->pitch;
  f.drawn_at_rest = fraction >= 1.0 || !f.view.motion().moving();
  return true;
}

void smooth_aim_input() {
  const Play_State* play = shown_play();
  if (play == nullptr) return;
  const Smooth_Frames& f = frames();
  if (play->yaw != f.drawn_yaw || play->pitch != f.drawn_pitch) glutPostRedisplay();
}
