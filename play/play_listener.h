#pragma once
// What a recorder hears from the play scene: the start of each course, every
// input the scene acts on (after echo filtering), and the course's end.
#include "replay/replay.h"

class Gamesystem;
class Play_State;

class Play_Listener {
 public:
  virtual ~Play_Listener() = default;
  // The course has just started: its text, random state and tick are set.
  virtual void course_started(const Play_State& play, const Gamesystem& sys) = 0;
  // An input, stamped with the ticks played so far; heard before it acts.
  virtual void input(const Play_State& play, const replay::Input& input) = 0;
  // The course has just ended: its results are final.
  virtual void course_finished(const Play_State& play) = 0;
};
