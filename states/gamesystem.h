#pragma once
// The game system as the scenes see it: the data that outlives a scene and
// the forwarding of every window event to the current scene.
#include <cstdint>
#include <string>

#include "score/score.h"
#include "sound/music.h"
#include "text/glkanji.h"

class State;

class Gamesystem {
 public:
  virtual void init() {}
  virtual void mouse(int /*button*/, int /*state*/, int /*x*/, int /*y*/) {}
  virtual void mouse_move(int /*_x*/, int /*_y*/) {}
  virtual void keyboard(unsigned char /*key*/, int /*x*/, int /*y*/) {}
  virtual void timer(int /*value*/) {}
  virtual void resize(int /*w*/, int /*h*/) {}
  virtual void display() {}
  virtual void end() {}

  State* nowstate = nullptr;
  std::int32_t clearlevel = 0;  // courses above Basic that are unlocked
  std::int32_t level = 0;       // the course being played, 0 to 3
  std::string stagefile;        // stage file of the course being played
  std::int32_t width = 0;       // client size of the window in pixels
  std::int32_t height = 0;
  qon::glKanji kanji{0};
  Console_Score score;
  music bgm;

 protected:
  // The game system is never deleted through this interface.
  ~Gamesystem() = default;
};
