#include "play/play_state.h"
#include "states/menu_state.h"
#include "states/state.h"

State* Create_StateInstance() {
  State::register_state(MENU, new Menu_State);
  State::register_state(PLAY, new Play_State);
  State::register_state(GAMEOVER, new Gameover_State);
  return State::State_list[MENU];
}
