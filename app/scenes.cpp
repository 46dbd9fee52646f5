#include "app/scenes.h"

#include "play/play_state.h"
#include "states/menu_state.h"
#include "states/state.h"

Play_State& play_scene() {
  static Play_State play;
  return play;
}

State* Create_StateInstance() {
  // The scenes live as long as the process and are reused on every visit.
  static Menu_State menu;
  static Gameover_State gameover;
  State::register_state(MENU, &menu);
  State::register_state(PLAY, &play_scene());
  State::register_state(GAMEOVER, &gameover);
  return State::State_list[MENU];
}
