#include "app/sniper_gamesystem.h"

#include "app/music_start.h"
#include "app/opening.h"
#include "platform/console.h"
#include "states/state.h"

Sniper_Gamesystem sys;

void Sniper_Gamesystem::init() {
  platform::console_line("NOW LOADING…");
  initgame();
  // The music was started at launch, beside the window (see run_game).
  score.file_open("ranking.dat");
  opening();
  finish_music_start();
  kanji.load("shnm16.f1b");
  nowstate = Create_StateInstance();
  nowstate->state_init(this);
}

void Sniper_Gamesystem::end() { bgm.Term(); }

void Sniper_Gamesystem::timer(int value) { nowstate->timer(value, this); }

void Sniper_Gamesystem::display() { nowstate->display(this); }

void Sniper_Gamesystem::resize(int w, int h) {
  width = w;
  height = h;
  nowstate->resize(w, h, this);
}

void Sniper_Gamesystem::keyboard(unsigned char key, int x, int y) { nowstate->keyboard(key, x, y, this); }

void Sniper_Gamesystem::mouse(int button, int state, int x, int y) {
  nowstate->mouse(button, state, x, y, this);
}

void Sniper_Gamesystem::mouse_move(int _x, int _y) { nowstate->mouse_move(_x, _y, this); }
