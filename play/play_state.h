#pragma once
// The play scene: one course, stage by stage. Aims with the mouse, fires on
// the left button, advances the field every tick, and keeps the progress.
#include <cstdint>
#include <sstream>
#include <string>

#include "play/hud.h"
#include "play/play_listener.h"
#include "states/state.h"
#include "world/sniper_field.h"
#include "world/vectord.h"

// Draws the field's objects into a frame whose view is already set.
class Figure_Painter {
 public:
  virtual void paint(const Sniper_Field& field) const = 0;

 protected:
  ~Figure_Painter() = default;
};

class Play_State final : public State {
 public:
  // Starts (or restarts) the course named by the game system's stagefile.
  void state_init(Gamesystem* sys) override;
  // Starts the course from the full text of its stage file.
  void begin_course(const std::string& text, Gamesystem* sys);
  // Sets the tick counter as a course started later in a process found it:
  // the next start keeps it rather than setting it to 1.
  void resume_ticks(std::int32_t tick);
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
  // The same frame with the figures drawn by `figures` and the texts drawn
  // from `texts`; the plain frame is the field as it stands and the values
  // of the moment.
  void display(Gamesystem* sys, const Figure_Painter& figures, const HudValues& texts);
  // What the texts of a frame drawn now would show.
  HudValues hud_values(const Gamesystem& sys) const;

  // Loads the next stage section of the course into the field.
  void buttaiinit();
  // Draws the texts of the frame: the running display or the results.
  void scoredisplay(Gamesystem* sys);

  std::string course_text;  // the stage file as read when the course started
  std::istringstream stagein;
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
  std::int32_t ticks_played = 0;             // ticks since the course started
  std::uint32_t start_random_state = 1;      // the random sequence at that start
  // Off while a recorded run is played back: its end then enters no ranking
  // and writes no progress.
  bool keep_results = true;
  // Told of the course's start, of every input the scene acts on, and of its
  // end; not owned, may be null.
  Play_Listener* listener = nullptr;

 private:
  void fire();
  void end_course(Gamesystem* sys);
  void draw_frame(Gamesystem* sys, const Figure_Painter* figures, const HudValues& texts);
  void heard(const replay::Input& input);
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
