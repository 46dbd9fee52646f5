#pragma once
// A person: launched by a spawner, flies its arc, takes one hit per 100
// points of life and shows by its colour how many hits it has left.
#include "world/buttai.h"

class hito : public buttai {
 public:
  using buttai::stumb;

  void move() override;
  void action() override;
  void draw2() override;
  void calc(double* r, double* g, double* b, double* a) override;

  // Plain proximity test: closer than size + radius to `pos`.
  bool stumb(VECTORD pos, double size) const;
};
