#pragma once
// The smooth mode's frame of the play scene: the aim as it is now, figures
// and bullets part of the way between their last two ticks, and the texts as
// the last tick left them. Drawing it changes nothing in the simulation.
#include "play/hud.h"
#include "play/play_state.h"
#include "play/tick_motion.h"

class Gamesystem;

class Smooth_View {
 public:
  // Called around every tick of the play scene.
  void before_tick(const Play_State& play);
  void after_tick(const Play_State& play, const Gamesystem& sys);
  // Forgets the ticks seen: the scene was left, or a new one begins.
  void forget();
  // A tick has been seen since the last forget, so a frame can be drawn.
  bool ready() const { return ready_; }

  // The frame at `fraction` (0 to 1) of the way from the previous tick to the
  // last one. At 1 it is the plain frame drawn right after the last tick.
  void display(Play_State& play, Gamesystem* sys, double fraction) const;

  const Tick_Motion& motion() const { return motion_; }
  // The texts' values as the last tick left them.
  const HudValues& texts() const { return texts_; }

 private:
  Tick_Motion motion_;
  HudValues texts_;
  bool ready_ = false;
};
