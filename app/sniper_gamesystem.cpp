#include "app/sniper_gamesystem.h"

#include "app/music_start.h"
#include "app/opening.h"
#include "app/replay_keeper.h"
#include "app/scenes.h"
#include "platform/console.h"
#include "play/play_state.h"
#include "play/replay_recorder.h"
#include "play/replay_scene.h"
#include "states/state.h"

Sniper_Gamesystem sys;

namespace {

// Every course played in the window is recorded and kept beside data.dat.
Replay_Recorder& recorder() {
  static Replay_Keeper keeper("replays", sys.score);
  static Replay_Recorder recorder(
      [](const replay::Replay& recorded, std::int64_t run) { keeper.keep(recorded, run); });
  return recorder;
}

}  // namespace

void Sniper_Gamesystem::init() {
  platform::console_line("NOW LOADING…");
  initgame();
  // The music was started at launch, beside the window (see run_game).
  score.file_open("ranking.dat");
  opening();
  finish_music_start();
  kanji.load("shnm16.f1b");
  nowstate = Create_StateInstance();
  play_scene().listener = &recorder();
  nowstate->state_init(this);
}

void Sniper_Gamesystem::init_replay(const replay::Replay& recorded) {
  // The hits and stage clears were logged when the run was played.
  platform::set_console_quiet(true);
  initgame();
  // The music was started at launch, as for a game.
  finish_music_start();
  kanji.load("shnm16.f1b");
  static Replay_State watching(recorded);
  nowstate = &watching;
  nowstate->state_init(this);
}

void Sniper_Gamesystem::end() {
  // A finished course whose results were still showing is kept whole.
  recorder().leave();
  bgm.Term();
}

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
