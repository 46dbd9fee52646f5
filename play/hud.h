#pragma once
// The values the texts of the play frame are drawn from, so that a frame can
// show them as they stood at a chosen moment.
#include <cstdint>

class Gamesystem;

struct HudValues {
  bool finished = false;
  bool allclear = false;
  std::int32_t stage = 0;
  std::int32_t ammo = 0;
  std::int32_t shots = 0;
  std::int32_t tick = 0;
  std::int32_t clearcount = 0;
  std::int32_t lives = 0;
  std::int32_t combo = 0;
  std::int32_t hits = 0;
  std::int32_t level = 0;  // the course being played
};

// Draws the running display, or the results once the course is over.
void draw_hud(Gamesystem* sys, const HudValues& values);
