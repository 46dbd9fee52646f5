#pragma once
// A headless player with human limits. It sees the field as the game holds
// it, but turns the aim only so fast, acts on a figure only some time after
// its launch, fires at most one shot every few ticks, and leads its target:
// it fires where the figure will be when the bullet gets there.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "play/play_state.h"
#include "states/gamesystem.h"
#include "tools/course_checker/sight.h"
#include "world/sniper_field.h"

namespace course {

struct HumanLimits {
  double turn_per_tick = 4.0;   // degrees the aim can move in one tick
  int reaction_ticks = 4;       // ticks from a figure's launch until it is acted on
  int ticks_between_shots = 2;  // 1 allows a shot every tick
  // A shot is fired only when it would pass the figure within this share of
  // the hit distance: the player's hand is not perfectly steady.
  double steadiness = 0.5;
};

class Marksman {
 public:
  explicit Marksman(const HumanLimits& limits) : limits_(limits) {}

  // Looks at the field after a tick: new figures are tracked, figures that
  // left while alive are counted as escapes.
  void observe(const Sniper_Field& field);
  // Before the next tick: picks a target, turns towards the shot that
  // meets it and fires when that shot is on.
  void act(Play_State& play, Gamesystem& sys);

  int launched() const { return launched_; }
  int escapes() const { return escapes_; }
  // Times a shot was on but no bullet was left.
  int dry_shots() const { return dry_shots_; }

 private:
  struct Track {
    std::int64_t first_seen = 0;  // the tick after which it was first seen
    double reach = 0.0;           // hit distance of a bullet's sweep
    double life = 0.0;            // as last seen
    // Where it stands after each tick from its first sighting on; the last
    // entry is the first position outside the arena.
    std::vector<VECTORD> path;
  };
  struct Shot {
    const buttai* target;
    std::int64_t lands;  // the tick whose sweep meets the target
  };
  struct Solution {
    Aim aim;
    std::int64_t lands = 0;
  };

  bool solve(const Track& track, Solution& solution) const;
  std::int64_t shot_lands(const Track& track, const Aim& aim, double share) const;
  int hits_still_needed(const buttai* person, const Track& track) const;
  const buttai* choose_target(const Aim& aim) const;

  HumanLimits limits_;
  std::int64_t now_ = 0;  // ticks observed
  std::int64_t last_shot_ = -1000;
  std::unordered_map<const buttai*, Track> tracks_;
  std::vector<Shot> shots_in_flight_;
  const buttai* target_ = nullptr;
  int launched_ = 0;
  int escapes_ = 0;
  int dry_shots_ = 0;
};

}  // namespace course
