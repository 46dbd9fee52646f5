#pragma once
// Where every figure and bullet stood at the last two ticks, kept beside the
// simulation, so that a frame between two ticks can show them part of the
// way. It only reads the field: the simulation never sees it.
#include <cstdint>
#include <unordered_map>

#include "world/sniper_field.h"
#include "world/vectord.h"

class Tick_Motion {
 public:
  // Just before a tick: where everything stands before it moves.
  void before_tick(const Sniper_Field& field, std::int32_t stage);
  // Just after the tick: each object that stood before it and still stands
  // now has made one step. A stage change deletes every object and launches
  // new ones in the same tick (which may reuse the old addresses), so no step
  // is carried across it.
  void after_tick(const Sniper_Field& field, std::int32_t stage);
  // Drops every step: frames show objects where they stand.
  void forget();

  // Where to draw the object at `fraction` (0 to 1) of the way from the
  // previous tick to the last one. At 0 that is, bit for bit, where the
  // previous tick left it; at 1, and for anything without a step (launched or
  // fired since, or changed outside a tick), its own position.
  VECTORD drawn_position(const buttai& object, double fraction) const;

  // Objects that have a step to be drawn along.
  std::size_t steps() const { return steps_.size(); }
  // Some step goes somewhere: frames between the ticks differ.
  bool moving() const { return moving_; }

 private:
  struct Step {
    VECTORD from;
    VECTORD to;
  };
  std::unordered_map<const buttai*, VECTORD> before_;
  std::unordered_map<const buttai*, Step> steps_;
  std::int32_t stage_before_ = 0;
  bool moving_ = false;
};
