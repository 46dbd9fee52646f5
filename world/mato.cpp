#include "world/mato.h"

void mato::move() {}

void mato::action() { life = 0.0; }

void mato::calc(double*, double*, double*, double*) {}

void mato::draw2() {
  double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
  calc(&r, &g, &b, &a);
  static const float color[4] = {0.1f, 0.1f, 0.1f, 1.0f};
  draw_sphere(color);
}
