#pragma once
// The game's own game system: start-up, and forwarding of every window event
// to the current scene.
#include "replay/replay.h"
#include "states/gamesystem.h"

class Sniper_Gamesystem final : public Gamesystem {
 public:
  void init() override;
  // Start-up for watching a recorded run: no console prompt, no ranking.
  void init_replay(const replay::Replay& recorded);
  void mouse(int button, int state, int x, int y) override;
  void mouse_move(int _x, int _y) override;
  void keyboard(unsigned char key, int x, int y) override;
  void timer(int value) override;
  void resize(int w, int h) override;
  void display() override;
  void end() override;
};

// The one game system of the process.
extern Sniper_Gamesystem sys;
