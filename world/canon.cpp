#include "world/canon.h"

#include <cmath>

#include "world/angle.h"
#include "world/hito.h"
#include "world/random.h"

namespace {

double life_of_kind(int kind) {
  switch (kind) {
    case 0: return 100.0;
    case 1: return 200.0;
    case 2: return 300.0;
    default: return 0.0;
  }
}

}  // namespace

Canon::Canon(const Canon_attrib& att_) : att(att_), rest(att_.num), wait(att_.delay) {}

std::unique_ptr<buttai> Canon::timer() {
  if (rest <= 0) return nullptr;
  if (wait > 0) {
    --wait;
    return nullptr;
  }

  const double theta = att.angle + rand_generate(att.spread);
  auto person = std::make_unique<hito>();
  person->life = life_of_kind(att.kind);
  person->pos = att.pos;
  person->size = att.size;
  person->vel = VECTORD{att.speed * std::cos(rad(theta)), att.speed * std::sin(rad(theta)), 0.0};
  person->accel = VECTORD{0.0, -500.0, 0.0};
  person->slices = 10.0;
  person->kind = att.kind;
  person->pattern = 5;
  person->syoki();

  --rest;
  wait = att.interval;
  return person;
}
