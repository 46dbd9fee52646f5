#include "world/hito.h"

#include <cmath>

void hito::move() { buttai::move(); }

void hito::action() {
  // A person without a body cannot be hurt.
  if (radius > 0.0) life -= 100.0;
}

void hito::calc(double*, double*, double*, double*) {}

void hito::draw2() {
  double rgba[4] = {0.0, 0.0, 0.0, 0.0};
  calc(&rgba[0], &rgba[1], &rgba[2], &rgba[3]);
  // Hits left: one red (up to 101, not 100), two blue, three green. Dead
  // or overfull persons keep what the hook left.
  static constexpr double kRed[4] = {1.0, 0.0, 0.0, 1.0};
  static constexpr double kBlue[4] = {0.0, 0.0, 1.0, 1.0};
  static constexpr double kGreen[4] = {0.0, 1.0, 0.0, 1.0};
  const double* chosen = rgba;
  if (life > 0.0 && life <= 101.0) {
    chosen = kRed;
  } else if (life > 101.0 && life <= 200.0) {
    chosen = kBlue;
  } else if (life > 200.0 && life <= 300.0) {
    chosen = kGreen;
  }
  const float color[4] = {static_cast<float>(chosen[0]), static_cast<float>(chosen[1]),
                          static_cast<float>(chosen[2]), static_cast<float>(chosen[3])};
  draw_sphere(color);
}

bool hito::stumb(VECTORD pos_, double size_) const {
  const double dx = pos_.x - pos.x;
  const double dy = pos_.y - pos.y;
  const double dz = pos_.z - pos.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz) < size_ + radius;
}
