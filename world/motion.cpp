// The nine motion patterns. All but the ballistic one step a clock, wrap it
// at the pattern's limit and move in the horizontal plane only.
#include <cmath>

#include "world/buttai.h"
#include "world/random.h"

namespace {

constexpr double kTwoPi = 6.283184;  // six decimals: the wrap ticks depend on it

// rand() % 30 - 10: a multiplier from -10 to 19, fresh every tick.
double random_multiplier() { return static_cast<double>(random15() % 30 - 10); }

// Remainder 0 goes forward, 1 stands, 2 goes back.
int random_sign() {
  switch (random15() % 3) {
    case 0: return 1;
    case 1: return 0;
    default: return -1;
  }
}

void draw_signs(int& dirx, int& dirz) {
  dirx = random_sign();
  dirz = random_sign();
}

// Scales the horizontal step by the time step and applies it.
void step(VECTORD& pos, const VECTORD& dt, double vx, double vz) {
  VECTORD v{vx, 0.0, vz};
  v *= dt;
  pos += v;
}

}  // namespace

void buttai::movepart1() {
  phase += 0.2;
  if (phase >= kTwoPi) phase = 0.0;
  step(pos, dt, 10 * std::sin(phase), 10 * std::cos(phase));
}

void buttai::movepart2() {
  phase += 0.1;
  if (phase >= kTwoPi) phase = 0.0;
  step(pos, dt, vel.x * 10 * std::sin(phase), vel.z * 10 * std::sin(phase));
}

void buttai::movepart3() {
  phase += 0.1;
  if (phase > 10.0) phase = 0.0;
  if (phase < 5.0) {
    step(pos, dt, vel.x * 10, vel.z * 10);
  } else {
    step(pos, dt, -(vel.x * 10), -(vel.z * 10));
  }
}

void buttai::movepart4() {
  phase += 0.1;
  if (phase > 10.0) phase = 0.0;
  const double r1 = random_multiplier();
  const double r2 = random_multiplier();
  if (phase < 5.0) {
    step(pos, dt, vel.x * r1, vel.z * r2);
  } else {
    step(pos, dt, -(vel.x * r1), -(vel.z * r2));
  }
}

void buttai::movepart5() {
  VECTORD a = accel;
  a *= dt;
  vel += a;
  VECTORD d = vel;
  d *= dt;
  pos += d;
}

void buttai::movepart6() {
  phase += 0.2;
  if (phase > 5.0) {
    draw_signs(dirx, dirz);
    phase = 0.0;
  }
  step(pos, dt, vel.x * 10 * dirx, vel.z * 10 * dirz);
}

void buttai::movepart7() {
  phase += 0.2;
  if (phase > 5.0) {
    draw_signs(dirx, dirz);
    phase = 0.0;
  }
  step(pos, dt, vel.x * 10 * dirx * std::sin(phase), vel.z * 10 * dirz * std::sin(phase));
}

void buttai::movepart8() {
  phase += 0.2;
  if (phase > kTwoPi) {
    draw_signs(dirx, dirz);
    phase = 0.0;
  }
  step(pos, dt, vel.x * 10 * dirx * std::sin(phase), vel.z * 10 * dirz * std::cos(phase));
}

void buttai::movepart9() {
  phase += 0.2;
  if (phase > kTwoPi) {
    draw_signs(dirx, dirz);
    phase = 0.0;
  }
  const double r1 = random_multiplier();
  const double r2 = random_multiplier();
  step(pos, dt, vel.x * r1 * dirx, vel.z * r2 * dirz);
}
