#pragma once
// Figures placed on the range by the window tests: still persons, whose
// colour tells the hits they take.
#include <memory>
#include <utility>

#include "world/hito.h"
#include "world/sniper_field.h"

inline void place_person(Sniper_Field& field, double x, double y, double z, double life,
                         double size = 1.0) {
  auto person = std::make_unique<hito>();
  person->pos = {x, y, z};
  person->size = size;
  person->life = life;
  person->slices = 10;
  person->pattern = 5;
  person->syoki();
  field.buttai_insert(std::move(person));
}
