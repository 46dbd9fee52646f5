#pragma once
// A grey cube that never moves and cannot be destroyed. Nothing in the game
// places one yet, but the field keeps, draws and clears a list of them.
#include "world/buttai.h"

class building : public buttai {
 public:
  void move() override;
  void action() override;
  void draw2() override;
  void calc(double* r, double* g, double* b, double* a) override;
};
