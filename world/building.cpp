#include "world/building.h"

#include <GL/freeglut.h>

void building::move() {}

void building::action() {}

void building::calc(double* r, double* g, double* b, double*) {
  *r = 0.5;
  *g = 0.5;
  *b = 0.5;
}

void building::draw2() {
  double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
  calc(&r, &g, &b, &a);
  a = 1.0;
  // Taken from the first call's hook and kept.
  static const float color[4] = {static_cast<float>(r), static_cast<float>(g),
                                 static_cast<float>(b), static_cast<float>(a)};
  glMaterialfv(GL_FRONT, GL_DIFFUSE, color);
  glutSolidCube(radius);
}
