#pragma once
// A fixed dark target that dies on its first hit. Nothing in the game places
// one yet.
#include "world/buttai.h"

class mato : public buttai {
 public:
  void move() override;
  void action() override;
  void draw2() override;
  void calc(double* r, double* g, double* b, double* a) override;
};
