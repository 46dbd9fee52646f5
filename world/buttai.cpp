#include "world/buttai.h"

#include <cmath>

#include "platform/console.h"
#include "sound/effect.h"
#include "world/sweep.h"

int shothitg = 0;

namespace {

constexpr VECTORD kZero{0.0, 0.0, 0.0};

}  // namespace

buttai::buttai()
    : dt(kZero),
      life(0.0),
      pos(kZero),
      size(kZero),
      vel(kZero),
      accel(kZero),
      radius(0.0),
      slices(0.0),
      phase(0.0),
      dirx(0),
      dirz(0),
      kind(0),
      pattern(0),
      prevpos(kZero) {}

buttai::~buttai() = default;

void buttai::syoki() {
  dt = 0.01;
  radius = std::sqrt(size.x * size.x + size.y * size.y + size.z * size.z);
  phase = 0.0;
  dirx = 0;
  dirz = 0;
}

void buttai::move() {
  switch (pattern) {
    case 1: movepart1(); break;
    case 2: movepart2(); break;
    case 3: movepart3(); break;
    case 4: movepart4(); break;
    case 6: movepart6(); break;
    case 7: movepart7(); break;
    case 8: movepart8(); break;
    case 9: movepart9(); break;
    default: movepart5(); break;
  }
}

void buttai::action() {}

void buttai::calc(double*, double*, double*, double*) {}

bool buttai::stumb(buttai* input_buttai) {
  if (!sweep_reaches(prevpos, pos, input_buttai->pos, input_buttai->radius + radius / 2.0)) {
    return false;
  }
  announce_hit();
  return true;
}

void buttai::announce_hit() {
  play_effect("ata.wav");
  ++shothitg;
  platform::console_line("ヒット");
}
