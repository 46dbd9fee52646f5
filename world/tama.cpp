#include "world/tama.h"

void tama::move() {
  movepart5();
  // The bounds themselves are still inside.
  if (pos.x < -100.0 || pos.x > 100.0) life = kMissed;
  if (pos.y < -10.0 || pos.y > 100.0) life = kMissed;
  if (pos.z < -300.0 || pos.z > 300.0) life = kMissed;
}

void tama::action() { life = 0.0; }

void tama::calc(double*, double*, double*, double*) {}

void tama::draw2() {
  double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
  calc(&r, &g, &b, &a);
  static const float color[4] = {0.1f, 0.1f, 0.1f, 1.0f};
  draw_sphere(color);
}
