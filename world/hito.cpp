#include "world/hito.h"

#include <cmath>

void hito::move() { buttai::move(); }

void hito::action() {
  // A person without a body cannot be hurt.
  if (radius > 0.0) life -= 100.0;
}

void hito::calc(double*, double*, double*, double*) {}

void hito::draw2() {
  double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
  calc(&r, &g, &b, &a);
  // Hits left: one red (up to 101, not 100), two blue, three green.
  if (life > 0.0 && life <= 101.0) {
    r = 1.0, g = 0.0, b = 0.0, a = 1.0;
  } else if (life > 101.0 && life <= 200.0) {
    r = 0.0, g = 0.0, b = 1.0, a = 1.0;
  } else if (life > 200.0 && life <= 300.0) {
    r = 0.0, g = 1.0, b = 0.0, a = 1.0;
  }
  const float color[4] = {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b),
                          static_cast<float>(a)};
  draw_sphere(color);
}

bool hito::stumb(VECTORD pos_, double size_) const {
  const double dx = pos_.x - pos.x;
  const double dy = pos_.y - pos.y;
  const double dz = pos_.z - pos.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz) < size_ + radius;
}
