#pragma once
// The play scene: one course, stage by stage. Aims with the mouse, fires on
// the left button, advances the field every tick, and keeps the progress.
#include <cstdint>
#include <fstream>

#include "states/state.h"
#include "world/sniper_field.h"
#include "world/vectord.h"

class Play_State final : public State {
 public:
  // Starts (or restarts) the course named by the game system's stagefile.
  void state_init(Gamesystem* sys) override;
  // A left press fires while bullets are left and the course runs.
  void mouse(int button, int state, int x, int y, Gamesystem* sys) override;
  // With raw motion, takes the movements made so far and pulls the pointer
  // back from near the window's edge. Without, turns the view by the
  // pointer's movement and pulls it back to the middle.
  void mouse_move(int _x, int _y, Gamesystem* sys) override;
  // Turns the view by a real pointer movement of (dx, dy) pixels, 0.2 degrees
  // a pixel, fraction kept. Every turn of the aim, whatever its source, comes
  // through here.
  void turn_view(double dx, double dy);
  // Quit at any time; retry or back to the menu once the course is over.
  void keyboard(unsigned char key, int x, int y, Gamesystem* sys) override;
  void timer(int value, Gamesystem* sys) override;
  void display(Gamesystem* sys) override;

  // Loads the next stage section of the course into the field.
  void buttaiinit();
  // Draws the texts of the frame: the running display or the results.
  void scoredisplay(Gamesystem* sys);

  std::ifstream stagein;
  Sniper_Field field;
  VECTORD eye = {0, 6, 0};
  std::int32_t turn = 0;
  double yaw = 0;    // degrees, -45 to 45, positive to the right
  double pitch = 0;  // degrees, -60 to 20, positive looks down
  bool finished = false;
  bool allclear = false;
  std::int32_t stagenum = 0;
  std::int32_t ammo = 0;
  std::int32_t stage = 0;
  std::int32_t shots = 0;

 private:
  void fire();
  void end_course(Gamesystem* sys);
  // Turns the view by every raw movement reported since the last call.
  void follow_pointer_motion();
  // With raw motion: places the pointer, and gives raw motion up where the
  // pointer keeps moving without it.
  void place_pointer(int x, int y, Gamesystem* sys);
  void recentre_near_edge(int x, int y, const Gamesystem* sys);

  bool firstinitfrag = true;  // no course has started yet in this process
  bool pointer_seen = false;  // the first motion event only sets the reference
  int xo = 0;                 // where the previous motion event was
  int yo = 0;
  // Raw movements not yet matched by a motion event that moved the pointer
  // (bounded), and such motion events in a row that found none.
  int unmatched_raw_motion = 0;
  int moves_without_raw_motion = 0;
  // The aim in pixels of pointer movement from straight ahead, summed exactly
  // (see turn_view); yaw and pitch follow from it.
  double aim_x = 0;
  double aim_y = 0;
};

// A shot's speed along the line of sight: 50 units a tick.
inline constexpr double bullet_speed = 5000.0;
