#pragma once
// The arena of one course: persons and bullets in flight, the stage's
// spawners, and the player's lives, hits and combo. One `move` is one tick.
// The field owns every object in its lists; destroying it deletes them.
#include <cstdint>
#include <list>
#include <memory>

#include "world/buttai.h"
#include "world/canon.h"

class Sniper_Field {
 public:
  using buttai_list = std::list<std::unique_ptr<buttai>>;

  // One tick: spawners launch; persons shot down or out of the arena leave
  // (an escape costs a life and the combo), the rest move; bullets that are
  // spent leave (a miss breaks the combo), the rest move and are swept
  // against every person, scoring hits, combo and combo bonuses.
  int move();
  // Draws persons, bullets, buildings, each list front to back.
  int draw_buttai();
  // Deletes every object and spawner; the counters stay.
  int buttai_del();
  // Takes a new object: bullets to the front of tamaset, buildings to the
  // front of buildingset, anything else to the front of hitoset.
  int buttai_insert(std::unique_ptr<buttai> obj);
  // Appends a copy of the spawner.
  int canon_insert(const Canon& c);
  // Nothing left to launch and no person in flight; bullets do not count.
  bool stageend() const;
  bool tamaset_empty() const;

  buttai_list hitoset;      // persons, oldest launch first
  buttai_list tamaset;      // bullets, newest first
  buttai_list buildingset;
  std::list<Canon> canonset;  // the stage's spawners, in file order

  std::int32_t remain = 0;      // persons not launched yet
  std::int32_t clearcount = 0;  // stage-clear banner countdown; lowered every tick
  std::int32_t hits = 0;
  std::int32_t lives = 0;
  std::int32_t tick = 0;        // the play scene's tick counter
  std::int32_t combo = 0;       // hits in a row

 private:
  void launch();
  void move_persons();
  void move_bullets();
  void score_hit();
};
