#pragma once
// The scene interface and the registry of the scene objects.
#include <map>

class Gamesystem;

enum state_enum { MENU = 0, PLAY = 1, GAMEOVER = 2 };

class State {
 public:
  virtual void state_init(Gamesystem* sys);
  virtual void mouse(int button, int state, int x, int y, Gamesystem* sys);
  virtual void mouse_move(int _x, int _y, Gamesystem* sys);
  virtual void keyboard(unsigned char key, int x, int y, Gamesystem* sys);
  virtual void timer(int value, Gamesystem* sys);
  // Sets the viewport and the projection for the new size (60 degrees across
  // the smaller side) and puts the pointer at the screen position (w / 2, h / 2).
  virtual void resize(int w, int h, Gamesystem* sys);
  virtual void display(Gamesystem* sys);

  // The scene registered under nextstate, or null if none is.
  State* state_transfer(state_enum nextstate);

  // Registers a scene; a key already present keeps the scene it has.
  static void register_state(state_enum key, State* scene);

  // The scenes live for the whole process; the registry does not own them.
  static std::map<state_enum, State*> State_list;

 protected:
  // Scenes are never deleted through this interface.
  ~State() = default;
};

// Scenes that add nothing: a game-over scene is registered but never entered.
class Gameover_State final : public State {};

// The projection's vertical angle of view in degrees: 60, or more in a window
// taller than wide, so that its width sees the 60 degrees that a square
// window of that side sees and the picture is not magnified.
double vertical_field_of_view(int w, int h);

// Creates the three scenes, registers them and returns the menu.
State* Create_StateInstance();
