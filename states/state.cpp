#include "states/state.h"

#include <GL/glu.h>

#include <cmath>

#include "platform/pointer.h"
#include "states/gamesystem.h"

std::map<state_enum, State*> State::State_list;

void State::state_init(Gamesystem*) {}
void State::mouse(int, int, int, int, Gamesystem*) {}
// No scene but play aims, yet the echoes of warps made meanwhile (by a resize,
// or a pull-back just before the course ended) still come, and must not stay
// pending to be mistaken for a real movement later.
void State::mouse_move(int x, int y, Gamesystem*) { platform::pointer_take_echo(x, y); }
void State::keyboard(unsigned char, int, int, Gamesystem*) {}
void State::timer(int, Gamesystem*) {}
void State::display(Gamesystem*) {}

double vertical_field_of_view(int w, int h) {
  if (w <= 0 || h <= w) return 60.0;
  const double degrees = 180.0 / M_PI;
  return 2.0 * std::atan(std::tan(30.0 / degrees) * h / w) * degrees;
}

void State::resize(int w, int h, Gamesystem* sys) {
  sys->width = w;
  sys->height = h;
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A window of height 0 keeps a finite projection.
  const double aspect = static_cast<double>(w) / static_cast<double>(h > 0 ? h : 1);
  gluPerspective(vertical_field_of_view(w, h), aspect, 1.0, 300.0);
  glMatrixMode(GL_MODELVIEW);
  platform::pointer_warp_screen(w / 2, h / 2);
}

State* State::state_transfer(state_enum nextstate) {
  const auto found = State_list.find(nextstate);
  return found == State_list.end() ? nullptr : found->second;
}

void State::register_state(state_enum key, State* scene) { State_list.emplace(key, scene); }
