#include "tests/world/world_fixtures.h"

std::unique_ptr<hito> standing_person(const VECTORD& pos, double life, double size) {
  auto person = std::make_unique<hito>();
  person->life = life;
  person->pos = pos;
  person->size = size;
  person->slices = 10.0;
  person->pattern = 5;
  person->syoki();
  return person;
}

std::unique_ptr<tama> bullet(const VECTORD& pos, const VECTORD& vel) {
  auto b = std::make_unique<tama>();
  b->life = 1.0;
  b->pos = pos;
  b->prevpos = pos;
  b->size = 0.3;
  b->vel = vel;
  b->slices = 10.0;
  b->syoki();
  return b;
}
