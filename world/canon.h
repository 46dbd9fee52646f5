#pragma once
// Spawners: each launches a stage's persons from one point, on a countdown,
// at an angle partly drawn from the game's random sequence.
#include <memory>

#include "world/buttai.h"
#include "world/vectord.h"

// One spawner record, fields in the order the stage file gives them.
struct Canon_attrib {
  VECTORD pos{0.0, 0.0, 0.0};  // launch point
  int interval = 0;            // ticks between launches
  int angle = 0;               // degrees in the x-y plane from +x towards +y
  int spread = 0;              // width in degrees of the random addition
  int speed = 0;
  int num = 0;                 // persons to launch
  int delay = 0;               // ticks before the first launch
  double size = 0.0;           // every component of the person's size
  int kind = 0;                // 0, 1, 2: one, two, three hits; other: life 0
};

class Canon {
 public:
  // A spawner that never launches.
  Canon() = default;
  explicit Canon(const Canon_attrib& att);

  // One tick: a new person when it launches, null otherwise. The first
  // launch comes on call delay + 1, then one every interval + 1 calls,
  // num in all; negative delays and intervals act as 0.
  std::unique_ptr<buttai> timer();

  Canon_attrib att;
  int rest = 0;  // persons still to launch
  int wait = 0;  // ticks until the next launch
};
