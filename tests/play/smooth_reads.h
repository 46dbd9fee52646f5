#pragma once
// Every value a smooth frame reads, read without drawing, so that a logic
// test (or a replay of recorded input) can slip smooth frames between the
// ticks of a run and show that they change nothing.
#include "play/smooth_view.h"
#include "tests/play/sim_fingerprint.h"

inline bool same_position(const VECTORD& a, const VECTORD& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Reads at five points between the ticks and after every turn of the aim,
// counting the objects drawn somewhere else than where they stand.
class Smooth_Reads final : public Between_Ticks {
 public:
  void before_tick(Play_State& play) override { view.before_tick(play); }
  void after_tick(Play_State& play, Gamesystem& sys) override { view.after_tick(play, sys); }
  void frame(Play_State& play, Gamesystem&) override {
    for (const double fraction : {0.0, 0.25, 0.5, 0.75, 1.0}) {
      for (const auto* list : {&play.field.hitoset, &play.field.tamaset}) {
        for (const auto& object : *list) {
          const VECTORD at = view.motion().drawn_position(*object, fraction);
          if (!same_position(at, object->pos)) ++drawn_between;
        }
      }
    }
    texts = view.texts();
  }
  Smooth_View view;
  long drawn_between = 0;
  HudValues texts;  // as the last frame would show them
};

