#pragma once
// A simple player for the soak: aims at the nearest figure where a bullet
// would meet it, and fires every other tick while bullets are left.
#include "play/play_state.h"

class SoakBot {
 public:
  // Turns the view towards the figure to shoot; false when none is in reach.
  bool aim(Play_State& play) const;
  // Aims and, on firing ticks, clicks the left button.
  void act(Play_State& play, Gamesystem& sys, long tick) const;
};
