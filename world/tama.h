#pragma once
// A bullet: flies straight from the eye, is spent by its first hit and marks
// itself as a miss (life -1000) once it leaves its box.
#include "world/buttai.h"

class tama : public buttai {
 public:
  // Life of a bullet that left its box without hitting anything.
  static constexpr double kMissed = -1000.0;

  void move() override;
  void action() override;
  void draw2() override;
  void calc(double* r, double* g, double* b, double* a) override;
};
